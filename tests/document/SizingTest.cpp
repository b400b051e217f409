// Column widths fitted to the texts in the grid font, and the row highlight.

#include "DocumentFixture.h"

#include "platform/core/Measures.h"
#include "platform/core/NumberText.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TabStrip.h"
#include "program/ProgramValues.h"
#include "rules/FrequencyRules.h"

#include <QFontMetricsF>
#include <set>
#include <utility>

using platform::FlexGrid;

namespace {

class SizingTest : public DocumentTest {
protected:
    // The open put the cursor on row 1, which the highlight may already have
    // followed: these tests start from an unpainted grid.
    std::unique_ptr<frmDocument> UnpaintedDocument() {
        auto doc = OpenedDocument();
        FlexGrid& grid = *doc->MSFlexGrid1(0);
        for (int r = 0; r < grid.rows(); ++r)
            for (int c = 0; c < grid.cols(); ++c)
                grid.setCellBackColor(r, c, 0);
        doc->PreviousRow = 0;
        return doc;
    }
    // Moves the memory grid's cursor as code does, not as the user does.
    static void Place(frmDocument& doc, int row, int col, int rowSel = -1, int colSel = -1) {
        FlexGrid& grid = *doc.MSFlexGrid1(0);
        doc.RowChangeBusy = true;
        grid.setRow(row);
        grid.setCol(col);
        if (rowSel >= 0) {
            grid.setRowSel(rowSel);
            grid.setColSel(colSel);
        }
        doc.RowChangeBusy = false;
    }

    // The rule: widest text of the column, header included, in twips of the
    // memory grid's font, halves to even, plus 150.
    static int ExpectedWidth(frmDocument& doc, const QString& widest) {
        const FlexGrid& memory = *doc.MSFlexGrid1(0);
        const QFontMetricsF metrics(memory.font(), &memory);
        return static_cast<int>(platform::RoundHalfEven(metrics.horizontalAdvance(widest) *
                                                        platform::TwipsPerPixel)) +
               150;
    }

    // The longest text of a column by measured width.
    static QString WidestText(frmDocument& doc, const FlexGrid& grid, int col) {
        const QFontMetricsF metrics(doc.MSFlexGrid1(0)->font(), doc.MSFlexGrid1(0));
        QString widest;
        for (int r = 0; r < grid.rows(); ++r) {
            const QString text = grid.textMatrix(r, col);
            if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
                widest = text;
        }
        return widest;
    }

    using Cell = std::pair<int, int>;
    // Every cell of the memory grid with a colour of its own.
    static std::set<Cell> PaintedCells(const FlexGrid& grid) {
        std::set<Cell> painted;
        for (int r = 0; r < grid.rows(); ++r)
            for (int c = 0; c < grid.cols(); ++c)
                if (grid.cellBackColor(r, c) != 0)
                    painted.insert({r, c});
        return painted;
    }
    static std::set<Cell> DataCellsOf(const FlexGrid& grid, int row) {
        std::set<Cell> cells;
        for (int c = 1; c < grid.cols(); ++c)
            cells.insert({row, c});
        return cells;
    }
};

TEST_F(SizingTest, EveryColumnFitsItsWidestTextInTheGridFont) {
    Program().GridFontName = QStringLiteral("Sans Serif");
    Program().GridFontSize = QStringLiteral("14");
    auto doc = OpenedDocument();
    const int nameCol = GridColumnOf(ColName);
    doc->MSFlexGrid1(0)->setTextMatrix(7, nameCol, QStringLiteral("WWWWWW"));
    doc->MSFlexGrid1(1)->setTextMatrix(3, 2, QString(40, QLatin1Char('M')));

    doc->SizeCols();

    for (int g = 0; g < frmDocument::GridCount; ++g) {
        const FlexGrid& grid = *doc->MSFlexGrid1(g);
        for (int c = 0; c < grid.cols(); ++c)
            EXPECT_EQ(grid.colWidth(c), ExpectedWidth(*doc, WidestText(*doc, grid, c)))
                << "grid " << g << " column " << c;
    }
    const FlexGrid& memory = *doc->MSFlexGrid1(0);
    // The name shows whole (in a fixed-pitch face the caption may be wider).
    EXPECT_GE(memory.colWidth(nameCol), ExpectedWidth(*doc, QStringLiteral("WWWWWW")));
    EXPECT_EQ(doc->MSFlexGrid1(1)->colWidth(2), ExpectedWidth(*doc, QString(40, QLatin1Char('M'))));
    EXPECT_EQ(memory.font().pointSizeF(), 14.0);
}

TEST_F(SizingTest, HiddenColumnsShowUntilTheGridIsRebuilt) {
    auto doc = OpenedDocument();
    auto& notes = Program().ColumnTable[ColGroupNotes];
    notes.Visible = false;
    doc->Initgrid();
    doc->FillGrid();
    FlexGrid& memory = *doc->MSFlexGrid1(0);
    ASSERT_EQ(memory.colWidth(notes.Order), 0);
    const int storedWidth = notes.Width;
    doc->SSTab1()->setTab(2);

    doc->SizeCols();

    EXPECT_GT(memory.colWidth(notes.Order), 150);
    EXPECT_EQ(notes.Width, storedWidth);
    EXPECT_EQ(doc->SSTab1()->tab(), 2);
    EXPECT_TRUE(doc->MSFlexGrid1(2)->isVisible());
    doc->Initgrid();
    EXPECT_EQ(memory.colWidth(notes.Order), 0);
}

TEST_F(SizingTest, HighlightPaintsTheCurrentRowAndUnpaintsThePreviousOne) {
    auto doc = UnpaintedDocument();
    FlexGrid& grid = *doc->MSFlexGrid1(0);
    const int32_t yellow = Program().HighlightColor;
    ASSERT_EQ(yellow, 8454143);
    Place(*doc, 0, 3); // the header row: nothing
    doc->HighlightSelectedRow();
    EXPECT_TRUE(PaintedCells(grid).empty());
    EXPECT_FALSE(doc->RowChangeBusy);

    Place(*doc, 5, 3);
    doc->HighlightSelectedRow();
    EXPECT_EQ(PaintedCells(grid), DataCellsOf(grid, 5));
    EXPECT_EQ(grid.cellBackColor(5, 1), yellow);

    doc->PreviousRow = 5;
    Place(*doc, 9, 4, 12, 6);
    doc->HighlightSelectedRow();

    EXPECT_EQ(PaintedCells(grid), DataCellsOf(grid, 9));
    EXPECT_EQ(grid.cellBackColor(9, grid.cols() - 1), yellow);
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(9, 4));
    EXPECT_EQ(std::make_pair(grid.rowSel(), grid.colSel()), std::make_pair(12, 6));
    EXPECT_EQ(doc->PreviousRow, 5);
    EXPECT_FALSE(doc->RowChangeBusy);
    EXPECT_TRUE(grid.redraw());
}

TEST_F(SizingTest, RestorePreviousRowUnpaintsItAndEndsOnItsLastColumn) {
    auto doc = UnpaintedDocument();
    FlexGrid& grid = *doc->MSFlexGrid1(0);
    Place(*doc, 9, 2);
    doc->HighlightSelectedRow();
    int moves = 0;
    QObject::connect(&grid, &FlexGrid::RowColChange, [&] { ++moves; });

    // No previous row: nothing moves, nothing is unpainted.
    doc->RestorePreviousRow();
    EXPECT_EQ(PaintedCells(grid), DataCellsOf(grid, 9));
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(9, 2));
    EXPECT_EQ(moves, 0);

    doc->PreviousRow = 9;
    doc->RestorePreviousRow();
    EXPECT_TRUE(PaintedCells(grid).empty());
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(9, grid.cols() - 1));
    EXPECT_EQ(doc->PreviousRow, 9);
    EXPECT_FALSE(doc->RowChangeBusy);
    EXPECT_TRUE(grid.redraw());
}

} // namespace
