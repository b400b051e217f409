#include "shell/ReadMe.h"

#include "shell/frmMain.h"

#include "program/modFunctions.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace shell {

namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

} // namespace

QString ProgramFolder() {
    const QString& folder = FolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

QString ReadMePath() {
    return ProgramFolder() + QStringLiteral("/readme.txt");
}

void SetProgramFolder(const QString& folder) {
    FolderOverride() = folder;
}

} // namespace shell

// The desktop's "open" action shows it in the user's own viewer; without the
// file nothing happens and nothing is said.
void frmMain::mnuReadMe_Click() {
    const QString path = shell::ReadMePath();
    if (modFunctions::FileExists(path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
