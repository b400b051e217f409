// Editors of the configuration, VFO and FM broadcast grids: which editor each
// row gets, its entries or length, the keys it takes and what the cell shows
// while the user types. The lists hold exactly the texts the image's setters
// accept, since SaveGrid hands the cells to them.

#include "document/frmDocument.h"

#include "image/clsVUROVA.h"
#include "platform/core/NumberText.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "program/modFunctions.h"
#include "rules/FrequencyRules.h"

using platform::AsciiBackspace;
using platform::AsciiCopy;
using platform::AsciiCut;
using platform::AsciiPaste;
using platform::FlexGrid;

namespace {

constexpr int SettingColumn = 2;
constexpr int SettingTextLength = 6;
constexpr int FMFreqLength = 5;
constexpr int LastChannel = 128;

// Configuration rows with a text editor.
constexpr int RowPriorityChannel = 14;
constexpr int RowANIID = 17;
constexpr int RowModePassword = 19;
constexpr int RowResetPassword = 20;
constexpr int RowWelcomeLine1 = 22;
constexpr int RowWelcomeLine2 = 23;
constexpr int RowSingleReceiveMsg = 24;

// VFO rows that are not plain option lists.
constexpr int RowDisplayMode = 1;
constexpr int RowVfoRXFreq = 2;
constexpr int RowTXPower = 5;
constexpr int RowEncode = 6;
constexpr int RowDecode = 7;
constexpr int RowTXDeviation = 8;
constexpr int RowStartChannel = 11;

// Band-limit entries whose low limit seeds an emptied VFO frequency.
constexpr int RXBand1Low = 0;
constexpr int RXBand2Low = 2;
constexpr double VfoDefaultOffsetMHz = 0.025;

const QString kVFO = QStringLiteral("VFO");

using OptionList = QStringList (clsVUROVA::*)() const;

// The option list of each configuration row 1..26; rows with another editor
// have none.
constexpr OptionList kConfigLists[26] = {
    &clsVUROVA::BatterySave_OPT,
    &clsVUROVA::RogerBeep_OPT,
    &clsVUROVA::TOT_OPT,
    &clsVUROVA::VOX_OPT,
    &clsVUROVA::VoicePrompt_OPT,
    &clsVUROVA::TOTAlarm_OPT,
    &clsVUROVA::Beep_OPT,
    &clsVUROVA::PowerOnDisplay_OPT,
    &clsVUROVA::KeyLock_OPT,
    &clsVUROVA::ScanMode_OPT,
    &clsVUROVA::SideKey_OPT,
    &clsVUROVA::Backlight_OPT,
    &clsVUROVA::Stopwatch_OPT,
    nullptr,
    &clsVUROVA::ANITransmit_OPT,
    &clsVUROVA::ANIDelay_OPT,
    nullptr,
    &clsVUROVA::SideTone_OPT,
    nullptr,
    nullptr,
    &clsVUROVA::Menu_OPT,
    nullptr,
    nullptr,
    nullptr,
    &clsVUROVA::DualReceive_OPT,
    &clsVUROVA::CurrentVFO_OPT,
};

bool IsDigit(int keyAscii) {
    return keyAscii >= '0' && keyAscii <= '9';
}

bool IsFrequencyKey(int keyAscii) {
    return IsDigit(keyAscii) || keyAscii == AsciiBackspace || keyAscii == AsciiCopy ||
           keyAscii == AsciiPaste || keyAscii == AsciiCut ||
           QString(platform::CharFromAscii(keyAscii)) == modFunctions::DecimalSeparator();
}

bool IsMessageRow(int row) {
    return row == RowWelcomeLine1 || row == RowWelcomeLine2 || row == RowSingleReceiveMsg;
}

bool IsPasswordRow(int row) {
    return row == RowModePassword || row == RowResetPassword;
}

} // namespace

// "first", then the number of every channel from `from` on whose RX cell is
// not empty. A cell of blanks counts, as it does for SaveGrid, which stores
// that channel.
QStringList frmDocument::UsedChannelList(const QString& first, int from) const {
    const FlexGrid& grid = *grids_[MemoryGrid];
    const int rxCol = GridColumnOf(ColRXFreq);
    QStringList entries{first};
    for (int ch = from; ch <= LastChannel && ch < grid.rows(); ++ch) {
        if (!grid.textMatrix(ch, rxCol).isEmpty())
            entries << QString::number(ch);
    }
    return entries;
}

QStringList frmDocument::ConfigOptions(int row) const {
    if (row == RowPriorityChannel)
        return UsedChannelList(QStringLiteral("0"), 1);
    if (row < 1 || row > 26 || !kConfigLists[row - 1])
        return {};
    return (image_.get()->*kConfigLists[row - 1])();
}

QStringList frmDocument::VfoOptions(int row) const {
    const clsVUROVA& image = *image_;
    switch (row) {
    case RowDisplayMode:
        return image.DisplayMode_OPT();
    case 3:
        return image.SquelchSetting_OPT();
    case 4:
        return image.FrequencyStep_OPT();
    case RowTXPower:
        return {QStringLiteral("HIGH"), QStringLiteral("LOW")};
    case RowEncode:
    case RowDecode:
        return QStringList{QStringLiteral("OFF")} + image.GetTone_OPT();
    case RowTXDeviation:
        return {QStringLiteral("WIDE"), QStringLiteral("NARR")};
    case 9:
        return image.ShiftDirection_OPT();
    case 10:
        return image.ShiftFrequency_OPT();
    case RowStartChannel:
        return UsedChannelList(QStringLiteral("1"), 2);
    default:
        return {};
    }
}

void frmDocument::ProcessConfigSettings() {
    const FlexGrid& grid = *grids_[ConfigGrid];
    const int row = grid.row();
    if (grid.col() != SettingColumn || row < 1 || row > 26)
        return;
    if (row == RowANIID || IsPasswordRow(row) || IsMessageRow(row)) {
        txtGrid_->setMaxLength(SettingTextLength);
        ShowTextEdit(ConfigGrid);
        return;
    }
    FillList(ConfigOptions(row));
    ShowCboEdit(ConfigGrid);
}

void frmDocument::ProcessOtherSettings() {
    const int row = grids_[VfoGrid]->row();
    if (row == RowVfoRXFreq) {
        txtGrid_->setMaxLength(image_->MaxFreqLength());
        ShowTextEdit(VfoGrid);
        return;
    }
    const QStringList options = VfoOptions(row);
    if (options.isEmpty())
        return;
    FillList(options);
    ShowCboEdit(VfoGrid);
}

void frmDocument::ProcessFMSettings() {
    if (grids_[FmGrid]->col() < 1)
        return;
    txtGrid_->setMaxLength(FMFreqLength);
    ShowTextEdit(FmGrid);
}

// The key filter of the text editor on grids 1 to 3: the character code to
// type, 0 for a refused key.
int frmDocument::SettingsKeyFilter(int keyAscii) const {
    const int row = EditGrid >= ConfigGrid && EditGrid <= FmGrid
                        ? grids_[static_cast<size_t>(EditGrid)]->row()
                        : 0;
    switch (EditGrid) {
    case ConfigGrid:
        if (row == RowANIID) {
            if (keyAscii >= 'a' && keyAscii <= 'z')
                keyAscii = keyAscii - 'a' + 'A';
            const bool ok = IsDigit(keyAscii) || (keyAscii >= 'A' && keyAscii <= 'D') ||
                            keyAscii == AsciiBackspace || keyAscii == AsciiCopy;
            return ok ? keyAscii : 0;
        }
        if (IsPasswordRow(row)) {
            const bool ok =
                IsDigit(keyAscii) || keyAscii == AsciiBackspace || keyAscii == AsciiCopy;
            return ok ? keyAscii : 0;
        }
        if (IsMessageRow(row)) {
            const bool ok = (keyAscii >= 32 && keyAscii <= 127) || keyAscii == AsciiBackspace;
            return ok ? keyAscii : 0;
        }
        return keyAscii;
    case VfoGrid:
        if (row == RowVfoRXFreq)
            return IsFrequencyKey(keyAscii) ? keyAscii : 0;
        return keyAscii;
    case FmGrid:
        return IsFrequencyKey(keyAscii) ? keyAscii : 0;
    default:
        return keyAscii;
    }
}

// What a settings cell shows for the text typed so far.
QString frmDocument::SettingsCellText(const QString& typed) const {
    if (EditGrid < ConfigGrid || EditGrid > FmGrid)
        return typed;
    const FlexGrid* grid = grids_[static_cast<size_t>(EditGrid)];
    const int row = grid->row();
    switch (EditGrid) {
    case ConfigGrid:
        if (IsPasswordRow(row))
            return (typed + QStringLiteral("000000")).left(SettingTextLength);
        return typed;
    case VfoGrid: {
        if (row != RowVfoRXFreq)
            return typed;
        if (!typed.isEmpty()) {
            QString text = typed;
            return ValidateVFOFreq(text);
        }
        // A band whose limit is no number has no frequency to offer.
        const QString low = GetBandLimit(grid->col() == 1 ? RXBand1Low : RXBand2Low);
        if (low.isEmpty())
            return typed;
        return platform::NumberToText(platform::Val(low) + VfoDefaultOffsetMHz);
    }
    case FmGrid:
        return ValidateFMFreq(typed);
    default:
        return typed;
    }
}

// Either both VFOs show "VFO" or neither does.
void frmDocument::CoupleDisplayModes() {
    FlexGrid& grid = *grids_[VfoGrid];
    if (grid.row() != RowDisplayMode)
        return;
    const QString a = grid.textMatrix(RowDisplayMode, 1);
    const QString b = grid.textMatrix(RowDisplayMode, 2);
    if (cboGrid_->text() == kVFO) {
        grid.setTextMatrix(RowDisplayMode, 1, kVFO);
        grid.setTextMatrix(RowDisplayMode, 2, kVFO);
    } else if (a != kVFO) {
        if (b == kVFO)
            grid.setTextMatrix(RowDisplayMode, 2, a);
    } else {
        grid.setTextMatrix(RowDisplayMode, 1, b);
    }
}
