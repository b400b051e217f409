#pragma once
// The grid font as a font: the program values of GridFontValues.h read into
// one and written from one.

#include <QFont>

// The font the program values describe; raises what GridFontFromProgram does.
QFont GridFontFromSettings();

// Takes font into the four program values and writes them to the store. A
// font without a face becomes "Fixedsys"; one without a point size keeps the
// size it had.
void SaveGridFont(const QFont& font);
