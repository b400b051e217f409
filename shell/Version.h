#pragma once
// The program's title and version as the captions show them.

#include <QString>

namespace shell {

struct ProgramVersion {
    uint major = 0;
    uint minor = 0;
    uint revision = 0;
};

// The version the build was made with.
ProgramVersion CurrentVersion();

// The numbers of a version text such as "1.00.010": each part a whole number,
// a part that is missing or no number 0.
ProgramVersion ParseVersion(const QString& text);

// "1.0.0": plain decimals, no leading zeros.
QString VersionNumbers(const ProgramVersion& version = CurrentVersion());

// "KG-UV Ferrowind v1.0.0 (BETA)".
QString MainCaption(const ProgramVersion& version = CurrentVersion());

// The first status-bar panel: title and version without " (BETA)", then the credit.
QString StatusPanelText(const ProgramVersion& version = CurrentVersion());

} // namespace shell
