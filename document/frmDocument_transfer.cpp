// Moving data between the grids and the image. Cell texts are exactly what the
// image's members return and accept; nothing here converts or trims a text.

#include "document/frmDocument.h"

#include "image/clsVUROVA.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/FlexGrid.h"
#include "program/ProgramValues.h"

namespace {

// Memory grid: logical column k (1..10) and the channel member it shows.
struct MemoryField {
    QString (clsVUROVA::*get)(int) const;
    void (clsVUROVA::*set)(int, const QString&);
};
constexpr MemoryField kMemoryFields[11] = {
    {nullptr, nullptr},
    {&clsVUROVA::Name, &clsVUROVA::setName},
    {&clsVUROVA::RXFrequency, &clsVUROVA::setRXFrequency},
    {&clsVUROVA::TXFrequency, &clsVUROVA::setTXFrequency},
    {&clsVUROVA::Decode, &clsVUROVA::setDecode},
    {&clsVUROVA::Encode, &clsVUROVA::setEncode},
    {&clsVUROVA::TXPower, &clsVUROVA::setTXPower},
    {&clsVUROVA::ScanAdd, &clsVUROVA::setScanAdd},
    {&clsVUROVA::WN, &clsVUROVA::setWN},
    {&clsVUROVA::BusyLock, &clsVUROVA::setBusyLock},
    {&clsVUROVA::Group, &clsVUROVA::setGroup},
};

// Configuration grid, rows 1..26, column 2.
struct SettingField {
    QString (clsVUROVA::*get)() const;
    void (clsVUROVA::*set)(const QString&);
};
constexpr SettingField kConfigFields[26] = {
    {&clsVUROVA::BatterySave, &clsVUROVA::setBatterySave},
    {&clsVUROVA::RogerBeep, &clsVUROVA::setRogerBeep},
    {&clsVUROVA::TOT, &clsVUROVA::setTOT},
    {&clsVUROVA::VOX, &clsVUROVA::setVOX},
    {&clsVUROVA::VoicePrompt, &clsVUROVA::setVoicePrompt},
    {&clsVUROVA::TOTAlarm, &clsVUROVA::setTOTAlarm},
    {&clsVUROVA::Beep, &clsVUROVA::setBeep},
    {&clsVUROVA::PowerOnDisplay, &clsVUROVA::setPowerOnDisplay},
    {&clsVUROVA::KeyLock, &clsVUROVA::setKeyLock},
    {&clsVUROVA::ScanMode, &clsVUROVA::setScanMode},
    {&clsVUROVA::SideKey, &clsVUROVA::setSideKey},
    {&clsVUROVA::Backlight, &clsVUROVA::setBacklight},
    {&clsVUROVA::Stopwatch, &clsVUROVA::setStopwatch},
    {&clsVUROVA::PriorityChannel, &clsVUROVA::setPriorityChannel},
    {&clsVUROVA::ANITransmit, &clsVUROVA::setANITransmit},
    {&clsVUROVA::ANIDelay, &clsVUROVA::setANIDelay},
    {&clsVUROVA::ANI_ID, &clsVUROVA::setANI_ID},
    {&clsVUROVA::SideTone, &clsVUROVA::setSideTone},
    {&clsVUROVA::ModePassword, &clsVUROVA::setModePassword},
    {&clsVUROVA::ResetPassword, &clsVUROVA::setResetPassword},
    {&clsVUROVA::Menu, &clsVUROVA::setMenu},
    {&clsVUROVA::PowerUpMsgLine1, &clsVUROVA::setPowerUpMsgLine1},
    {&clsVUROVA::PowerUpMsgLine2, &clsVUROVA::setPowerUpMsgLine2},
    {&clsVUROVA::SingleReceiveMsg, &clsVUROVA::setSingleReceiveMsg},
    {&clsVUROVA::DualReceive, &clsVUROVA::setDualReceive},
    {&clsVUROVA::CurrentVFO, &clsVUROVA::setCurrentVFO},
};

// VFO grid, rows 1..11: column 1 VFO A, column 2 VFO B. A row is either a
// channel member (VFO A and B are channels 129 and 130) or a pair of members.
struct VfoField {
    MemoryField channel;
    SettingField a;
    SettingField b;
};
constexpr VfoField kVfoFields[11] = {
    {{},
     {&clsVUROVA::DisplayModeA, &clsVUROVA::setDisplayModeA},
     {&clsVUROVA::DisplayModeB, &clsVUROVA::setDisplayModeB}},
    {{&clsVUROVA::RXFrequency, &clsVUROVA::setRXFrequency}, {}, {}},
    {{},
     {&clsVUROVA::SquelchSettingA, &clsVUROVA::setSquelchSettingA},
     {&clsVUROVA::SquelchSettingB, &clsVUROVA::setSquelchSettingB}},
    {{},
     {&clsVUROVA::FrequencyStepA, &clsVUROVA::setFrequencyStepA},
     {&clsVUROVA::FrequencyStepB, &clsVUROVA::setFrequencyStepB}},
    {{&clsVUROVA::TXPower, &clsVUROVA::setTXPower}, {}, {}},
    {{&clsVUROVA::Encode, &clsVUROVA::setEncode}, {}, {}},
    {{&clsVUROVA::Decode, &clsVUROVA::setDecode}, {}, {}},
    {{&clsVUROVA::WN, &clsVUROVA::setWN}, {}, {}},
    {{},
     {&clsVUROVA::ShiftDirectionA, &clsVUROVA::setShiftDirectionA},
     {&clsVUROVA::ShiftDirectionB, &clsVUROVA::setShiftDirectionB}},
    {{},
     {&clsVUROVA::ShiftFrequencyA, &clsVUROVA::setShiftFrequencyA},
     {&clsVUROVA::ShiftFrequencyB, &clsVUROVA::setShiftFrequencyB}},
    {{},
     {&clsVUROVA::StartChannelA, &clsVUROVA::setStartChannelA},
     {&clsVUROVA::StartChannelB, &clsVUROVA::setStartChannelB}},
};

QString VfoText(const clsVUROVA& image, const VfoField& field, int column) {
    if (field.channel.get)
        return (image.*field.channel.get)(column == 1 ? clsVUROVA::VfoA : clsVUROVA::VfoB);
    return column == 1 ? (image.*field.a.get)() : (image.*field.b.get)();
}

void SetVfoText(clsVUROVA& image, const VfoField& field, int column, const QString& text) {
    if (field.channel.set)
        (image.*field.channel.set)(column == 1 ? clsVUROVA::VfoA : clsVUROVA::VfoB, text);
    else if (column == 1)
        (image.*field.a.set)(text);
    else
        (image.*field.b.set)(text);
}

constexpr int FmEntries = 9;

// Band-limit grid: (row, column) and the band-limit index it shows, in the
// order the cells are filled.
struct BandCell {
    int row, col, index;
};
constexpr BandCell kBandCells[8] = {
    {1, 1, 0}, {1, 2, 1}, {2, 1, 4}, {2, 2, 5}, {3, 1, 2}, {3, 2, 3}, {4, 1, 6}, {4, 2, 7},
};

} // namespace

void frmDocument::FillGrid() {
    SetRedrawAll(false);
    try {
        FillMemoryRows();
        FillSettingsGrids();
        FitSettingsColumns();
    } catch (const platform::RuntimeError& e) {
        // Drawing back on: a grid left frozen would show nothing at all.
        SetRedrawAll(true);
        ShowError(platform::ErrorText(e));
        return;
    }
    SetRedrawAll(true);
    ValidateAll();
}

// Rows of channels not in use are emptied, so that a second radio read into
// the same window cannot leave old channels behind to be saved or written.
void frmDocument::FillMemoryRows() {
    platform::FlexGrid& grid = *grids_[MemoryGrid];
    for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch) {
        const bool used = image_->IsUsedMemoryChannel(ch);
        for (int k = 1; k < ColumnCount; ++k) {
            const QString text = used ? (image_.get()->*kMemoryFields[k].get)(ch) : QString();
            grid.setTextMatrix(ch, GridColumnOf(k), text);
        }
    }
}

void frmDocument::FillSettingsGrids() {
    platform::FlexGrid& config = *grids_[ConfigGrid];
    for (int r = 1; r <= 26; ++r)
        config.setTextMatrix(r, 2, (image_.get()->*kConfigFields[r - 1].get)());

    platform::FlexGrid& vfo = *grids_[VfoGrid];
    for (int r = 1; r <= 11; ++r) {
        vfo.setTextMatrix(r, 1, VfoText(*image_, kVfoFields[r - 1], 1));
        vfo.setTextMatrix(r, 2, VfoText(*image_, kVfoFields[r - 1], 2));
    }

    platform::FlexGrid& fm = *grids_[FmGrid];
    for (int bank = 1; bank <= 2; ++bank)
        for (int entry = 1; entry <= FmEntries; ++entry)
            fm.setTextMatrix(entry, bank, image_->FMBroadcast(bank, entry));

    platform::FlexGrid& band = *grids_[BandGrid];
    for (const BandCell& cell : kBandCells)
        band.setTextMatrix(cell.row, cell.col, GetBandLimit(cell.index));
}

bool frmDocument::SaveGrid() {
    if (!image_->IsFileLoaded())
        return true;
    try {
        SaveMemoryRows();
        SaveSettingsGrids();
    } catch (const platform::RuntimeError& e) {
        ShowError(platform::ErrorText(e));
        return false;
    }
    return true;
}

// Exactly empty RX text blanks the channel; a cell of blanks counts as filled.
void frmDocument::SaveMemoryRows() {
    const platform::FlexGrid& grid = *grids_[MemoryGrid];
    const int lastRow = grid.rows() - 1;
    for (int r = 1; r <= lastRow; ++r) {
        if (grid.textMatrix(r, GridColumnOf(ColRXFreq)).isEmpty()) {
            image_->BlankMemory(r);
            continue;
        }
        for (int k = 1; k < ColumnCount; ++k)
            (image_.get()->*kMemoryFields[k].set)(r, grid.textMatrix(r, GridColumnOf(k)));
    }
}

// The band-limit grid is never read back: band limits change only through
// SetBandLimit.
void frmDocument::SaveSettingsGrids() {
    const platform::FlexGrid& config = *grids_[ConfigGrid];
    for (int r = 1; r <= 26; ++r)
        (image_.get()->*kConfigFields[r - 1].set)(config.textMatrix(r, 2));

    const platform::FlexGrid& vfo = *grids_[VfoGrid];
    for (int r = 1; r <= 11; ++r) {
        SetVfoText(*image_, kVfoFields[r - 1], 1, vfo.textMatrix(r, 1));
        SetVfoText(*image_, kVfoFields[r - 1], 2, vfo.textMatrix(r, 2));
    }

    const platform::FlexGrid& fm = *grids_[FmGrid];
    for (int bank = 1; bank <= 2; ++bank)
        for (int entry = 1; entry <= FmEntries; ++entry)
            image_->setFMBroadcast(bank, entry, fm.textMatrix(entry, bank));
}
