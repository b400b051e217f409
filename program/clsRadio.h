#pragma once
// The fixed description of the radio model as the grids and captions need it.

#include <QString>

class clsRadio {
public:
    QString ShortName() const { return QStringLiteral("KG-UV"); }
    // Characters a channel name may hold: letters, digits, "?", "+" and blank.
    QString AllowedTagCharacters() const {
        return QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890?+ ");
    }
    int NumRows() const { return 129; }    // header row and 128 channels
    int NumColumns() const { return 11; }  // channel number and 10 fields
};
