#include "shell/Version.h"

#include "platform/core/ProgramTitle.h"

#include <QStringList>

#if !defined(FERROWIND_VERSION_MAJOR) || !defined(FERROWIND_VERSION_MINOR) ||                      \
    !defined(FERROWIND_VERSION_PATCH)
#error "The build passes the project version as FERROWIND_VERSION_MAJOR/MINOR/PATCH."
#endif

namespace shell {

ProgramVersion CurrentVersion() {
    return {FERROWIND_VERSION_MAJOR, FERROWIND_VERSION_MINOR, FERROWIND_VERSION_PATCH};
}

ProgramVersion ParseVersion(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    const auto part = [&parts](int index) {
        bool ok = false;
        const uint value = parts.value(index).trimmed().toUInt(&ok);
        return ok ? value : 0u;
    };
    return {part(0), part(1), part(2)};
}

QString VersionNumbers(const ProgramVersion& version) {
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
}

QString MainCaption(const ProgramVersion& version) {
    return platform::ProgramTitle() + QStringLiteral(" v") + VersionNumbers(version) +
           QStringLiteral(" (BETA)");
}

QString StatusPanelText(const ProgramVersion& version) {
    return platform::ProgramTitle() + QStringLiteral(" v") + VersionNumbers(version) +
           QStringLiteral(" - ") + platform::ProgramTitle() + QStringLiteral(" developers");
}

} // namespace shell
