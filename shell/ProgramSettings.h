#pragma once
// The program flags' share of the settings store: what the main window's
// LoadSettings reads into the program-wide values.

#include "program/ProgramValues.h"

#include <QString>

namespace shell {

using ::SettingsSection;

// Grid font and colours, the Enter-key mode, the frequency format, row
// highlighting, opening the last file, toolbar captions and the two
// confirmations, in that order. A missing key gives its default; a value that
// does not convert leaves its flag as it was, except EnterKey (not a number:
// 0, stay in the cell) and SignificantDigitsOnly (not a Boolean: significant
// digits only).
void ReadProgramFlags();

} // namespace shell
