#include "document/GridFont.h"

#include "platform/core/NumberText.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"
#include "platform/widgets/FixedPitchFont.h"
#include "program/ProgramValues.h"

#include <QLocale>

QFont GridFontFromSettings() {
    const ProgramValues& p = Program();
    const auto size = platform::TextToDouble(p.GridFontSize);
    const auto bold = platform::TextToBool(p.GridFontBold);
    const auto italic = platform::TextToBool(p.GridFontItalic);
    if (!size || !bold || !italic || *size <= 0)
        throw platform::RuntimeError(platform::ErrTypeMismatch);
    // A face this system lacks (the classic bitmap fonts) falls back to a
    // fixed-pitch one, not to whatever the default is.
    QFont font = platform::FixedPitchFont(p.GridFontName, *size);
    font.setBold(*bold);
    font.setItalic(*italic);
    return font;
}

bool IsGridFontSizeText(const QString& text) {
    const auto size = platform::TextToDouble(text);
    return size && *size > 0;
}

bool IsGridFontStyleText(const QString& text) {
    return platform::TextToBool(text).has_value();
}

void SaveGridFont(const QFont& font) {
    ProgramValues& p = Program();
    p.GridFontName = font.family().isEmpty() ? platform::FixedsysFace() : font.family();
    p.GridFontItalic = platform::BoolText(font.italic());
    p.GridFontBold = platform::BoolText(font.bold());
    if (font.pointSizeF() > 0)
        p.GridFontSize = platform::NumberToText(font.pointSizeF(), QLocale::c());
    platform::SaveSetting(SettingsSection, QStringLiteral("SysFontName"), p.GridFontName);
    platform::SaveSetting(SettingsSection, QStringLiteral("SysFontItalic"), p.GridFontItalic);
    platform::SaveSetting(SettingsSection, QStringLiteral("SysFontBold"), p.GridFontBold);
    platform::SaveSetting(SettingsSection, QStringLiteral("SysFontSize"), p.GridFontSize);
}
