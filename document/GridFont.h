#pragma once
// The grid font as the program keeps it: face, italic, bold and size as the
// four texts the settings store holds (GridFontName, GridFontItalic,
// GridFontBold, GridFontSize). The size is written with "." whatever the
// locale, so a store written under one locale reads back under any other.

#include <QFont>
#include <QString>

// The font the program values describe. A text that does not convert is a
// type mismatch (RuntimeError 13), as for any conversion the program makes.
QFont GridFontFromSettings();

// Whether a stored text can stand as the grid font's size (a positive number
// with ".") or as its italic or bold flag (a Boolean).
bool IsGridFontSizeText(const QString& text);
bool IsGridFontStyleText(const QString& text);

// Takes font into the four program values and writes SysFontName,
// SysFontItalic, SysFontBold and SysFontSize, in that order. A font without
// a face becomes "Fixedsys"; one without a point size keeps the size it had.
void SaveGridFont(const QFont& font);
