// The in-place editors: one text box and one drop-down list laid over the
// current cell of whichever grid is shown. Every keystroke and every choice
// goes straight into the cell; leaving the text box is the commit point of a
// memory row (defaults, automatic shift).

#include "document/frmDocument.h"

#include "image/clsVUROVA.h"
#include "mainwindow/IMainWindow.h"
#include "platform/core/Measures.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "program/modFunctions.h"

#include <QAbstractItemView>

using platform::AsciiBackspace;
using platform::AsciiCopy;
using platform::AsciiCut;
using platform::AsciiPaste;
using platform::FlexGrid;
using platform::Try;

namespace {

// The list editor sits just inside the cell's borders.
constexpr int ListInset = 10;

bool IsClipboardKey(int keyAscii) {
    return keyAscii == AsciiCopy || keyAscii == AsciiPaste || keyAscii == AsciiCut;
}

// Typed character codes a frequency cell takes.
bool FrequencyKey(int keyAscii) {
    const QChar ch = platform::CharFromAscii(keyAscii);
    return keyAscii == AsciiBackspace || IsClipboardKey(keyAscii) ||
           (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ||
           QString(ch) == modFunctions::DecimalSeparator();
}

int UpperCaseAscii(int keyAscii) {
    return keyAscii >= 'a' && keyAscii <= 'z' ? keyAscii - 'a' + 'A' : keyAscii;
}

} // namespace

// --- edit start -------------------------------------------------------------

void frmDocument::MSFlexGrid1_DblClick(int index) {
    switch (index) {
    case MemoryGrid:
        EditMemoryCell();
        break;
    case ConfigGrid:
        ProcessConfigSettings();
        break;
    case VfoGrid:
        ProcessOtherSettings();
        break;
    case FmGrid:
        ProcessFMSettings();
        break;
    default:
        break;
    }
}

void frmDocument::FillList(const QStringList& entries) {
    cboGrid_->clear();
    for (const QString& entry : entries)
        cboGrid_->addItem(entry);
}

void frmDocument::EditMemoryCell() {
    const int logical = LogicalColumnAt(grids_[MemoryGrid]->col());
    switch (logical) {
    case ColName:
        txtGrid_->setMaxLength(image_->MaxNameLength());
        break;
    case ColRXFreq:
    case ColTXFreq:
        txtGrid_->setMaxLength(image_->MaxFreqLength());
        break;
    case ColGroupNotes:
        txtGrid_->setMaxLength(clsVUROVA::NotesLength);
        break;
    case ColDecode:
    case ColEncode:
        FillList(QStringList{QStringLiteral("OFF")} + image_->GetTone_OPT());
        break;
    case ColTXPwr:
        FillList({QStringLiteral("HIGH"), QStringLiteral("LOW")});
        break;
    case ColScan:
        FillList({QStringLiteral("ON"), QStringLiteral("OFF")});
        break;
    case ColTXDev:
        FillList({QStringLiteral("WIDE"), QStringLiteral("NARR")});
        break;
    case ColBusyLck:
        FillList({QStringLiteral("OFF"), QStringLiteral("ON")});
        break;
    default:
        return;
    }
    if (logical == ColName || logical == ColRXFreq || logical == ColTXFreq ||
        logical == ColGroupNotes)
        ShowTextEdit(MemoryGrid);
    else
        ShowCboEdit(MemoryGrid);
}

// --- opening and closing ----------------------------------------------------

void frmDocument::ShowTextEdit(int index) {
    FlexGrid* grid = MSFlexGrid1(index);
    if (!grid)
        return;
    txtGrid_->show();
    txtGrid_->raise();
    Try([&] { platform::SetHeightTwips(txtGrid_, grid->cellHeight()); });
    Try([&] { platform::SetWidthTwips(txtGrid_, grid->cellWidth()); });
    Try([&] { platform::SetLeftTwips(txtGrid_, platform::LeftTwips(grid) + grid->cellLeft()); });
    Try([&] { platform::SetTopTwips(txtGrid_, platform::TopTwips(grid) + grid->cellTop()); });
    EditorLoading = true;
    txtGrid_->setText(grid->text());
    EditorLoading = false;
    txtGrid_->setSelStart(0);
    txtGrid_->setSelLength(static_cast<int>(txtGrid_->text().size()));
    txtGrid_->takeFocus();
}

void frmDocument::ShowCboEdit(int index) {
    FlexGrid* grid = MSFlexGrid1(index);
    if (!grid)
        return;
    Try([&] { platform::SetHeightTwips(cboGrid_, grid->cellHeight() - ListInset); });
    Try([&] { platform::SetWidthTwips(cboGrid_, grid->cellWidth() - ListInset); });
    Try([&] { platform::SetLeftTwips(cboGrid_, platform::LeftTwips(grid) + grid->cellLeft()); });
    Try([&] { platform::SetTopTwips(cboGrid_, platform::TopTwips(grid) + grid->cellTop()); });
    EditorLoading = true;
    cboGrid_->setText(grid->text());
    EditorLoading = false;
    cboGrid_->show();
    cboGrid_->raise();
    cboGrid_->takeFocus();
}

// Hiding the focused text editor raises its LostFocus, which commits the
// edit and comes back here; the second pass finds both editors hidden.
void frmDocument::HideEdit() {
    HideEditB();
    if (FlexGrid* grid = MSFlexGrid1(EditGrid))
        grid->takeFocus();
}

void frmDocument::HideEditB() {
    if (!cboGrid_->isHidden())
        cboGrid_->hide();
    if (!txtGrid_->isHidden())
        txtGrid_->hide();
    if (FlexGrid* grid = MSFlexGrid1(EditGrid))
        grid->setHighLight(platform::flexHighlightAlways);
}

// --- text editor ------------------------------------------------------------

void frmDocument::TxtGrid_GotFocus() {
    FlexGrid* grid = MSFlexGrid1(EditGrid);
    if (!grid)
        return;
    const bool rxCell = EditGrid == MemoryGrid && grid->col() == GridColumnOf(ColRXFreq);
    EditRow = rxCell ? grid->row() : 0;
    EditCol = rxCell ? grid->col() : 0;
    grid->setHighLight(platform::flexHighlightNever);
}

void frmDocument::TxtGrid_KeyPress(int& keyAscii) {
    if (EditGrid != MemoryGrid) {
        keyAscii = SettingsKeyFilter(keyAscii);
        return;
    }
    switch (LogicalColumnAt(grids_[MemoryGrid]->col())) {
    case ColName: {
        keyAscii = UpperCaseAscii(keyAscii);
        const QChar ch = platform::CharFromAscii(keyAscii);
        const bool allowed = keyAscii == AsciiBackspace || IsClipboardKey(keyAscii) ||
                             (keyAscii >= 32 && image_->AllowedTagCharacters().contains(ch));
        if (!allowed)
            keyAscii = 0;
        break;
    }
    case ColRXFreq:
    case ColTXFreq:
        if (!FrequencyKey(keyAscii))
            keyAscii = 0;
        break;
    case ColGroupNotes:
        if (keyAscii == '|')
            keyAscii = 0;
        break;
    default:
        break;
    }
}

// The cell follows the editor at every change; frequencies show their
// corrected form while the editor keeps what was typed.
void frmDocument::TxtGrid_Change() {
    if (EditorLoading)
        return;
    FlexGrid* grid = MSFlexGrid1(EditGrid);
    if (!grid)
        return;
    const QString typed = txtGrid_->text();
    grid->setText(typed);
    if (EditGrid != MemoryGrid) {
        grid->setText(SettingsCellText(typed));
        return;
    }
    const int logical = LogicalColumnAt(grid->col());
    if (logical == ColRXFreq)
        grid->setText(ValidateRXFreq(typed));
    else if (logical == ColTXFreq)
        grid->setText(ValidateTXFreq(typed));
}

void frmDocument::TxtGrid_KeyDown(int& keyCode, int shift) {
    LeaveEditor(keyCode, shift);
}

// A newly used memory row gets its defaults, and with automatic shift on its
// repeater shift, whenever its RX frequency editor closes. A step that fails
// is skipped and the next one runs: the editor must close whatever the row
// holds.
void frmDocument::TxtGrid_LostFocus() {
    Try([&] { HideEdit(); });
    if (sstab1_->tab() == MemoryGrid && EditRow != 0) {
        const int32_t row = EditRow;
        if (!IsRowUsed(row))
            return;
        Try([&] {
            if (!IsRowFilled(row))
                ApplyDefaults(row);
        });
        Try([&] {
            IMainWindow* main = MainForm();
            if (main && main->AutoShiftChecked())
                ApplyAutoShift(row);
        });
    }
    if (FlexGrid* grid = MSFlexGrid1(EditGrid))
        grid->setHighLight(platform::flexHighlightAlways);
}

// --- list editor ------------------------------------------------------------

void frmDocument::CboGrid_GotFocus() {
    if (FlexGrid* grid = MSFlexGrid1(EditGrid))
        grid->setHighLight(platform::flexHighlightNever);
}

void frmDocument::CboGrid_LostFocus() {
    cboGrid_->hide();
    if (FlexGrid* grid = MSFlexGrid1(EditGrid))
        grid->setHighLight(platform::flexHighlightAlways);
}

void frmDocument::CboGrid_Click() {
    if (EditorLoading)
        return;
    FlexGrid* grid = MSFlexGrid1(EditGrid);
    if (!grid)
        return;
    grid->setText(cboGrid_->text());
    if (EditGrid == VfoGrid)
        CoupleDisplayModes();
}

void frmDocument::CboGrid_KeyDown(int& keyCode, int shift) {
    // Enter on the open list takes the entry it points at, as the list itself
    // would, before the editor closes.
    QAbstractItemView* view = cboGrid_->view();
    if (keyCode == platform::vbKeyReturn && view->isVisible() && view->currentIndex().isValid())
        cboGrid_->setListIndex(view->currentIndex().row());
    LeaveEditor(keyCode, shift);
}

// Tab and Enter close the editor (committing it) and move the current cell;
// no editor opens at the new cell.
void frmDocument::LeaveEditor(int keyCode, int shift) {
    if (keyCode != platform::vbKeyTab && keyCode != platform::vbKeyReturn)
        return;
    HideEdit();
    FlexGrid* grid = MSFlexGrid1(EditGrid);
    if (!grid)
        return;
    if (keyCode == platform::vbKeyTab)
        MoveByTab(*grid, shift);
    else
        MoveByEnter(*grid);
    BringCellIntoView(*grid);
}
