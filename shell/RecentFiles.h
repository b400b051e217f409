#pragma once
// The five files used last, kept in section "MRU" of the settings store as
// "mru0" (newest) to "mru4", each path exactly as it was given.

#include <QString>
#include <QStringList>

namespace shell {

constexpr int RecentFileCount = 5;

// The five entries, "mru0" first; a missing key is an empty entry.
QStringList ReadRecentFiles();

// Puts path at the top. An entry that matches it apart from letter case moves
// up from its place (the last such entry when there are several); otherwise
// "mru4" drops out. Entries below the old place stay where they are.
void AddRecentFile(const QString& path);

// Moves entry index to the top, the others keeping their order.
void MoveRecentFileToTop(int index);

// The menu caption of an entry: the item's prefix ("&1"), a blank and the part
// of the path after its last "/" or "\".
QString RecentFileCaption(const QString& prefix, const QString& path);

} // namespace shell
