#include "WidgetTestUtil.h"

#include "platform/core/Measures.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/KeyCodes.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

using namespace platform;

namespace {

// Columns 100 px (1500 twips) and rows 20 px (300 twips) wide, so a cell's
// centre is easy to point at: (100 c + 50, 20 r + 10) while nothing scrolls.
constexpr int ColTwips = 1500;
constexpr int RowTwips = 300;

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid = new FlexGrid(&window); // owned by the window
        grid->setFrameShape(QFrame::NoFrame);
        grid->setRows(30);
        grid->setCols(6);
        for (int c = 0; c < grid->cols(); ++c)
            grid->setColWidth(c, ColTwips);
        for (int r = 0; r < grid->rows(); ++r)
            grid->setRowHeight(r, RowTwips);
        for (int r = 0; r < grid->rows(); ++r)
            for (int c = 0; c < grid->cols(); ++c)
                grid->setTextMatrix(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
        MoveTwips(grid, 0, 0, 450 * TwipsPerPixel, 200 * TwipsPerPixel);
        window.showActive();
        grid->setFocus();
        record();
    }

    void record() {
        auto pos = [this] { return QStringLiteral(" %1,%2").arg(grid->row()).arg(grid->col()); };
        QObject::connect(grid, &FlexGrid::RowColChange, [=] { log.add("RowColChange" + pos()); });
        QObject::connect(grid, &FlexGrid::SelChange, [=] {
            log.add(QStringLiteral("SelChange %1,%2").arg(grid->rowSel()).arg(grid->colSel()));
        });
        QObject::connect(grid, &FlexGrid::Scroll, [=] {
            log.add(QStringLiteral("Scroll %1,%2").arg(grid->topRow()).arg(grid->leftCol()));
        });
        QObject::connect(grid, &FlexGrid::KeyDown, [=](int& code, int shift) {
            log.add(QStringLiteral("KeyDown %1 %2").arg(code).arg(shift));
        });
        QObject::connect(grid, &FlexGrid::KeyPress,
                         [=](int& ascii) { log.add(QStringLiteral("KeyPress %1").arg(ascii)); });
        QObject::connect(grid, &FlexGrid::MouseDown, [=](int button, int shift, int, int) {
            log.add(QStringLiteral("MouseDown %1 %2").arg(button).arg(shift) + pos());
        });
        QObject::connect(grid, &FlexGrid::MouseUp, [=](int button, int, int, int) {
            log.add(QStringLiteral("MouseUp %1").arg(button));
        });
        QObject::connect(grid, &FlexGrid::Click, [=] { log.add("Click"); });
        QObject::connect(grid, &FlexGrid::DblClick, [=] { log.add("DblClick"); });
    }

    static QPoint centre(int row, int col) { return QPoint(100 * col + 50, 20 * row + 10); }

    ShownWindow window;
    FlexGrid* grid = nullptr;
    EventLog log;
};

TEST_F(GridTest, StartsAsAnEmptyFlexGridDoes) {
    const FlexGrid fresh;
    EXPECT_EQ(QList<int>({fresh.rows(), fresh.cols(), fresh.fixedRows(), fresh.fixedCols(),
                          fresh.row(), fresh.col()}),
              QList<int>({2, 2, 1, 1, 1, 1}));
    EXPECT_EQ(fresh.highLight(), flexHighlightAlways);
    EXPECT_TRUE(fresh.redraw());
}

TEST_F(GridTest, SettingRowOrColRaisesRowColChangeOnlyForAChange) {
    grid->setRow(5);
    grid->setRow(5);
    grid->setCol(3);
    grid->setCol(3);
    EXPECT_EQ(log.lines, (QStringList{"RowColChange 5,1", "SelChange 5,1", "RowColChange 5,3",
                                      "SelChange 5,3"}));
}

TEST_F(GridTest, SettingRowCollapsesTheSelectionEvenOnTheSameRow) {
    grid->setRow(4);
    grid->setRowSel(8);
    grid->setColSel(4);
    log.clear();
    grid->setRow(4);
    EXPECT_EQ(grid->rowSel(), 4);
    EXPECT_EQ(grid->colSel(), 1);
    EXPECT_EQ(log.lines, QStringList{"SelChange 4,1"});
}

TEST_F(GridTest, RowSelAndColSelRaiseSelChangeOnly) {
    grid->setRowSel(6);
    grid->setColSel(2);
    EXPECT_EQ(log.lines, (QStringList{"SelChange 6,1", "SelChange 6,2"}));
    EXPECT_EQ(grid->row(), 1);
}

TEST_F(GridTest, FixedCellsAreAddressableFromCode) {
    grid->setCol(0);
    grid->setRow(0);
    EXPECT_EQ(grid->text(), "0,0");
    grid->setText("#");
    EXPECT_EQ(grid->textMatrix(0, 0), "#");
}

TEST_F(GridTest, ABadRowOrColumnRaisesItsError) {
    try {
        grid->setRow(30);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrInvalidRowValue);
    }
    EXPECT_THROW(grid->textMatrix(0, 6), RuntimeError);
    EXPECT_THROW(grid->setColWidth(-1, 100), RuntimeError);
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(GridTest, ARowColChangeHandlerMayMoveTheCellAgain) {
    bool moved = false;
    QObject::connect(grid, &FlexGrid::RowColChange, [&] {
        if (!moved) {
            moved = true;
            grid->setCol(4);
        }
    });
    grid->setRow(2);
    EXPECT_EQ(grid->row(), 2);
    EXPECT_EQ(grid->col(), 4);
    EXPECT_EQ(log.lines, (QStringList{"RowColChange 2,1", "RowColChange 2,4", "SelChange 2,4"}));
}

TEST_F(GridTest, TopRowClampsToTheRowsThereAre) {
    // The last top row still fills the view down to row 29.
    const int rowsInView = (grid->viewport()->height() - 20) / 20;
    const int lastTop = 30 - rowsInView;
    grid->setTopRow(29);
    EXPECT_EQ(grid->topRow(), lastTop);
    grid->setTopRow(0);
    EXPECT_EQ(grid->topRow(), 1);
    grid->setTopRow(1);
    EXPECT_EQ(log.lines, (QStringList{QStringLiteral("Scroll %1,1").arg(lastTop), "Scroll 1,1"}));
    EXPECT_EQ(grid->row(), 1) << "scrolling leaves the current cell alone";
}

TEST_F(GridTest, ColWidthIsKeptExactlyAsSet) {
    grid->setColWidth(2, 1001);
    grid->setColWidth(3, 7);
    EXPECT_EQ(grid->colWidth(2), 1001);
    EXPECT_EQ(grid->colWidth(3), 7);
    grid->setRowHeight(4, 251);
    EXPECT_EQ(grid->rowHeight(4), 251);
}

TEST_F(GridTest, AZeroWidthColumnIsHiddenButAddressable) {
    grid->setColWidth(2, 0);
    EXPECT_EQ(grid->colWidth(2), 0);
    EXPECT_EQ(grid->textMatrix(5, 2), "5,2");
    grid->setTextMatrix(5, 2, "kept");
    EXPECT_EQ(grid->textMatrix(5, 2), "kept");

    // Where column 2 stood, column 3 now is; the arrow keys step over it.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(5, 2));
    EXPECT_EQ(grid->col(), 3);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->col(), 1);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->col(), 3);
}

TEST_F(GridTest, DraggingAColumnBorderChangesItsWidth) {
    // The border between columns 1 and 2 in the header row lies at x 200.
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(grid->viewport(), QPoint(230, 10));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, QPoint(230, 10));
    EXPECT_EQ(grid->colWidth(1), 130 * TwipsPerPixel);
    EXPECT_EQ(grid->colWidth(2), ColTwips);
}

TEST_F(GridTest, TabReachesKeyDownAndKeyPressAndKeepsTheFocus) {
    QTest::keyClick(grid, Qt::Key_Tab);
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(log.lines, (QStringList{"KeyDown 9 0", "KeyPress 9", "KeyDown 16 1", "KeyDown 9 1",
                                      "KeyPress 9"}));
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(GridTest, KeysGiveTheCodesTheProgramExpects) {
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_Insert);
    QTest::keyClick(grid, Qt::Key_Delete);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(grid, 'a');
    QTest::keyClick(grid, '7');
    EXPECT_EQ(log.lines,
              (QStringList{"KeyDown 17 2", "KeyDown 67 2",  "KeyPress 3",   "KeyDown 17 2",
                           "KeyDown 86 2", "KeyPress 22",   "KeyDown 17 2", "KeyDown 88 2",
                           "KeyPress 24",  "KeyDown 13 0",  "KeyPress 13",  "KeyDown 27 0",
                           "KeyPress 27",  "KeyDown 8 0",   "KeyPress 8",   "KeyDown 45 0",
                           "KeyDown 46 0", "KeyDown 113 0", "KeyDown 65 0", "KeyPress 97",
                           "KeyDown 55 0", "KeyPress 55"}));
}

TEST_F(GridTest, TypingEditsNothing) {
    grid->setRow(3);
    grid->setCol(2);
    QTest::keyClicks(grid, "xyz");
    QTest::keyClick(grid, Qt::Key_Delete);
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(grid->textMatrix(3, 2), "3,2");
    EXPECT_EQ(grid->row(), 3);
    EXPECT_EQ(grid->col(), 2);
}

// Code may leave the cursor in the fixed row or column; a key steps from there
// onto the nearest cell the user can edit, over hidden columns.
TEST_F(GridTest, ArrowKeysStepFromAFixedCell) {
    grid->setFixedCols(1);
    const auto from = [this](int row, int col, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        grid->setRow(row);
        grid->setCol(col);
        QTest::keyClick(grid, key, mods);
        return QList<int>({grid->row(), grid->col(), grid->rowSel(), grid->colSel()});
    };
    EXPECT_EQ(from(4, 0, Qt::Key_Right), QList<int>({4, 1, 4, 1}));
    grid->setColWidth(1, 0);
    EXPECT_EQ(from(4, 0, Qt::Key_Right), QList<int>({4, 2, 4, 2}));
    EXPECT_EQ(from(4, 0, Qt::Key_Left), QList<int>({4, 2, 4, 2}));
    EXPECT_EQ(from(4, 0, Qt::Key_Right, Qt::ShiftModifier), QList<int>({4, 0, 4, 2}));
    EXPECT_EQ(from(0, 3, Qt::Key_Down), QList<int>({1, 3, 1, 3}));
    EXPECT_EQ(from(0, 3, Qt::Key_Up), QList<int>({1, 3, 1, 3}));
}

TEST_F(GridTest, ArrowKeysMoveAndScrollTheCellIntoView) {
    const int rowsInView = (grid->viewport()->height() - 20) / 20;
    grid->setRow(rowsInView); // the last row in full view
    log.clear();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(log.lines,
              (QStringList{"KeyDown 40 0", QStringLiteral("RowColChange %1,1").arg(rowsInView + 1),
                           QStringLiteral("SelChange %1,1").arg(rowsInView + 1), "Scroll 2,1"}));
    grid->setRow(10);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->row(), 10);
    EXPECT_EQ(grid->rowSel(), 11);
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(grid->row(), 9);
    EXPECT_EQ(grid->rowSel(), 9);
}

TEST_F(GridTest, ACellMovedByAKeyHandlerIsBroughtIntoView) {
    QObject::connect(grid, &FlexGrid::KeyDown, [this](int& code, int) {
        if (code == vbKeyTab)
            grid->setCol(5);
    });
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->col(), 5);
    EXPECT_GT(grid->leftCol(), 1);
    grid->setCol(1);
    EXPECT_GT(grid->leftCol(), 1) << "code alone does not scroll";
}

TEST_F(GridTest, RightPressRaisesMouseDownWithoutMovingTheCell) {
    grid->setRow(2);
    grid->setRowSel(3);
    log.clear();
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, centre(6, 3));
    EXPECT_EQ(log.lines, (QStringList{"MouseDown 2 0 2,1", "MouseUp 2"}));
    EXPECT_EQ(grid->mouseRow(), 6);
    EXPECT_EQ(grid->mouseCol(), 3);
    EXPECT_EQ(grid->rowSel(), 3);
}

// A left click moves the cell before MouseDown and raises Click on release; a
// double click adds DblClick once.
TEST_F(GridTest, ClickAndDoubleClick) {
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre(4, 3));
    EXPECT_EQ(log.lines.join(", "),
              "RowColChange 4,3, SelChange 4,3, MouseDown 1 0 4,3, MouseUp 1, "
              "Click, DblClick, MouseUp 1");
    EXPECT_EQ(QList<int>({grid->row(), grid->col(), grid->mouseRow(), grid->mouseCol()}),
              QList<int>({4, 3, 4, 3}));
}

TEST_F(GridTest, DraggingSelectsARangeAnchoredAtThePress) {
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, centre(5, 3));
    QTest::mouseMove(grid->viewport(), centre(3, 1));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centre(3, 1));
    EXPECT_EQ(grid->row(), 5);
    EXPECT_EQ(grid->col(), 3);
    EXPECT_EQ(grid->rowSel(), 3);
    EXPECT_EQ(grid->colSel(), 1);
    EXPECT_EQ(grid->clip(), "3,1\t3,2\t3,3\r4,1\t4,2\t4,3\r5,1\t5,2\t5,3");
}

TEST_F(GridTest, ShiftClickExtendsTheSelection) {
    grid->setRow(2);
    grid->setCol(2);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, centre(4, 3));
    EXPECT_EQ(grid->row(), 2);
    EXPECT_EQ(grid->rowSel(), 4);
    EXPECT_EQ(grid->colSel(), 3);
}

TEST_F(GridTest, HeaderClicksSelectWholeColumnsAndRows) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(0, 3));
    EXPECT_EQ(grid->row(), 1);
    EXPECT_EQ(grid->col(), 3);
    EXPECT_EQ(grid->rowSel(), 29);
    EXPECT_EQ(grid->colSel(), 3);

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(7, 0));
    EXPECT_EQ(grid->row(), 7);
    EXPECT_EQ(grid->col(), 1);
    EXPECT_EQ(grid->rowSel(), 7);
    EXPECT_EQ(grid->colSel(), 5);

    // Dragging down the row labels takes whole rows.
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, centre(2, 0));
    QTest::mouseMove(grid->viewport(), centre(4, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centre(4, 0));
    EXPECT_EQ(grid->row(), 2);
    EXPECT_EQ(grid->rowSel(), 4);
    EXPECT_EQ(grid->col(), 1);
    EXPECT_EQ(grid->colSel(), 5);
}

// Scrolled down and right, the header row and the label column stay where
// they were: the top row of the view is still row 0, the first column still
// column 0, and the data cells next to them are the first ones in view.
TEST_F(GridTest, FixedRowAndColumnStayInViewWhileScrolling) {
    grid->setTopRow(10);
    grid->setLeftCol(3);
    ASSERT_EQ(grid->topRow(), 10);
    ASSERT_EQ(grid->leftCol(), 3);
    const auto under = [this](QPoint at) {
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, at);
        return QStringLiteral("%1,%2").arg(grid->mouseRow()).arg(grid->mouseCol());
    };
    EXPECT_EQ(under(centre(0, 0)), "0,0");
    EXPECT_EQ(under(centre(0, 1)), "0,3");
    EXPECT_EQ(under(centre(1, 0)), "10,0");
    EXPECT_EQ(under(centre(2, 2)), "11,4");
    // A click on the header now selects the column in view there.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(0, 1));
    EXPECT_EQ(grid->col(), 3);
    EXPECT_EQ(grid->rowSel(), 29);
}

TEST_F(GridTest, ClipJoinsCellsByTabAndRowsByReturn) {
    grid->setRow(2);
    grid->setCol(0);
    grid->setRowSel(1);
    grid->setColSel(1);
    EXPECT_EQ(grid->clip(), "1,0\t1,1\r2,0\t2,1");
    grid->setTextMatrix(1, 1, "");
    EXPECT_EQ(grid->clip(), "1,0\t\r2,0\t2,1");
}

TEST_F(GridTest, AnEditorAtGridLeftPlusCellLeftLiesOverTheCell) {
    grid->setFrameShape(QFrame::Box); // a border shifts the cells
    SetLeftTwips(grid, 50);
    SetTopTwips(grid, 400);
    grid->setColWidth(2, 1234);
    grid->setRow(6);
    grid->setCol(2);
    QWidget editor(&window);
    MoveTwips(&editor, LeftTwips(grid) + grid->cellLeft(), TopTwips(grid) + grid->cellTop(),
              grid->cellWidth(), grid->cellHeight());
    // The editor's corners, seen by the grid, fall in the current cell.
    for (const QPoint corner : {editor.geometry().topLeft(), editor.geometry().bottomRight()}) {
        const QPoint inGrid = grid->viewport()->mapFrom(&window, corner);
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, inGrid);
        EXPECT_EQ(grid->mouseRow(), 6);
        EXPECT_EQ(grid->mouseCol(), 2);
    }
    EXPECT_EQ(editor.width(), TwipsToPixels(1234));
}

TEST_F(GridTest, RedrawOffSuspendsPaintingOnly) {
    EventCounter paints(grid->viewport(), QEvent::Paint);
    grid->setRedraw(false);
    grid->setTextMatrix(1, 1, "changed");
    grid->setRow(3);
    grid->setTopRow(5);
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 0);
    EXPECT_EQ(grid->textMatrix(1, 1), "changed");
    EXPECT_EQ(log.lines, (QStringList{"RowColChange 3,1", "SelChange 3,1", "Scroll 5,1"}));
    grid->setRedraw(true);
    QApplication::processEvents();
    EXPECT_GT(paints.count, 0);
}

TEST_F(GridTest, TheWheelScrollsNothingAndGoesOnToTheParent) {
    EventCounter wheels(&window, QEvent::Wheel);
    for (QWidget* target : {static_cast<QWidget*>(grid->viewport()),
                            static_cast<QWidget*>(grid->verticalScrollBar())}) {
        const QPoint at(5, 5);
        QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel); // as from the user: only those propagate
        QCoreApplication::instance()->notify(target, &wheel); // sendEvent would clear it
    }
    EXPECT_EQ(grid->topRow(), 1);
    EXPECT_EQ(wheels.count, 2);
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(GridTest, ShrinkingPullsTheCurrentCellInsideAndGrowingKeepsCells) {
    grid->setRow(29);
    grid->setCol(5);
    grid->setRows(10);
    grid->setCols(3);
    EXPECT_EQ(grid->row(), 9);
    EXPECT_EQ(grid->col(), 2);
    grid->setRows(12);
    EXPECT_EQ(grid->textMatrix(9, 2), "9,2");
    EXPECT_EQ(grid->textMatrix(11, 2), "");
    grid->clear();
    EXPECT_EQ(grid->textMatrix(9, 2), "");
    EXPECT_EQ(grid->rows(), 12);
}

TEST_F(GridTest, CellColoursDefaultToZero) {
    EXPECT_EQ(grid->cellBackColor(3, 3), 0);
    grid->setRow(3);
    grid->setCol(3);
    grid->setCellBackColor(RgbNumber(255, 0, 0));
    EXPECT_EQ(grid->cellBackColor(3, 3), RgbNumber(255, 0, 0));
    grid->clear();
    EXPECT_EQ(grid->cellBackColor(3, 3), 0);
}

// A 4 by 4 red square in the 100 by 20 pixel cell (2, 3): its centre is red,
// the cell's corners are not, and clear() takes it away.
TEST_F(GridTest, ACellPictureIsDrawnCentredAndClearedWithTheCells) {
    QImage square(4, 4, QImage::Format_RGB32);
    square.fill(Qt::red);
    grid->setCellPicture(2, 3, square);
    EXPECT_EQ(grid->cellPicture(2, 3), square);
    EXPECT_TRUE(grid->cellPicture(2, 2).isNull());
    const QImage drawn = grid->picture();
    const QPoint cell(3 * 100, 2 * 20);
    for (const QPoint& centre : {QPoint(48, 8), QPoint(51, 11)})
        EXPECT_EQ(drawn.pixelColor(cell + centre), QColor(Qt::red)) << centre.x();
    for (const QPoint& outside : {QPoint(46, 10), QPoint(53, 10), QPoint(50, 6), QPoint(50, 13)})
        EXPECT_NE(drawn.pixelColor(cell + outside), QColor(Qt::red)) << outside.x();
    grid->clear();
    EXPECT_TRUE(grid->cellPicture(2, 3).isNull());
    EXPECT_THROW(grid->setCellPicture(30, 0, square), RuntimeError);
}

TEST_F(GridTest, PictureShowsTheWholeGrid) {
    const QImage image = grid->picture();
    EXPECT_EQ(image.width(), 6 * 100);
    EXPECT_EQ(image.height(), 30 * 20);
}

} // namespace
