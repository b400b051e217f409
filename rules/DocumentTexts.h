#pragma once
// Texts a document window shows and the main window shows again on a
// document's behalf: each written once.

#include "program/clsRadio.h"

#include <QString>

namespace documenttexts {

inline const QString CrLf = QStringLiteral("\r\n");
inline const QString WarningTitle = QStringLiteral("Warning");
inline const QString OutsideBandLimitsCaption =
    QStringLiteral("Memories with frequencies outside of the band limits:");

inline QString OutsideBandLimitsWarning() {
    return QStringLiteral("Warning: some memory channels contain frequencies which are outside of "
                          "the band limits.") +
           CrLf + QStringLiteral("These must be corrected before writing to the radio.");
}

inline QString VfoDefaultsWarning() {
    return QStringLiteral(
               "Warning: one or both VFO frequencies were outside of the specified band limits.") +
           CrLf + QStringLiteral("Default values set.");
}

// The question before unsaved changes are dropped: the document's caption,
// an empty line, then the question itself.
inline QString DataChangedQuestion(const QString& caption) {
    return caption + CrLf + CrLf + QStringLiteral("The ") + clsRadio().ShortName() +
           QStringLiteral(" data has changed.") + CrLf +
           QStringLiteral("Do you want to save the changes?");
}

} // namespace documenttexts
