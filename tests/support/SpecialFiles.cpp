#include "support/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

FullDisk::FullDisk(const QString& folder) : folder_(folder) {
    if (!QDir().mkpath(folder_)) {
        why_ = QStringLiteral("cannot make ") + folder_;
        return;
    }
    const QByteArray target = QFile::encodeName(folder_);
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0) {
        why_ = QStringLiteral("cannot mount a small tmpfs on ") + folder_ + QStringLiteral(": ") +
               QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mounted_ = true;
}

FullDisk::~FullDisk() {
    if (!mounted_)
        return;
    const QByteArray target = QFile::encodeName(folder_);
    // A file still open inside keeps it busy; it then goes when that closes.
    if (::umount2(target.constData(), 0) != 0)
        ::umount2(target.constData(), MNT_DETACH);
}

QString FullDisk::path(const QString& name) const {
    return QDir(folder_).filePath(name);
}

bool FullDisk::fill(qint64 leave) {
    const QByteArray name = QFile::encodeName(path(QStringLiteral("filler")));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'F');
    ssize_t written = 0;
    do {
        written = ::write(fd, block.constData(), static_cast<size_t>(block.size()));
    } while (written > 0 || (written < 0 && errno == EINTR));
    // A short write takes what is left of the last page, so the write that
    // fails finds nothing free.
    const bool full = written < 0 && errno == ENOSPC;
    if (full && leave > 0) {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || ::ftruncate(fd, std::max<off_t>(0, st.st_size - leave)) != 0) {
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    return full;
}

NamedPipe::NamedPipe(const QString& path) : path_(path) {
    made_ = ::mkfifo(QFile::encodeName(path_).constData(), 0644) == 0;
    if (made_)
        watchdog_ = std::thread([this] { watch(); });
}

NamedPipe::~NamedPipe() {
    stop_ = true;
    if (watchdog_.joinable())
        watchdog_.join();
}

void NamedPipe::watch() {
    using namespace std::chrono;
    const auto due = steady_clock::now() + seconds(5);
    const QByteArray name = QFile::encodeName(path_);
    while (!stop_) {
        std::this_thread::sleep_for(milliseconds(20));
        if (steady_clock::now() < due)
            continue;
        // Succeeds only while a reader has the pipe open (or waits to).
        const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            released_ = true;
            ::close(fd);
        }
    }
}
