// The main window's operations that dialogs and documents call on the active
// document: the system-clipboard copy, the current row and the wheel.

#include "ShellFixture.h"

#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TabStrip.h"

#include <QClipboard>
#include <QGuiApplication>

TEST_F(ShellTest, CopyWindowsClipPutsTheSelectionAsTabbedLinesOnTheSystemClipboard) {
    Start(UvdFile());
    platform::FlexGrid* grid = main->ActiveDocument()->MSFlexGrid1(0);
    grid->setRow(1);
    grid->setCol(1);
    grid->setRowSel(2);
    grid->setColSel(3);
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    main->CopyWindowsClip();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("GB3WH\t145.600\t145.000\rUHF S\t433.500\t433.500"));
    EXPECT_EQ(main->GetRow(), 1);

    // Every tab is copied, settings grids included.
    main->ActiveDocument()->SSTab1()->setTab(2);
    platform::FlexGrid* vfo = main->ActiveDocument()->MSFlexGrid1(2);
    vfo->setRow(2);
    vfo->setCol(1);
    vfo->setRowSel(2);
    vfo->setColSel(2);
    main->CopyWindowsClip();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("145.500\t433.500"));
    EXPECT_EQ(main->GetRow(), 2);
}

// One wheel step moves the current grid's top row by three, never above the
// first data row nor past where the grid itself stops; a tab without a grid
// scrolls nothing.
TEST_F(ShellTest, WheelStepsMoveTheCurrentGridThreeRowsWithinItsRange) {
    Start(UvdFile());
    IDocument* document = main->ActiveDocument();
    platform::FlexGrid* memories = document->MSFlexGrid1(0);
    memories->setTopRow(2);
    main->ScrollUp();
    EXPECT_EQ(memories->topRow(), 1);
    main->ScrollUp();
    EXPECT_EQ(memories->topRow(), 1);
    main->ScrollDown();
    EXPECT_EQ(memories->topRow(), 4);
    for (int i = 0; i < 50; ++i)
        main->ScrollDown();
    const int last = memories->topRow();
    EXPECT_GT(last, 4);
    EXPECT_LE(last, 128);
    main->ScrollDown();
    EXPECT_EQ(memories->topRow(), last);

    int shortGrid = -1;
    for (int i = 1; i <= 6; ++i)
        if (document->MSFlexGrid1(i)->rows() == 27)
            shortGrid = i;
    ASSERT_GE(shortGrid, 1);
    document->SSTab1()->setTab(shortGrid);
    platform::FlexGrid* settings = document->MSFlexGrid1(shortGrid);
    for (int i = 0; i < 12; ++i)
        main->ScrollDown();
    EXPECT_GT(settings->topRow(), 1);
    EXPECT_LT(settings->topRow(), 27);

    document->SSTab1()->setTab(7);
    const int settingsTop = settings->topRow();
    main->ScrollUp();
    EXPECT_EQ(settings->topRow(), settingsTop);
    EXPECT_EQ(memories->topRow(), last);
}
