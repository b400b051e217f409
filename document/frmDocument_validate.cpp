// Frequency validation against the document's band limits: the corrections
// the editors and imports apply, the defaults and the automatic shift of a
// newly used row, and the whole-document checks before a write to the radio.
// The rules themselves are in FrequencyRules; this file walks the grids.

#include "document/frmDocument.h"

#include "document/DocumentBandLimits.h"
#include "document/GridGuards.h"
#include "document/frmStatus.h"
#include "mainwindow/IMainWindow.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "rules/FrequencyRules.h"

#include "rules/DocumentTexts.h"
#include <utility>
#include <vector>

using platform::FlexGrid;
namespace fr = FrequencyRules;

namespace {

// The VFO grid's "RX Frequency" row; VFO A in column 1, VFO B in column 2.
constexpr int VfoRxRow = 2;
constexpr int VfoAColumn = 1;
constexpr int VfoBColumn = 2;

// RX and TX texts of every memory row, wherever the user put those columns.
std::vector<fr::ChannelFreqs> MemoryChannelFreqs(const FlexGrid& grid) {
    const int rxCol = GridColumnOf(ColRXFreq);
    const int txCol = GridColumnOf(ColTXFreq);
    std::vector<fr::ChannelFreqs> rows;
    rows.reserve(static_cast<size_t>(grid.rows()));
    for (int r = 1; r < grid.rows(); ++r)
        rows.push_back({r, grid.textMatrix(r, rxCol), grid.textMatrix(r, txCol)});
    return rows;
}

void ShowReport(QWidget* window, const QString& report) {
    const QString& caption = documenttexts::OutsideBandLimitsCaption;
    if (IMainWindow* main = MainForm()) {
        main->ShowStatus(caption, report, false);
        return;
    }
    frmStatus::ShowText(caption, report, false, window);
}

} // namespace

// --- editors and imports -----------------------------------------------------

bool frmDocument::IsFreqInRXBandLimits(const QString& frequency) const {
    return fr::IsFreqInRXBandLimits(frequency, LimitsOf(*this));
}

bool frmDocument::IsFreqInTXBandLimits(const QString& frequency) const {
    return fr::IsFreqInTXBandLimits(frequency, LimitsOf(*this));
}

bool frmDocument::IsFreqStepValid(QString& frequency) const {
    return fr::IsFreqStepValid(frequency);
}

QString frmDocument::ValidateRXFreq(const QString& frequency) const {
    return fr::ValidateRXFreq(frequency, LimitsOf(*this));
}

QString frmDocument::ValidateTXFreq(const QString& frequency) const {
    return fr::ValidateTXFreq(frequency, LimitsOf(*this));
}

QString frmDocument::ValidateVFOFreq(QString& frequency) const {
    return fr::ValidateVFOFreq(frequency, LimitsOf(*this));
}

QString frmDocument::ValidateFMFreq(const QString& frequency) const {
    return fr::ValidateFMFreq(frequency);
}

// A column the grid does not have counts as empty, so a settings grid never
// passes for a filled memory row.
bool frmDocument::IsRowFilled(int32_t row) const {
    if (EditGrid < 0 || EditGrid >= GridCount)
        return false;
    const FlexGrid& grid = *grids_[static_cast<size_t>(EditGrid)];
    if (row < 0 || row >= grid.rows())
        return false;
    return fr::IsRowFilled([&grid, row](int k) {
        const int col = GridColumnOf(k);
        return col >= 0 && col < grid.cols() ? grid.textMatrix(row, col) : QString();
    });
}

void frmDocument::ApplyDefaults(int32_t row) {
    FlexGrid& grid = *grids_[MemoryGrid];
    const QString rx = grid.textMatrix(row, GridColumnOf(ColRXFreq));
    for (const fr::DefaultCell& cell : fr::RowDefaults(rx, LimitsOf(*this)))
        grid.setTextMatrix(row, GridColumnOf(cell.logicalColumn), cell.text);
}

// An RX text that is no number leaves the TX cell as it is.
void frmDocument::ApplyAutoShift(int32_t row) {
    FlexGrid& grid = *grids_[MemoryGrid];
    const auto tx = fr::AutoShiftTXFreq(grid.textMatrix(row, GridColumnOf(ColRXFreq)));
    if (tx)
        grid.setTextMatrix(row, GridColumnOf(ColTXFreq), *tx);
}

// --- whole-document checks ---------------------------------------------------

bool frmDocument::ValidateAll() {
    bool result = true;
    if (!ValidateBandLimits()) {
        platform::MsgBox(documenttexts::OutsideBandLimitsWarning(),
                         platform::vbOKOnly | platform::vbExclamation, documenttexts::WarningTitle);
        result = false;
    }
    if (!ValidateVFOs()) {
        platform::MsgBox(documenttexts::VfoDefaultsWarning(),
                         platform::vbOKOnly | platform::vbExclamation, documenttexts::WarningTitle);
    }
    QString& report = Program().BandLimitReport;
    if (!report.isEmpty()) {
        report.chop(1);
        ShowReport(this, report);
    }
    return result;
}

// Reading the cells through TextMatrix leaves the current cell and the
// selection exactly as the user had them.
bool frmDocument::ValidateBandLimits() {
    const fr::BandLimitOutcome outcome =
        fr::CheckChannels(MemoryChannelFreqs(*grids_[MemoryGrid]), LimitsOf(*this));
    Program().BandLimitReport = outcome.report;
    return outcome.ok;
}

bool frmDocument::ValidateVFOs() {
    const fr::BandLimits limits = LimitsOf(*this);
    FlexGrid& grid = *grids_[VfoGrid];
    bool result = true;
    const std::pair<fr::Vfo, int> vfos[] = {{fr::VfoA, VfoAColumn}, {fr::VfoB, VfoBColumn}};
    for (const auto& [vfo, col] : vfos) {
        const fr::VfoOutcome outcome = fr::ValidateVFO(vfo, grid.textMatrix(VfoRxRow, col), limits);
        if (outcome.ok)
            continue;
        grid.setTextMatrix(VfoRxRow, col, outcome.text);
        result = false;
    }
    return result;
}

// The limits are the caller's (the radio's during a write). The current cell
// is set again at the end, which collapses a selection onto it.
bool frmDocument::CheckBandLimits(QStringList& limits) {
    const fr::BandLimits given = fr::BandLimits::FromTexts(limits);
    FlexGrid& grid = *grids_[MemoryGrid];
    const int row = grid.row();
    const int col = grid.col();
    BusyHold busy(RowChangeBusy);
    RedrawOff redraw(grid);

    const fr::BandLimitOutcome outcome = fr::CheckChannels(MemoryChannelFreqs(grid), given);
    Program().BandLimitReport = outcome.report;
    bool result = outcome.ok;
    const FlexGrid& vfo = *grids_[VfoGrid];
    for (const int c : {VfoAColumn, VfoBColumn}) {
        if (!fr::PassesRXBandLimits(vfo.textMatrix(VfoRxRow, c), given))
            result = false;
    }

    grid.setRow(row);
    grid.setCol(col);
    return result;
}
