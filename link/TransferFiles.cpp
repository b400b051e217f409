#include "link/TransferFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace clonelink {

namespace {

QString& chosenFolder() {
    static QString folder;
    return folder;
}

} // namespace

QString TransferFolder() {
    if (!chosenFolder().isEmpty())
        return chosenFolder();
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString userFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

QString TransferFilePath(const QString& name) {
    return QDir(TransferFolder()).filePath(name);
}

void SetTransferFolder(const QString& folder) {
    chosenFolder() = folder;
}

} // namespace clonelink
