// Find: the next memory row, from FindRow down, whose name, frequency or
// notes cells contain a text, letters compared without regard to case.

#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "document/GridGuards.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "shell/frmFind.h"

#include <vector>

using platform::FlexGrid;

namespace {

// The logical columns a scope of the find dialog searches; none for a scope
// the dialog does not offer.
std::vector<int> ColumnsOfScope(int16_t scope) {
    const auto& columns = frmFind::ScopeColumns;
    if (scope == frmFind::ScopeAll)
        return std::vector<int>(columns.begin(), columns.end());
    if (scope >= frmFind::ScopeName && scope <= frmFind::ScopeNotes)
        return {columns[static_cast<size_t>(scope - frmFind::ScopeName)]};
    return {};
}

// A column the grid does not have counts as an empty cell.
bool RowMatches(const FlexGrid& grid, int row, const std::vector<int>& columns,
                const QString& text) {
    for (int k : columns) {
        const int c = GridColumnOf(k);
        if (c < 0 || c >= grid.cols())
            continue;
        const QString cell = grid.textMatrix(row, c);
        if (!cell.isEmpty() && cell.contains(text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

// The toolbar's Find runs this even while the item is disabled, and the item
// itself may still be enabled from another document's memory tab: only the
// active document's memory tab is searched.
void frmMain::mnuFind_Click() {
    if (!active_ || active_->GetCurrentGrid() != IDocument::MemoryGrid)
        return;
    frmFind dialog(this);
    platform::ExecModal(&dialog);
}

void frmMain::Find(const QString& text, int16_t scope) {
    FlexGrid* grid = CurrentGrid();
    if (!grid)
        return;
    if (FindRow == 0)
        FindRow = 1;
    const std::vector<int> columns = ColumnsOfScope(scope);
    for (int r = FindRow; r < grid->rows(); ++r) {
        if (!RowMatches(*grid, r, columns, text))
            continue;
        const RedrawOff frozen(*grid);
        grid->setTopRow(r);
        grid->setRow(r);
        grid->setHighLight(platform::flexHighlightAlways);
        grid->setCol(0);
        grid->setRowSel(r);
        grid->setColSel(grid->cols() - 1);
        FindRow = static_cast<int16_t>(r + 1);
        return;
    }
    platform::MsgBox(QStringLiteral("Search text is not found."), platform::vbExclamation);
    FindRow = 0;
}
