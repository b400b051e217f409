#include "shell/RecentFiles.h"

#include "platform/core/Settings.h"

namespace shell {

namespace {

const QString Section = QStringLiteral("MRU");

QString Key(int index) {
    return QStringLiteral("mru%1").arg(index);
}

} // namespace

QStringList ReadRecentFiles() {
    QStringList entries;
    for (int i = 0; i < RecentFileCount; ++i)
        entries << platform::GetSetting(Section, Key(i));
    return entries;
}

void AddRecentFile(const QString& path) {
    const QStringList entries = ReadRecentFiles();
    const QString wanted = path.toLower();
    int first = RecentFileCount - 1;
    for (int i = 0; i < RecentFileCount; ++i)
        if (entries[i].toLower() == wanted)
            first = i;
    for (int i = first; i >= 1; --i)
        platform::SaveSetting(Section, Key(i), entries[i - 1]);
    platform::SaveSetting(Section, Key(0), path);
}

void MoveRecentFileToTop(int index) {
    if (index <= 0 || index >= RecentFileCount)
        return;
    QStringList entries = ReadRecentFiles();
    entries.move(index, 0);
    for (int i = 0; i < RecentFileCount; ++i)
        platform::SaveSetting(Section, Key(i), entries[i]);
}

QString RecentFileCaption(const QString& prefix, const QString& path) {
    const int cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return prefix + QLatin1Char(' ') + path.mid(cut + 1);
}

} // namespace shell
