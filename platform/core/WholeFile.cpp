#include "platform/core/WholeFile.h"

#include "platform/core/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

QString FileErrorDescription(int number, const QString& reason) {
    const QString description = StandardDescription(number);
    if (reason.isEmpty())
        return description;
    return description + QStringLiteral(" (") + reason + QStringLiteral(")");
}

void RaiseFileError(const QString& path, const QString& reason, bool reading) {
    const bool missing = reading && !path.isEmpty() && !QFileInfo::exists(path);
    const int number = missing ? ErrFileNotFound : ErrPathFileAccess;
    const QString shown =
        path.isEmpty() || reason.isEmpty() ? QStringLiteral("no file name") : reason;
    throw RuntimeError(number, FileErrorDescription(number, shown));
}

QString NotRegularFileReason(const QString& path) {
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return QString();
    return info.isDir() ? QStringLiteral("is a folder") : QStringLiteral("not a regular file");
}

QByteArray ReadWholeFile(const QString& path) {
    const QString refusal = NotRegularFileReason(path);
    if (!refusal.isEmpty())
        RaiseFileError(path, refusal, true);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        RaiseFileError(path, file.errorString(), true);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        RaiseFileError(path, file.errorString(), true);
    return bytes;
}

void WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const QString refusal = NotRegularFileReason(path);
    if (!refusal.isEmpty())
        RaiseFileError(path, refusal, false);
    // Unbuffered, so that every failure shows in write() itself: the commit()
    // of this Qt ignores a failed flush of buffered bytes and renames the cut
    // temporary file over the old one.
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        RaiseFileError(path, file.errorString(), false);
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        // A short write carries no reason; the write of the rest fails with it.
        const qint64 written = file.write(data, left);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            RaiseFileError(path, reason, false);
        }
        data += written;
        left -= written;
    }
    if (!file.commit())
        RaiseFileError(path, file.errorString(), false);
}

} // namespace platform
