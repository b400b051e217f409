#include "platform/core/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

QString& FolderStore() {
    static QString folder;
    return folder;
}

QString LockPath(const QString& name) {
    return QDir(SingleInstanceFolder()).filePath(name + QStringLiteral(".lock"));
}

} // namespace

void SetSingleInstanceFolder(const QString& folder) {
    FolderStore() = folder;
}

QString SingleInstanceFolder() {
    if (!FolderStore().isEmpty())
        return FolderStore();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

SingleInstance::SingleInstance(const QString& name) : path_(LockPath(name)), lock_(path_) {
    // A lock is stale only when its owner is gone, never because it is old:
    // the program may run for days.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (acquired_)
        lock_.unlock();
}

bool SingleInstance::tryAcquire() {
    if (acquired_)
        return true;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    acquired_ = lock_.tryLock(0);
    return acquired_ || lock_.error() != QLockFile::LockFailedError;
}

} // namespace platform
