// Sorting the memory channels and the duplicate-frequency check. Both move a
// channel's grid cells only; SaveGrid then writes each channel's fields at its
// new number, while the record bits no column shows stay with the number.
// Both act on the memory tab alone: on another tab the rows they would move
// belong to a settings grid, whose next SaveGrid would store every setting's
// text into another setting.

#include "document/frmDocument.h"

#include "document/GridGuards.h"
#include "document/GridRows.h"
#include "document/frmDupReport.h"
#include "document/frmWait.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "program/modFunctions.h"
#include "rules/SortKeys.h"

#include <QCoreApplication>
#include <algorithm>

using platform::FlexGrid;

namespace {

bool IsFrequencyColumn(int logicalColumn) {
    return logicalColumn == ColRXFreq || logicalColumn == ColTXFreq;
}

void TellUser(const QString& text) {
    platform::MsgBox(text, platform::vbInformation, platform::ApplicationTitle());
}

} // namespace

void frmDocument::SortGrid(int32_t firstRow, int32_t lastRow, int keyIndex,
                           const QString& direction) {
    if (GetCurrentGrid() != MemoryGrid || keyIndex < 0 ||
        keyIndex >= static_cast<int>(sortkeys::SortColumns.size()))
        return;
    FlexGrid& grid = *grids_[MemoryGrid];
    const int32_t first = std::max(firstRow, int32_t{1});
    const int32_t last = std::min(lastRow, int32_t{grid.rows() - 1});
    const int keyColumn = sortkeys::SortColumns[static_cast<size_t>(keyIndex)];
    const int keyCol = GridColumnOf(keyColumn);
    const int rxCol = GridColumnOf(ColRXFreq);
    if (first > last || keyCol < 1 || rxCol < 1)
        return;
    const WaitPointer hourglass(*this);

    std::vector<QStringList> snapshot;
    std::vector<sortkeys::SortRow> rows;
    for (int32_t r = first; r <= last; ++r) {
        snapshot.push_back(gridrows::RowTexts(grid, r));
        rows.push_back({r, grid.textMatrix(r, rxCol), grid.textMatrix(r, keyCol)});
    }
    const std::vector<int> order =
        sortkeys::SortedRows(rows, IsFrequencyColumn(keyColumn), direction == QLatin1String("Dec"),
                             modFunctions::DecimalSeparator());

    const RedrawOff frozen(grid);
    int32_t target = first;
    for (const int source : order)
        gridrows::SetRowTexts(grid, target++, snapshot[static_cast<size_t>(source - first)]);
    for (; target <= last; ++target)
        gridrows::EmptyRow(grid, target);
}

void frmDocument::DupCheck(bool& ignoreDifferentTones, bool& ignoreDifferentNames,
                           bool& deleteDuplicates) {
    if (GetCurrentGrid() != MemoryGrid)
        return;
    FlexGrid& grid = *grids_[MemoryGrid];
    sortkeys::DupResult found;
    {
        const WaitPointer hourglass(*this);
        std::vector<sortkeys::DupRow> rows;
        for (int32_t r = 1; r < grid.rows(); ++r) {
            const auto cell = [&](int logicalColumn) {
                return grid.textMatrix(r, GridColumnOf(logicalColumn));
            };
            rows.push_back({r, cell(ColRXFreq), cell(ColName), cell(ColDecode), cell(ColEncode)});
        }
        found = sortkeys::FindDuplicates(
            rows, {ignoreDifferentTones, ignoreDifferentNames, deleteDuplicates},
            modFunctions::DecimalSeparator());

        if (deleteDuplicates) {
            frmWait wait(window());
            wait.show();
            // Once, so the note paints; the user's input waits until the end.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            // Highest row first, so the rows still to go keep their numbers.
            const RedrawOff frozen(grid);
            for (auto row = found.rowsToDelete.rbegin(); row != found.rowsToDelete.rend(); ++row)
                DupCheckDeleteRows(*row);
            wait.close();
        }
    }

    const QString report = sortkeys::ReportText(found.reportLines);
    const auto deleted = found.rowsToDelete.size();
    if (report.isEmpty() && deleted == 0) {
        TellUser(QStringLiteral("No duplicates found."));
        grid.takeFocus();
    } else if (!deleteDuplicates) {
        frmDupReport::ShowReport(report, window());
    } else {
        TellUser(QString::number(deleted) + QStringLiteral(" duplicate channels deleted."));
        grid.takeFocus();
    }
}

void frmDocument::DupCheckDeleteRows(int32_t row) {
    FlexGrid& grid = *grids_[MemoryGrid];
    const int32_t last = grid.rows() - 1;
    if (row < 1 || row > last)
        return;
    for (int32_t r = row; r < last; ++r)
        gridrows::CopyRow(grid, r + 1, r);
    gridrows::EmptyRow(grid, last);
}
