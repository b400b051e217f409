#pragma once
// Where the transfers keep "read.log", "write.log" and "write.dat": beside the
// program when its folder is writable, else in the per-user data folder.

#include <QString>

namespace clonelink {

QString TransferFolder();
QString TransferFilePath(const QString& name);

// Tests point the transfers at a folder of their own, so that tests running
// side by side never share a log; an empty folder restores the usual choice.
void SetTransferFolderForTests(const QString& folder);

} // namespace clonelink
