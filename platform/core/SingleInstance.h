#pragma once
// The previous-instance test: one running copy of the program per user. A lock
// file in the lock folder marks the running copy; a lock left behind by a copy
// that was killed is taken over.

#include <QLockFile>
#include <QString>

namespace platform {

// The folder that holds the lock file. Tests point it at a temporary folder;
// an empty folder means the per-user runtime folder (the temporary folder when
// the system has none).
void SetSingleInstanceFolder(const QString& folder);
QString SingleInstanceFolder();

class SingleInstance {
public:
    // name: the program's name; the lock file is name + ".lock".
    explicit SingleInstance(const QString& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False only when another copy that is still alive holds the lock. When
    // the lock folder cannot hold a lock at all the result is true (and
    // acquired() false): refusing every start would lock the user out.
    bool tryAcquire();
    bool acquired() const { return acquired_; }
    QString lockFilePath() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
    bool acquired_ = false;
};

} // namespace platform
