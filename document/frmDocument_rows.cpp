// Row operations of the memory grid: delete, move up and down, insert blank
// rows, clear. They rearrange cell texts only; SaveGrid carries the result into
// the image, so a moved channel takes its record, name and notes along there.
// Painting is off while rows are shuffled; the grid is never hidden, since
// hiding it would take the keyboard focus away from the user's grid.

#include "document/frmDocument.h"

#include "document/GridGuards.h"
#include "document/GridRows.h"

#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"

#include <QStringList>
#include <algorithm>

using platform::FlexGrid;

namespace {

constexpr int32_t FirstMemoryRow = 1;
constexpr int ScrollMargin = 5;

int32_t LastMemoryRow(const FlexGrid& grid) {
    return grid.rows() - 1;
}

using gridrows::CopyRow;
using gridrows::EmptyRow;
using gridrows::RowTexts;
using gridrows::SetRowTexts;

// Col, Row, ColSel, RowSel in that order, so the current cell ends on the
// block's first data cell.
void SelectWholeRows(FlexGrid& grid, int32_t top, int32_t bottom) {
    grid.setCol(1);
    grid.setRow(top);
    grid.setColSel(grid.cols() - 1);
    grid.setRowSel(bottom);
}

void SelectWholeRowsQuietly(FlexGrid& grid, int32_t top, int32_t bottom) {
    const RedrawOff frozen(grid);
    SelectWholeRows(grid, top, bottom);
}

// "Are you sure you want to delete memories 5 to 9?" / "... memory 128?"
bool ConfirmRows(FlexGrid& grid, const QString& verb, int32_t first, int32_t count) {
    const QString prompt =
        count != 1 ? QStringLiteral("Are you sure you want to %1 memories %2 to %3?")
                         .arg(verb)
                         .arg(first)
                         .arg(first + count - 1)
                   : QStringLiteral("Are you sure you want to %1 memory %2?").arg(verb).arg(first);
    const int answer = platform::MsgBox(prompt, platform::vbYesNo | platform::vbQuestion,
                                        platform::ApplicationTitle());
    grid.takeFocus();
    return answer == platform::vbYes;
}

bool ConfirmLoss(FlexGrid& grid) {
    const int answer = platform::MsgBox(
        QStringLiteral("An insert will cause existing memories to be lost from the grid.\r\n"
                       "Continue?"),
        platform::vbYesNo | platform::vbQuestion, QStringLiteral("Insert"));
    grid.takeFocus();
    return answer == platform::vbYes;
}

// Rows the grid can show below its header, by its own row height.
int VisibleRowCount(const FlexGrid& grid, int heightTwips) {
    const int rowTwips = std::max(1, grid.rowHeight(FirstMemoryRow));
    return std::max(1, (heightTwips - grid.rowHeight(0)) / rowTwips);
}

// The selected memory rows, header row left out; false when the selection
// lies wholly in the header or belongs to another grid.
bool SelectedMemoryRows(frmDocument& doc, int32_t& top, int32_t& bottom) {
    doc.SetSelection();
    if (doc.EditGrid != frmDocument::MemoryGrid)
        return false;
    const FlexGrid& grid = *doc.MSFlexGrid1(frmDocument::MemoryGrid);
    top = std::max(doc.SelTopRow, FirstMemoryRow);
    bottom = std::min(doc.SelBottomRow, LastMemoryRow(grid));
    return top <= bottom;
}

} // namespace

void frmDocument::DeleteRows(int32_t row) {
    if (!MoveDeleteAllowed())
        return;
    SaveUndo();
    FlexGrid& grid = *grids_[MemoryGrid];
    const int32_t last = LastMemoryRow(grid);
    int32_t first = row;
    int32_t count = 1;
    if (row == 0) {
        int32_t bottom = 0;
        if (!SelectedMemoryRows(*this, first, bottom))
            return;
        count = bottom - first + 1;
        SelectWholeRowsQuietly(grid, first, bottom);
    } else {
        SetSelection();
        if (row < FirstMemoryRow || row > last)
            return;
    }
    if (Program().ConfirmRowDelete && !ConfirmRows(grid, QStringLiteral("delete"), first, count))
        return;

    const RedrawOff frozen(grid);
    for (int32_t r = first; r <= last; ++r) {
        if (r + count <= last)
            CopyRow(grid, r + count, r);
        else
            EmptyRow(grid, r);
    }
}

void frmDocument::MoveUp() {
    if (!MoveDeleteAllowed())
        return;
    SaveUndo();
    int32_t top = 0;
    int32_t bottom = 0;
    if (!SelectedMemoryRows(*this, top, bottom) || top == FirstMemoryRow)
        return;
    FlexGrid& grid = *grids_[MemoryGrid];
    const RedrawOff frozen(grid);
    const QStringList above = RowTexts(grid, top - 1);
    for (int32_t r = top; r <= bottom; ++r)
        CopyRow(grid, r, r - 1);
    SetRowTexts(grid, bottom, above);
    SelectWholeRows(grid, top - 1, bottom - 1);
    // Keep the moving block five rows below the top of the view.
    if (grid.row() < grid.topRow() + ScrollMargin)
        grid.setTopRow(std::max(grid.row() - ScrollMargin, FirstMemoryRow));
}

void frmDocument::MoveDown() {
    if (!MoveDeleteAllowed())
        return;
    SaveUndo();
    int32_t top = 0;
    int32_t bottom = 0;
    FlexGrid& grid = *grids_[MemoryGrid];
    if (!SelectedMemoryRows(*this, top, bottom) || bottom == LastMemoryRow(grid))
        return;
    const RedrawOff frozen(grid);
    const QStringList below = RowTexts(grid, bottom + 1);
    for (int32_t r = bottom + 1; r >= top + 1; --r)
        CopyRow(grid, r - 1, r);
    SetRowTexts(grid, top, below);
    SelectWholeRows(grid, top + 1, bottom + 1);
    // The mirror of MoveUp: keep the block five rows above the bottom of the
    // view, else repeated moves walk it out of sight.
    const int visible = VisibleRowCount(grid, platform::HeightTwips(&grid));
    const int margin = std::min(ScrollMargin, (visible - 1) / 2);
    const int32_t newBottom = bottom + 1;
    if (newBottom > grid.topRow() + visible - 1 - margin)
        grid.setTopRow(newBottom - visible + 1 + margin);
}

void frmDocument::InsertBlank() {
    if (!MoveDeleteAllowed())
        return;
    SaveUndo();
    SetSelection();
    const FlexGrid& grid = *grids_[MemoryGrid];
    if (SelTopRow <= LastMemoryRow(grid) && SelBottomRow <= LastMemoryRow(grid)) {
        int32_t count = 0;
        InsertRows(count);
    }
}

bool frmDocument::InsertRows(int32_t& count) {
    int32_t top = 0;
    int32_t bottom = 0;
    if (!SelectedMemoryRows(*this, top, bottom) || count < 0)
        return false;
    FlexGrid& grid = *grids_[MemoryGrid];
    const int32_t last = LastMemoryRow(grid);
    if (count == 0) {
        count = bottom - top + 1;
        SelectWholeRows(grid, top, bottom);
    }
    // The warning looks at the last count rows, even when count reaches above
    // the insertion point; only the rows from there on are moved or emptied.
    const int32_t span = std::min(count, last - top + 1);
    bool losesMemories = false;
    for (int32_t r = std::max(last + 1 - count, FirstMemoryRow); r <= last; ++r)
        losesMemories = losesMemories || IsRowUsed(r);
    if (losesMemories && !ConfirmLoss(grid))
        return false;

    const RedrawOff frozen(grid);
    for (int32_t r = last; r >= top + span; --r)
        CopyRow(grid, r - span, r);
    for (int32_t r = top; r < top + span; ++r)
        EmptyRow(grid, r);
    return true;
}

void frmDocument::ClearRows() {
    if (!MoveDeleteAllowed())
        return;
    SaveUndo();
    int32_t top = 0;
    int32_t bottom = 0;
    if (!SelectedMemoryRows(*this, top, bottom))
        return;
    FlexGrid& grid = *grids_[MemoryGrid];
    SelectWholeRowsQuietly(grid, top, bottom);
    const int32_t count = bottom - top + 1;
    if (Program().ConfirmRowClear && !ConfirmRows(grid, QStringLiteral("clear"), top, count))
        return;
    const RedrawOff frozen(grid);
    for (int32_t r = top; r <= bottom; ++r)
        EmptyRow(grid, r);
}
