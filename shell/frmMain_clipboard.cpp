// The cell clipboard shared by every document, and the column menus that
// reach it. Cells are addressed by grid column: a copied cell goes back to the
// column it came from, wherever the paste starts. Only the memory-channel tab
// takes part; elsewhere Copy still puts the selection on the system clipboard.

#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "document/GridGuards.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FlexGrid.h"
#include "program/ProgramValues.h"
#include "shell/frmPopups.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

using platform::FlexGrid;

namespace {

// What an empty copied cell is kept as, so that a paste empties its target
// while "" leaves a cell outside the copied columns alone.
const QString BlankCell = QStringLiteral("################<BLANK CELL>################");

// Grid columns a clipboard row can hold.
int ClipColumns(const FlexGrid& grid) {
    return std::min(grid.cols(), frmMain::ClipboardColumns);
}

// Whether any clipboard row holds a cell of grid column c.
bool ColumnCopied(const std::vector<frmMain::ClipboardRow>& clipboard, int c) {
    return std::any_of(clipboard.begin(), clipboard.end(),
                       [c](const frmMain::ClipboardRow& row) { return !row[c].isEmpty(); });
}

// The first and last data column the clipboard holds cells of; 0 when none.
int LeftmostCopied(const std::vector<frmMain::ClipboardRow>& clipboard, int cols) {
    for (int c = 1; c < cols; ++c)
        if (ColumnCopied(clipboard, c))
            return c;
    return 0;
}

int RightmostCopied(const std::vector<frmMain::ClipboardRow>& clipboard, int cols) {
    for (int c = cols - 1; c >= 1; --c)
        if (ColumnCopied(clipboard, c))
            return c;
    return 0;
}

// A row that gets an RX frequency while TX Freq through Group/Notes are all
// empty is a new channel: it takes the document's defaults.
bool IsNewChannel(const FlexGrid& grid, int row) {
    for (int k = ColTXFreq; k <= ColGroupNotes; ++k) {
        const int c = GridColumnOf(k);
        if (c >= 0 && c < grid.cols() && !grid.textMatrix(row, c).isEmpty())
            return false;
    }
    return true;
}

// The row menu's insert item and its separator follow the clipboard.
void ShowInsertCut(const frmPopups& popups, bool visible) {
    popups.Item(QStringLiteral("mnuSepA"))->setVisible(visible);
    popups.Item(QStringLiteral("mnuInsertCut"))->setVisible(visible);
}

void SetInsertCutCaption(const frmPopups& popups, const QString& caption) {
    popups.Item(QStringLiteral("mnuInsertCut"))->setText(caption);
}

} // namespace

frmPopups* frmMain::Popups() {
    if (!popups_)
        popups_ = new frmPopups(this);
    return popups_;
}

void frmMain::ShowColumnMenu(const QString& menuName, const QPoint& globalPos) {
    if (QMenu* menu = Popups()->Menu(menuName))
        platform::ExecPopup(menu, globalPos);
}

void frmMain::SetSelection() {
    const FlexGrid* grid = CurrentGrid();
    if (!grid)
        return;
    SelTop = std::min(grid->row(), grid->rowSel());
    SelBottom = std::max(grid->row(), grid->rowSel());
    SelLeft = std::min(grid->col(), grid->colSel());
    SelRight = std::max(grid->col(), grid->colSel());
}

bool frmMain::IsRowSelected() {
    SetSelection();
    const FlexGrid* grid = CurrentGrid();
    return grid && SelLeft == 1 && SelRight == grid->cols() - 1;
}

void frmMain::CellCopy() {
    CopyWindowsClip();
    FlexGrid* grid = CurrentGrid();
    if (!grid || !active_->CopyPasteAllowed())
        return;
    ClipWholeRows = IsRowSelected();
    ShowInsertCut(*Popups(), ClipWholeRows);
    if (ClipWholeRows)
        SetInsertCutCaption(*Popups(), QStringLiteral("&Insert Copied Cells"));

    const int cols = ClipColumns(*grid);
    CellClipboard.assign(static_cast<size_t>(SelBottom - SelTop + 2), ClipboardRow{});
    size_t k = 1;
    for (int32_t r = SelTop; r <= SelBottom; ++r, ++k) {
        for (int c = SelLeft; c <= SelRight && c < cols; ++c) {
            const QString text = grid->textMatrix(r, c);
            CellClipboard[k][static_cast<size_t>(c)] = text.isEmpty() ? BlankCell : text;
        }
    }
}

void frmMain::CellCut() {
    FlexGrid* grid = CurrentGrid();
    if (!grid || !active_->CopyPasteAllowed())
        return;
    // Whole rows from the anchor row to the other end of the selection.
    const int rowSel = grid->rowSel();
    grid->setCol(1);
    grid->setRowSel(rowSel);
    grid->setColSel(grid->cols() - 1);
    CellCopy();
    {
        const RedrawOff frozen(*grid);
        for (int32_t r = std::max(SelTop, 1); r <= SelBottom; ++r)
            for (int c = 1; c < grid->cols(); ++c)
                grid->setTextMatrix(r, c, QString());
    }
    grid->setHighLight(platform::flexHighlightNever);
    SetInsertCutCaption(*Popups(), QStringLiteral("&Insert Cut Cells"));
}

void frmMain::CellPaste() {
    FlexGrid* grid = CurrentGrid();
    const int32_t n = static_cast<int32_t>(CellClipboard.size()) - 1;
    if (!grid || !active_->CopyPasteAllowed() || n <= 0)
        return;
    const int cols = ClipColumns(*grid);
    const int rxCol = GridColumnOf(ColRXFreq);
    const RedrawOff frozen(*grid);
    if (grid->rowSel() < grid->row())
        grid->setRow(grid->rowSel());
    const int32_t anchor = grid->row();

    for (int32_t k = 1, r = anchor; k <= n && r < grid->rows(); ++k, ++r) {
        const ClipboardRow& cells = CellClipboard[static_cast<size_t>(k)];
        for (int c = 1; c < cols; ++c) {
            const QString& value = cells[static_cast<size_t>(c)];
            if (value.isEmpty())
                continue;
            if (value == BlankCell) {
                grid->setTextMatrix(r, c, QString());
                continue;
            }
            grid->setTextMatrix(r, c, value);
            // Cells further right in the same row are written after the
            // defaults and win over them.
            if (c == rxCol && IsNewChannel(*grid, r))
                active_->ApplyDefaults(r);
        }
    }

    grid->setRow(anchor);
    grid->setCol(LeftmostCopied(CellClipboard, cols));
    grid->setRowSel(std::min(anchor + n - 1, grid->rows() - 1));
    grid->setColSel(ClipWholeRows ? grid->cols() - 1 : RightmostCopied(CellClipboard, cols));
    grid->takeFocus();
}

// The rows made free start at the selection's top, where the paste anchors.
void frmMain::InsertCut() {
    const int32_t n = static_cast<int32_t>(CellClipboard.size()) - 1;
    if (!active_ || n <= 0)
        return;
    SetSelection();
    int32_t count = n;
    if (!active_->InsertRows(count))
        return;
    CellPaste();
}
