#pragma once
// Where the transfers keep "read.log", "write.log" and "write.dat": beside the
// program when its folder is writable, else in the per-user data folder.

#include <QString>

namespace clonelink {

QString TransferFolder();
QString TransferFilePath(const QString& name);

// Puts the transfer files in folder instead (runs side by side then never
// share a log); an empty folder restores the usual choice.
void SetTransferFolder(const QString& folder);

} // namespace clonelink
