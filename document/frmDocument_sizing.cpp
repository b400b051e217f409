// Column widths fitted to the grid texts, and the highlight that marks the
// memory grid's current row.

#include "document/frmDocument.h"

#include "document/GridGuards.h"
#include "platform/core/Measures.h"
#include "platform/core/NumberText.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TabStrip.h"
#include "program/ProgramValues.h"

#include <QFontMetricsF>
#include <algorithm>

using platform::FlexGrid;

namespace {

// Room beside the widest text of a column, twips.
constexpr int ColumnPadding = 150;

// Every grid is measured in the memory grid's font, the one the user chose.
int WidestTextTwips(const FlexGrid& grid, int col, const QFontMetricsF& metrics) {
    int widest = 0;
    for (int r = 0; r < grid.rows(); ++r) {
        const double twips =
            metrics.horizontalAdvance(grid.textMatrix(r, col)) * platform::TwipsPerPixel;
        widest = std::max(widest, static_cast<int>(platform::RoundHalfEven(twips)));
    }
    return widest;
}

// The data cells only: the channel number in column 0 keeps its colour.
void PaintRow(FlexGrid& grid, int row, int32_t color) {
    if (row < 1 || row >= grid.rows())
        return;
    for (int c = 1; c < grid.cols(); ++c)
        grid.setCellBackColor(row, c, color);
}

} // namespace

// Hidden memory columns are sized too; they vanish again when the grid is
// next built from the column table. The column table keeps its widths.
void frmDocument::SizeCols() {
    const int shownTab = sstab1_->tab();
    const FlexGrid& memoryGrid = *grids_[MemoryGrid];
    const QFontMetricsF metrics(memoryGrid.font(), &memoryGrid);
    for (FlexGrid* grid : grids_) {
        RedrawOff redraw(*grid);
        for (int c = 0; c < grid->cols(); ++c)
            grid->setColWidth(c, WidestTextTwips(*grid, c, metrics) + ColumnPadding);
    }
    sstab1_->setTab(shownTab);
    SSTab1_Click(0);
}

// Painting goes by cell address, so the current cell and the user's
// selection stay as they are. PreviousRow is the handler's to record.
void frmDocument::HighlightSelectedRow() {
    FlexGrid& grid = *grids_[MemoryGrid];
    BusyHold busy(RowChangeBusy);
    RedrawOff redraw(grid);
    const int row = grid.row();
    if (row == 0)
        return;
    PaintRow(grid, PreviousRow, 0);
    PaintRow(grid, row, Program().HighlightColor);
}

// Leaves the cursor on the last column of the row it unpainted.
void frmDocument::RestorePreviousRow() {
    FlexGrid& grid = *grids_[MemoryGrid];
    RedrawOff redraw(grid);
    BusyHold busy(RowChangeBusy);
    if (PreviousRow < 1 || PreviousRow >= grid.rows())
        return;
    grid.setRow(PreviousRow);
    PaintRow(grid, PreviousRow, 0);
    grid.setCol(grid.cols() - 1);
}
