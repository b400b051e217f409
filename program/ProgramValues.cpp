#include "program/ProgramValues.h"

#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "program/clsRadio.h"

namespace {

struct ColumnDefault {
    const char* caption;
    int32_t width;
};

// Captions keep their trailing blanks: they are stored and shown as they stand.
constexpr ColumnDefault kColumnDefaults[ColumnCount] = {
    {"", 0},
    {"Name   ", 990},
    {"RX Freq   ", 1350},
    {"TX Freq   ", 1350},
    {"Decode ", 990},
    {"Encode ", 990},
    {"TX Pwr", 870},
    {"Scan", 630},
    {"TX Dev", 870},
    {"Busy Lck", 1110},
    {"Group/Notes", 2500},
};

} // namespace

ProgramValues& Program() {
    static ProgramValues values;
    return values;
}

void SetColumnCaptions() {
    auto& table = Program().ColumnTable;
    for (int k = 1; k < ColumnCount; ++k) {
        table[k].Caption = QString::fromLatin1(kColumnDefaults[k].caption);
        table[k].DefaultCaption = table[k].Caption;
        table[k].Order = k;
        table[k].Visible = true;
    }
}

void SetColumnWidths() {
    auto& table = Program().ColumnTable;
    for (int k = 1; k < ColumnCount; ++k)
        table[k].Width = kColumnDefaults[k].width;
}

void InitProgramSettings() {
    auto& p = Program();
    p.EnterKeyNextRow = false;
    p.EnterKeyNextColumn = true;
    p.ConfirmRowDelete = false;
    p.ConfirmRowClear = false;
    p.RowKeysWithoutSelection = true;
    p.OpenLastUsed = true;
    p.HighlightSelectedRow = false;
    p.HighlightColor = 0;
    p.UseTextLabels = false;
}

void ResetProgramValues() {
    auto& p = Program();
    p = ProgramValues();
    SetColumnCaptions();
    SetColumnWidths();
    InitProgramSettings();
    // What reading an empty settings store makes of the built-in defaults.
    p.EnterKeyNextRow = false;
    p.EnterKeyNextColumn = false;
    p.FrequencyFormat = FormatSignificantDigits;
    p.HighlightSelectedRow = true;
    p.HighlightColor = 8454143;
    p.OpenLastUsed = true;
    p.UseTextLabels = true;
    p.ConfirmRowDelete = true;
    p.ConfirmRowClear = true;
    p.GridFontName = DefaultGridFontName;
    p.GridFontItalic = QStringLiteral("False");
    p.GridFontBold = QStringLiteral("False");
    p.GridFontSize = QStringLiteral("8");
    p.GridBackColor = platform::ColorWindowBackground;
    p.GridForeColor = platform::ColorWindowText;
    p.Radio = std::make_shared<clsRadio>();
}

int32_t GridColumnOf(int logicalColumn) {
    if (logicalColumn < 0 || logicalColumn >= ColumnCount)
        return 0;
    return Program().ColumnTable[logicalColumn].Order;
}

int LogicalColumnAt(int32_t gridColumn) {
    const auto& table = Program().ColumnTable;
    for (int k = 1; k < ColumnCount; ++k)
        if (table[k].Order == gridColumn)
            return k;
    return 0;
}

void SaveColumnLayout() {
    const auto& table = Program().ColumnTable;
    for (int n = 1; n < ColumnCount; ++n) {
        const ColumnInfo& column = table[static_cast<size_t>(n)];
        platform::SaveBool(SettingsSection, QStringLiteral("Visible%1").arg(n), column.Visible);
        platform::SaveInt(SettingsSection, QStringLiteral("Order%1").arg(n), column.Order);
        platform::SaveSetting(SettingsSection, QStringLiteral("Caption%1").arg(n), column.Caption);
    }
}
