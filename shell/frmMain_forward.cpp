#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "document/frmStatus.h"
#include "platform/widgets/FlexGrid.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>

namespace {

constexpr int WheelRows = 3;
constexpr int LastChannelRow = 128;

} // namespace

platform::FlexGrid* frmMain::CurrentGrid() const {
    if (!active_)
        return nullptr;
    const int index = active_->GetCurrentGrid();
    return index >= 0 && index <= 6 ? active_->MSFlexGrid1(index) : nullptr;
}

bool frmMain::AutoShiftChecked() const {
    return MenuItem(QStringLiteral("mnuAutoShift"))->isChecked();
}

void frmMain::ScrollUp() {
    RunIgnoringErrors([this] {
        if (platform::FlexGrid* grid = CurrentGrid())
            grid->setTopRow(std::max(1, grid->topRow() - WheelRows));
    });
}

void frmMain::ScrollDown() {
    RunIgnoringErrors([this] {
        if (platform::FlexGrid* grid = CurrentGrid())
            grid->setTopRow(std::min(LastChannelRow, grid->topRow() + WheelRows));
    });
}

// --- the clone link's and the band-limit editor's way to the document ---

void frmMain::Sbyt(const QByteArray& data) {
    if (active_)
        active_->Sbyt(data);
}

void frmMain::FillGrid() {
    if (active_)
        active_->FillGrid();
}

void frmMain::SetWriteBytes() {
    if (active_)
        active_->SetWriteBytes();
}

QString frmMain::GetBandLimit(int index) {
    return active_ ? active_->GetBandLimit(index) : QString();
}

void frmMain::SetBandLimit(int index, const QString& text) {
    if (active_)
        active_->SetBandLimit(index, text);
}

bool frmMain::CheckBandLimits(QStringList& limits) {
    return active_ && active_->CheckBandLimits(limits);
}

// --- row commands and mass edits ---

void frmMain::InsertBlank() {
    if (active_)
        active_->InsertBlank();
}

void frmMain::Delete() {
    if (active_)
        active_->DeleteRows(0);
}

void frmMain::SetMass(const QString& value) {
    if (active_)
        active_->SetMass(value);
}

void frmMain::IncrementTags() {
    if (active_)
        active_->IncrementTags();
}

// --- dialog callbacks ---

int32_t frmMain::GetRow() {
    const platform::FlexGrid* grid = CurrentGrid();
    return grid ? grid->row() : 0;
}

void frmMain::TestSort(const QString& scope, int keyIndex, const QString& direction) {
    platform::FlexGrid* grid = CurrentGrid();
    if (!grid)
        return;
    if (scope == QLatin1String("All")) {
        active_->SortGrid(1, grid->rows() - 1, keyIndex, direction);
    } else if (scope == QLatin1String("Selected")) {
        active_->SetSelection();
        active_->SortGrid(std::min(grid->row(), grid->rowSel()),
                          std::max(grid->row(), grid->rowSel()), keyIndex, direction);
    }
}

void frmMain::TestDups(bool& ignoreDifferentTones, bool& ignoreDifferentNames,
                       bool& deleteDuplicates) {
    if (active_)
        active_->DupCheck(ignoreDifferentTones, ignoreDifferentNames, deleteDuplicates);
}

QString frmMain::GetExportData(bool& includeUnused, bool& useQuotes, bool& leaveOutNumber) {
    return active_ ? active_->GetExportData(includeUnused, useQuotes, leaveOutNumber) : QString();
}

void frmMain::CopyWindowsClip() {
    RunIgnoringErrors([this] {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        if (const platform::FlexGrid* grid = CurrentGrid())
            clipboard->setText(grid->clip());
    });
}

void frmMain::ShowStatus(const QString& caption, const QString& text, bool modal) {
    frmStatus::ShowText(caption, text, modal, this);
}
