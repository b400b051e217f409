#include "link/TransferFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace clonelink {

namespace {

QString& testFolder() {
    static QString folder;
    return folder;
}

} // namespace

QString TransferFolder() {
    if (!testFolder().isEmpty())
        return testFolder();
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

void SetTransferFolderForTests(const QString& folder) {
    testFolder() = folder;
}

} // namespace clonelink
