// The cell clipboard shared by the documents, and the memory grid's context
// menus that reach it, on the real main window with real documents.

#include "ShellFixture.h"

#include "platform/core/Measures.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TabStrip.h"
#include "program/ProgramValues.h"
#include "shell/frmPopups.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace {

// Row, Col, RowSel, ColSel.
QList<int> Selection(const platform::FlexGrid& grid) {
    return {grid.row(), grid.col(), grid.rowSel(), grid.colSel()};
}

void Select(platform::FlexGrid& grid, int row, int col, int rowSel, int colSel) {
    grid.setRow(row);
    grid.setCol(col);
    grid.setRowSel(rowSel);
    grid.setColSel(colSel);
}

// Grid columns 0..10 of a row.
QStringList RowCells(const platform::FlexGrid& grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid.cols(); ++c)
        cells << grid.textMatrix(row, c);
    return cells;
}

} // namespace

class ClipboardTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start(UvdFile());
        document = main->ActiveDocument();
    }

    platform::FlexGrid& grid() { return *document->MSFlexGrid1(0); }
    static int col(int logical) { return GridColumnOf(logical); }
    QList<QStringList> allRows() {
        QList<QStringList> rows;
        for (int r = 0; r < grid().rows(); ++r)
            rows << RowCells(grid(), r);
        return rows;
    }

    // A right press on a cell in view, the selection left as it is; returns
    // the captions the menu offered.
    QStringList rightPress(int row, int gridCol) {
        const QList<int> s = Selection(grid());
        Select(grid(), row, gridCol, row, gridCol);
        const QPoint at =
            QPoint(platform::TwipsToPixels(grid().cellLeft() + grid().cellWidth() / 2),
                   platform::TwipsToPixels(grid().cellTop() + grid().cellHeight() / 2)) -
            grid().viewport()->pos();
        Select(grid(), s[0], s[1], s[2], s[3]);
        QTest::mousePress(grid().viewport(), Qt::RightButton, {}, at);
        return dialogs.shown().last().items;
    }
    QString lastMenu() const { return dialogs.shown().last().objectName; }

    IDocument* document = nullptr;
};

TEST_F(ClipboardTest, CopiedCellsGoBackToTheirColumnsWhereverThePasteStarts) {
    for (int r = 10; r <= 12; ++r)
        for (int c = 2; c <= 6; ++c)
            grid().setTextMatrix(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    grid().setTextMatrix(11, 4, QString());

    // The block dragged top-down, then bottom-up; the paste's current cell
    // lies far right and its selection runs upwards.
    const QList<QList<int>> copies = {{10, 3, 12, 5}, {12, 5, 10, 3}};
    for (int pass = 0; pass < 2; ++pass) {
        const int top = 40 + 20 * pass;
        for (int r = top; r <= top + 2; ++r)
            for (int c = 1; c <= 10; ++c)
                grid().setTextMatrix(r, c, QStringLiteral("old"));
        Select(grid(), copies[pass][0], copies[pass][1], copies[pass][2], copies[pass][3]);
        main->CellCopy();
        Select(grid(), top + pass, 7, top, 7);
        main->CellPaste();
        for (int k = 0; k < 3; ++k)
            for (int c = 1; c <= 10; ++c)
                EXPECT_EQ(grid().textMatrix(top + k, c),
                          c >= 3 && c <= 5 ? grid().textMatrix(10 + k, c) : "old")
                    << pass << " " << k << " " << c;
        EXPECT_EQ(grid().textMatrix(top + 1, 4), QString());
        EXPECT_EQ(Selection(grid()), QList<int>({top, 3, top + 2, 5}));
    }

    // Whole rows pasted near the end: what lies past channel 128 is dropped.
    const QStringList row3 = RowCells(grid(), 3).mid(1);
    Select(grid(), 1, 1, 5, 10);
    main->CellCopy();
    Select(grid(), 126, 4, 126, 4);
    main->CellPaste();
    EXPECT_EQ(RowCells(grid(), 128), QStringList{"128"} + row3);
    EXPECT_EQ(Selection(grid()), QList<int>({126, 1, 128, 10}));
}

// Copy on a settings tab reaches the system clipboard only: the cells copied
// before still paste, in another document too.
TEST_F(ClipboardTest, TheClipboardIsSharedByDocumentsAndKeptByCopiesOnOtherTabs) {
    Select(grid(), 1, col(ColName), 2, col(ColRXFreq));
    main->CellCopy();
    document->SSTab1()->setTab(1);
    Select(*document->MSFlexGrid1(1), 1, 2, 1, 2);
    main->CellCopy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), document->MSFlexGrid1(1)->textMatrix(1, 2));

    main->mnuFileNew_Click();
    IDocument* other = main->ActiveDocument();
    ASSERT_TRUE(other->OpenFile(UvdFile(QStringLiteral("other.uvd"))));
    Select(*other->MSFlexGrid1(0), 30, 5, 30, 5);
    main->CellPaste();
    EXPECT_EQ(Cell(other, 30, ColName), QStringLiteral("GB3WH"));
    EXPECT_EQ(Cell(other, 31, ColRXFreq), QStringLiteral("433.500"));
    EXPECT_EQ(Selection(*other->MSFlexGrid1(0)), QList<int>({30, 1, 31, 2}));
}

TEST_F(ClipboardTest, AnRXCellPastedIntoAnEmptyRowBringsTheRowDefaults) {
    grid().setTextMatrix(5, col(ColRXFreq), QStringLiteral("145.500"));
    Select(grid(), 5, col(ColRXFreq), 5, col(ColRXFreq));
    main->CellCopy();
    Select(grid(), 20, 7, 20, 7);
    main->CellPaste();
    EXPECT_EQ(RowCells(grid(), 20), QStringList({"20", "", "145.500", "145.500", "OFF", "OFF",
                                                 "HIGH", "ON", "WIDE", "OFF", ""}));

    grid().setTextMatrix(21, col(ColTXFreq), QStringLiteral("146.000"));
    Select(grid(), 21, 1, 21, 1);
    main->CellPaste();
    EXPECT_EQ(RowCells(grid(), 21),
              QStringList({"21", "", "145.500", "146.000", "", "", "", "", "", "", ""}));
}

TEST_F(ClipboardTest, CutAndWholeRowCopiesOfferTheirInsertWhichMakesRoomUnlessRefused) {
    QAction* insertCut = main->Popups()->Item(QStringLiteral("mnuInsertCut"));
    QAction* separator = main->Popups()->Item(QStringLiteral("mnuSepA"));
    EXPECT_FALSE(insertCut->isVisible() || separator->isVisible());
    for (int r = 7; r <= 128; ++r)
        grid().setTextMatrix(r, col(ColName), QStringLiteral("R%1").arg(r));
    grid().setTextMatrix(7, col(ColScan), QStringLiteral("ON"));

    Select(grid(), 7, 3, 7, 3);
    main->CellCut();
    EXPECT_EQ(RowCells(grid(), 7), QStringList({"7", "", "", "", "", "", "", "", "", "", ""}));
    dialogs.dismissPopup();
    EXPECT_EQ(rightPress(9, 0),
              QStringList({"Cu&t", "&Copy", "&Paste", "&Insert", "&Delete", "&Insert Cut Cells"}));
    EXPECT_TRUE(separator->isVisible());
    Select(grid(), 2, 2, 2, 2);
    main->CellCopy();
    EXPECT_FALSE(insertCut->isVisible() || separator->isVisible());

    // Two copied rows inserted at row 10: rows 10-126 move to 12-128.
    const QStringList row1 = RowCells(grid(), 1).mid(1);
    Select(grid(), 2, 10, 1, 1);
    main->CellCopy();
    EXPECT_EQ(insertCut->text(), QStringLiteral("&Insert Copied Cells"));
    Select(grid(), 10, 5, 10, 5);
    dialogs.choosePopup(QStringLiteral("&Insert Copied Cells"));
    rightPress(10, 0);
    EXPECT_EQ(RowCells(grid(), 10).mid(1), row1);
    EXPECT_EQ(Cell(document, 12, ColName), QStringLiteral("R10"));
    EXPECT_EQ(Cell(document, 128, ColName), QStringLiteral("R126"));

    // No to losing channels 127 and 128 ends the insert before the paste,
    // and an emptied clipboard (as Column Settings leaves it) inserts nothing.
    SetChannel(document, 128, QStringLiteral("146.500"), QStringLiteral("146.500"));
    const QList<QStringList> before = allRows();
    Select(grid(), 20, 2, 20, 2);
    dialogs.answerMessage(platform::vbNo);
    main->InsertCut();
    EXPECT_EQ(dialogs.messages().last(), QStringLiteral("An insert will cause existing memories "
                                                        "to be lost from the grid.\r\nContinue?"));
    main->CellClipboard.resize(1);
    main->InsertCut();
    EXPECT_EQ(allRows(), before);
}

TEST_F(ClipboardTest, EachColumnOpensItsMenuWhichFollowsTheColumnWhenMoved) {
    SetChannel(document, 7, QStringLiteral("146.000"), QStringLiteral("146.000"));
    for (int r = 1; r <= 9; ++r)
        grid().setTextMatrix(r, col(ColTXPwr), QStringLiteral("HIGH"));
    Select(grid(), 1, col(ColTXPwr), 9, col(ColTXPwr));
    dialogs.choosePopup(QStringLiteral("&LOW"));
    EXPECT_EQ(rightPress(3, col(ColScan)), QStringList({"&Copy", "&Paste", "&HIGH", "&LOW"}));
    EXPECT_EQ(lastMenu(), QStringLiteral("mnu7"));
    QStringList power;
    for (int r = 1; r <= 9; ++r)
        power << Cell(document, r, ColTXPwr);
    EXPECT_EQ(power.join(' '), QStringLiteral("LOW LOW HIGH HIGH HIGH HIGH LOW HIGH HIGH"));

    std::swap(Program().ColumnTable[ColTXDev].Order, Program().ColumnTable[ColRXFreq].Order);
    document->Initgrid();
    document->FillGrid();
    Select(grid(), 3, 5, 3, 5);
    dialogs.dismissPopup();
    EXPECT_EQ(rightPress(3, 2), QStringList({"&Copy", "&Paste", "WIDE", "NARR"}));
    EXPECT_EQ(lastMenu(), QStringLiteral("mnu8"));

    const auto shown = dialogs.shown().size();
    for (int tab = 1; tab <= 3; ++tab) {
        document->SSTab1()->setTab(tab);
        QTest::mousePress(document->MSFlexGrid1(tab)->viewport(), Qt::RightButton, {}, {60, 30});
    }
    EXPECT_EQ(dialogs.shown().size(), shown);
}

TEST_F(ClipboardTest, KeysTheEditMenuAndTheToolbarReachTheSameOperations) {
    Select(grid(), 1, col(ColName), 1, col(ColName));
    QTest::keyClick(&grid(), Qt::Key_C, Qt::ControlModifier);
    Select(grid(), 40, 1, 40, 1);
    QTest::keyClick(&grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell(document, 40, ColName), QStringLiteral("GB3WH"));
    Select(grid(), 1, 1, 1, 3);
    QTest::keyClick(&grid(), Qt::Key_X, Qt::ControlModifier); // not whole rows
    EXPECT_EQ(Cell(document, 1, ColName), QStringLiteral("GB3WH"));

    Select(grid(), 2, 1, 2, 1);
    main->mnuEditCut()->trigger();
    Select(grid(), 41, 1, 41, 1);
    main->tbToolBar_ButtonClick(QStringLiteral("Paste"));
    EXPECT_EQ(Cell(document, 41, ColName), QStringLiteral("UHF S"));
    EXPECT_EQ(Cell(document, 2, ColName), QString());
}
