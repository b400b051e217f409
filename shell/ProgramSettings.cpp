#include "shell/ProgramSettings.h"

#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "program/ProgramValues.h"
#include "rules/GridFontValues.h"

namespace shell {

namespace {

// A font text that does not convert is skipped, as any stored value is: the
// documents build their grids in this font and would stop at it.
void ReadFontText(const QString& key, QString& target, const QString& defaultValue,
                  bool (*converts)(const QString&)) {
    const QString text = platform::GetSetting(SettingsSection, key, defaultValue);
    if (converts(text))
        target = text;
}

void ReadGridAppearance(ProgramValues& p) {
    using platform::GetSetting;
    p.GridFontName =
        GetSetting(SettingsSection, QStringLiteral("SysFontName"), DefaultGridFontName);
    ReadFontText(QStringLiteral("SysFontItalic"), p.GridFontItalic, QStringLiteral("False"),
                 IsGridFontStyleText);
    ReadFontText(QStringLiteral("SysFontBold"), p.GridFontBold, QStringLiteral("False"),
                 IsGridFontStyleText);
    ReadFontText(QStringLiteral("SysFontSize"), p.GridFontSize, QStringLiteral("8"),
                 IsGridFontSizeText);
    platform::ReadInt32(SettingsSection, QStringLiteral("SysBackColor"), p.GridBackColor,
                        platform::ColorWindowBackground);
    platform::ReadInt32(SettingsSection, QStringLiteral("SysForeColor"), p.GridForeColor,
                        platform::ColorWindowText);
}

void ReadEnterKey(ProgramValues& p) {
    const QString text =
        platform::GetSetting(SettingsSection, QStringLiteral("EnterKey"), QStringLiteral("0"));
    switch (platform::TextToLong(text).value_or(0)) {
    case 0:
        p.EnterKeyNextRow = false;
        p.EnterKeyNextColumn = false;
        break;
    case 1:
        p.EnterKeyNextRow = true;
        p.EnterKeyNextColumn = false;
        break;
    case 2:
        p.EnterKeyNextRow = false;
        p.EnterKeyNextColumn = true;
        break;
    default:
        break; // the built-in mode stays
    }
}

void ReadFrequencyFormat(ProgramValues& p) {
    const QString text = platform::GetSetting(
        SettingsSection, QStringLiteral("SignificantDigitsOnly"), QStringLiteral("True"));
    p.FrequencyFormat =
        platform::TextToBool(text).value_or(true) ? FormatSignificantDigits : FormatFiveDecimals;
}

} // namespace

void ReadProgramFlags() {
    ProgramValues& p = Program();
    ReadGridAppearance(p);
    ReadEnterKey(p);
    ReadFrequencyFormat(p);
    platform::ReadBool(SettingsSection, QStringLiteral("HighlightSelectedRow"),
                       p.HighlightSelectedRow, true);
    platform::ReadInt32(SettingsSection, QStringLiteral("HighlightColor"), p.HighlightColor,
                        8454143);
    platform::ReadBool(SettingsSection, QStringLiteral("OpenLastUsed"), p.OpenLastUsed, true);
    platform::ReadBool(SettingsSection, QStringLiteral("UseTextLabels"), p.UseTextLabels, true);
    platform::ReadBool(SettingsSection, QStringLiteral("ConfirmRowDelete"), p.ConfirmRowDelete,
                       true);
    platform::ReadBool(SettingsSection, QStringLiteral("ConfirmRowClear"), p.ConfirmRowClear, true);
}

} // namespace shell
