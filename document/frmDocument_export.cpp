// The CSV export text of the memory grid, whatever tab is shown: the cells as
// they read now, not the image.

#include "document/frmDocument.h"

#include "platform/widgets/FlexGrid.h"
#include "program/ProgramValues.h"
#include "rules/CsvFile.h"

QString frmDocument::GetExportData(bool& includeUnused, bool& useQuotes, bool& leaveOutNumber) {
    const platform::FlexGrid& grid = *grids_[MemoryGrid];
    QList<QStringList> rows;
    rows.reserve(grid.rows());
    for (int r = 1; r < grid.rows(); ++r) {
        QStringList cells;
        cells.reserve(grid.cols());
        for (int c = 0; c < grid.cols(); ++c)
            cells << grid.textMatrix(r, c);
        rows << cells;
    }
    return csv::ExportText(rows, grid.cols(), Program().ColumnTable,
                           {includeUnused, useQuotes, leaveOutNumber});
}
