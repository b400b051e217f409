#pragma once
// Files are read whole and written whole, and every file the program writes
// goes through WriteWholeFile. The errors they raise carry the system's reason
// after the usual description: "Path/File access error (No space left on
// device)".

#include <QByteArray>
#include <QString>

namespace platform {

// The usual description of number, then the reason in brackets; the reason
// "no file name" stands in for an empty one.
QString FileErrorDescription(int number, const QString& reason);

// Raises the error a failed open, read or write of path gives: 53 "File not
// found (...)" when a read finds nothing at path, else 75 "Path/File access
// error (...)".
[[noreturn]] void RaiseFileError(const QString& path, const QString& reason, bool reading);

// Why something that exists at path cannot be opened as a file: "is a folder",
// or "not a regular file" (a named pipe or a device would block or never end);
// empty when path names a regular file or nothing at all. Every path the user
// picks is asked this before it is opened, to be read or written.
QString NotRegularFileReason(const QString& path);

// The whole content of the regular file at path. Raises 53 "File not found
// (...)" when there is nothing at path, else 75 "Path/File access error (...)"
// with the system's reason (a folder or a pipe is refused before it is opened).
QByteArray ReadWholeFile(const QString& path);

// Replaces the file at path with bytes, or leaves what was there untouched and
// raises 75 with the system's reason (a full disk included). A folder, pipe or
// device at path is refused: the new file would be renamed over it.
void WriteWholeFile(const QString& path, const QByteArray& bytes);

} // namespace platform
