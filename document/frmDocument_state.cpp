// Where the imports may start writing: the row after the last used memory.

#include "document/frmDocument.h"

#include "platform/widgets/FlexGrid.h"
#include "program/ProgramValues.h"
#include "rules/FrequencyRules.h"

// Exact text decides: an RX cell of blanks counts as filled here, so an import
// never writes over it. One past the last channel when channel 128 is in use.
int frmDocument::GetLastEmptyRow() {
    const platform::FlexGrid& grid = *grids_[MemoryGrid];
    const int rxCol = GridColumnOf(ColRXFreq);
    int r = grid.rows() - 1;
    while (r > 0 && grid.textMatrix(r, rxCol).isEmpty())
        --r;
    return r + 1;
}
