#pragma once
// Paths that are not an ordinary file in a roomy folder: a file system with no
// space left, and a named pipe.

#include <QString>
#include <atomic>
#include <thread>

// A small file system of its own (tmpfs) mounted on folder for one test, so
// that it can be filled to the last byte. Mounting needs root; a test skips
// when it cannot mount (see why()). Unmounted on destruction, whatever the
// test did.
class FullDisk {
public:
    explicit FullDisk(const QString& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Why the mount failed.
    const QString& why() const { return why_; }
    QString path(const QString& name) const;
    // Takes every byte left but about leave (rounded to the disk's pages);
    // true when the disk was full before leave was given back.
    bool fill(qint64 leave = 0);

private:
    QString folder_;
    bool mounted_ = false;
    QString why_;
};

// A named pipe. Opening it to read blocks until someone opens it to write, so
// a program that opens it hangs; the watchdog opens it to write (and closes it
// at once) after a few seconds, so that such a program reads an empty file and
// the test fails instead of hanging.
class NamedPipe {
public:
    explicit NamedPipe(const QString& path);
    ~NamedPipe();
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    bool made() const { return made_; }
    const QString& path() const { return path_; }
    // Whether the watchdog had to let a blocked reader go.
    bool readerWasBlocked() const { return released_; }

private:
    void watch();

    QString path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> released_{false};
    std::thread watchdog_;
};
