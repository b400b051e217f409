#pragma once
// The read-me file "readme.txt" in the program's folder, which the build puts
// there from the project's README.

#include <QString>

namespace shell {

// The program's own folder: where the executable lies.
QString ProgramFolder();
QString ReadMePath();

// Takes folder as the program's folder; an empty folder restores the
// executable's.
void SetProgramFolder(const QString& folder);

} // namespace shell
