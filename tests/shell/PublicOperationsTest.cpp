// The main window's operations that dialogs and documents call on the active
// document: the system-clipboard copy and the current row.

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

TEST_F(ShellTest, PublicOperationsWithNoDocumentDoNothing) {
    Start();
    main->ActiveDocument()->CloseMe();
    Settle();
    ASSERT_EQ(main->ActiveDocument(), nullptr);
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    main->CopyWindowsClip();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    main->ScrollUp();
    main->ScrollDown();
    main->FillGrid();
    main->SetWriteBytes();
    EXPECT_EQ(main->GetRow(), 0);
    EXPECT_TRUE(main->GetBandLimit(0).isEmpty());
    QStringList limits(8, QStringLiteral("136"));
    EXPECT_FALSE(main->CheckBandLimits(limits));
}
