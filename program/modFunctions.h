#pragma once
// Small routines shared by the whole program.

#include <QString>

namespace modFunctions {

// The decimal separator of the user's locale: the second character of 1.1 as text.
QString DecimalSeparator();

// Hexadecimal digits to binary digits, four per input digit, most significant
// first ("3f" -> "00111111"). A character that is not a hex digit gives "0000".
QString HexToBinary(const QString& hex);

// True when the path names an existing file or folder; never fails.
bool FileExists(const QString& path);

} // namespace modFunctions
