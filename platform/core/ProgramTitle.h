#pragma once
// The program's title, "KG-UV Ferrowind": the settings store's application
// name, the main caption's first words and the title of the program's message
// boxes.

#include <QString>

namespace platform {

inline QString ProgramTitle() {
    return QStringLiteral("KG-UV Ferrowind");
}

} // namespace platform
