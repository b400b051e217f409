#pragma once
// The grid font as the program keeps it: face, italic, bold and size as the
// four texts the settings store holds (GridFontName, GridFontItalic,
// GridFontBold, GridFontSize). The size is written with "." whatever the
// locale, so a store written under one locale reads back under any other.

#include <QString>

struct GridFontValues {
    QString face;
    double pointSize = 0; // 0: none
    bool bold = false;
    bool italic = false;
};

// What the four program values say. A text that does not convert is a type
// mismatch (RuntimeError 13), as for any conversion the program makes.
GridFontValues GridFontFromProgram();

// Whether a stored text can stand as the grid font's size (a positive number
// with ".") or as its italic or bold flag (a Boolean).
bool IsGridFontSizeText(const QString& text);
bool IsGridFontStyleText(const QString& text);

// Takes the values into the four program values and writes SysFontName,
// SysFontItalic, SysFontBold and SysFontSize, in that order. Without a point
// size the size stays what it was.
void SaveGridFontValues(const GridFontValues& values);
