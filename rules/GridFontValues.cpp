#include "rules/GridFontValues.h"

#include "platform/core/NumberText.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"
#include "program/ProgramValues.h"

#include <QLocale>

GridFontValues GridFontFromProgram() {
    const ProgramValues& p = Program();
    const auto size = platform::TextToDouble(p.GridFontSize);
    const auto bold = platform::TextToBool(p.GridFontBold);
    const auto italic = platform::TextToBool(p.GridFontItalic);
    if (!size || !bold || !italic || *size <= 0)
        throw platform::RuntimeError(platform::ErrTypeMismatch);
    return {p.GridFontName, *size, *bold, *italic};
}

bool IsGridFontSizeText(const QString& text) {
    const auto size = platform::TextToDouble(text);
    return size && *size > 0;
}

bool IsGridFontStyleText(const QString& text) {
    return platform::TextToBool(text).has_value();
}

void SaveGridFontValues(const GridFontValues& values) {
    ProgramValues& p = Program();
    p.GridFontName = values.face;
    p.GridFontItalic = platform::BoolText(values.italic);
    p.GridFontBold = platform::BoolText(values.bold);
    if (values.pointSize > 0)
        p.GridFontSize = platform::NumberToText(values.pointSize, QLocale::c());
    platform::SaveSetting(SettingsSection, QStringLiteral("SysFontName"), p.GridFontName);
    platform::SaveSetting(SettingsSection, QStringLiteral("SysFontItalic"), p.GridFontItalic);
    platform::SaveSetting(SettingsSection, QStringLiteral("SysFontBold"), p.GridFontBold);
    platform::SaveSetting(SettingsSection, QStringLiteral("SysFontSize"), p.GridFontSize);
}
