#pragma once
// The read-me file "readme.txt" in the program's folder, which the build puts
// there from the project's README.

#include <QString>

namespace shell {

// The program's own folder: where the executable lies.
QString ProgramFolder();
QString ReadMePath();

// Tests point the program folder elsewhere; an empty folder restores the
// executable's.
void SetProgramFolderForTests(const QString& folder);

} // namespace shell
