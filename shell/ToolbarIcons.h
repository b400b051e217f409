#pragma once
// The pictures of the toolbar buttons, drawn here so that they look the same
// on every desktop, themed or not.

#include <QIcon>
#include <QString>

namespace shell {

// The picture of the button with this key ("New", "Open", ... "Write To Radio").
QIcon ToolbarIcon(const QString& key);

// The program's own picture: window icons of the main and document windows.
QIcon ProgramIcon();

} // namespace shell
