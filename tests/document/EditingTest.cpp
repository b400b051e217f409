// Editing the memory grid as a user does: typing, double clicks, Tab and Enter,
// the text editor's filters and live correction, the commit with defaults and
// automatic shift, the list editors, the context menus and the tab change.

#include "EditingFixture.h"

#include "platform/core/RuntimeError.h"
#include "platform/widgets/MsgBox.h"

#include <QTabBar>

using platform::FlexGrid;

namespace {

int col(int logical) {
    return GridColumnOf(logical);
}

enum : int { Name = 1, RX, TX, Decode, Encode, Power, Scan, Dev, Busy, Notes };

// The cells of logical columns 1..10 of a memory row.
QStringList Row(FlexGrid& grid, int row) {
    QStringList cells;
    for (int k = Name; k <= Notes; ++k)
        cells << grid.textMatrix(row, col(k));
    return cells;
}

} // namespace

TEST_F(EditingTest, TypedFrequencyIsCorrectedInTheCellWhileTheEditorKeepsIt) {
    go(0, 11, col(RX));
    type("1");
    ASSERT_TRUE(txtOpen());
    EXPECT_EQ(txt().text(), "1");
    EXPECT_EQ(cell(0, 11, col(RX)), "136.000"); // below the bands: the nearest edge
    type("45.312");
    EXPECT_EQ(txt().text(), "145.312");
    EXPECT_EQ(cell(0, 11, col(RX)), "145.310"); // off the raster: snapped down
    EXPECT_EQ(txt().maxLength(), 9);

    // Leaving commits: the newly used row gets its defaults.
    key(Qt::Key_Tab);
    EXPECT_FALSE(txtOpen());
    EXPECT_EQ(Row(grid(0), 11), QStringList({"", "145.310", "145.310", "OFF", "OFF", "HIGH", "ON",
                                             "WIDE", "OFF", ""}));
    EXPECT_EQ(grid(0).row(), 11);
    EXPECT_EQ(grid(0).col(), col(RX) + 1);
    EXPECT_FALSE(txtOpen()); // Tab opens no editor at the new cell
    EXPECT_TRUE(grid(0).hasFocus());
}

TEST_F(EditingTest, DoubleClickOpensTheEditorAndAClickElsewhereCommitsWithAutoShift) {
    mainWindow.autoShift = true;
    doubleClick(0, 13, col(RX));
    ASSERT_TRUE(txtOpen());
    EXPECT_EQ(grid(0).highLight(), platform::flexHighlightNever);
    type("145.35");
    QTest::mouseClick(grid(0).viewport(), Qt::LeftButton, {}, cellCentre(0, 4, col(Name)));
    EXPECT_FALSE(txtOpen());
    EXPECT_EQ(grid(0).highLight(), platform::flexHighlightAlways);
    EXPECT_EQ(Row(grid(0), 13), QStringList({"", "145.350", "144.750", "OFF", "OFF", "HIGH", "ON",
                                             "WIDE", "OFF", ""}));
    EXPECT_EQ(grid(0).row(), 4);

    // A filled row keeps its cells; only the shift follows the new RX.
    const QStringList before = Row(grid(0), 3);
    doubleClick(0, 3, col(RX));
    type("145.2");
    key(Qt::Key_Tab);
    QStringList expected = before;
    expected[1] = "145.200";
    expected[2] = "144.600";
    EXPECT_EQ(Row(grid(0), 3), expected);
}

TEST_F(EditingTest, OnlyTheRXCellRunsTheCommit) {
    mainWindow.autoShift = true;
    // Channel 9 has no TX frequency: renaming it leaves it so.
    const QStringList before = Row(grid(0), 9);
    go(0, 9, col(Name));
    type("aprs2");
    key(Qt::Key_Tab);
    QStringList expected = before;
    expected[0] = "APRS2";
    EXPECT_EQ(Row(grid(0), 9), expected);

    // Emptying the RX frequency leaves the rest of the row alone.
    const QStringList channel3 = Row(grid(0), 3);
    go(0, 3, col(RX));
    key(Qt::Key_Backspace); // opens the editor, whose selected text it deletes
    ASSERT_TRUE(txtOpen());
    EXPECT_EQ(txt().text(), "");
    key(Qt::Key_Tab);
    expected = channel3;
    expected[1] = "";
    EXPECT_EQ(Row(grid(0), 3), expected);
}

TEST_F(EditingTest, KeyFiltersOfNameFrequencyAndNotes) {
    go(0, 11, col(Name));
    type("ab!c1234");
    EXPECT_EQ(txt().text(), "ABC123"); // upper case, "!" swallowed, six at most
    EXPECT_EQ(cell(0, 11, col(Name)), "ABC123");
    key(Qt::Key_Tab);

    go(0, 11, col(TX));
    type("1a44-,.5");
    EXPECT_EQ(txt().text(), "144.5");
    key(Qt::Key_Return);

    go(0, 11, col(Notes));
    type("a|b C!");
    EXPECT_EQ(txt().text(), "ab C!");
    EXPECT_EQ(txt().maxLength(), 32);
    EXPECT_EQ(cell(0, 11, col(Notes)), "ab C!");
}

// A LostFocus handler that fails once (the commit's defaults could) ends in the
// safety net's box and leaves the window's focus events working: the next
// editor still takes what is typed and commits it.
TEST_F(EditingTest, AFocusHandlerThatRaisesOnceStopsNoLaterEditor) {
    bool raised = false;
    const QObject handlerLife; // the handler goes before `raised` does
    QObject::connect(&txt(), &platform::TextEdit::LostFocus, &handlerLife, [&raised] {
        if (raised)
            return;
        raised = true;
        throw platform::RuntimeError(platform::ErrTypeMismatch);
    });
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    go(0, 11, col(Name));
    type("ab");
    key(Qt::Key_Tab);
    EXPECT_EQ(dialogs.messages(), QStringList{"Error 13: Type mismatch"});
    EXPECT_FALSE(txtOpen());
    EXPECT_TRUE(grid(0).hasFocus());

    go(0, 11, col(RX));
    type("145.5");
    EXPECT_EQ(txt().text(), "145.5");
    key(Qt::Key_Tab);
    EXPECT_EQ(Row(grid(0), 11), QStringList({"AB", "145.500", "145.500", "OFF", "OFF", "HIGH", "ON",
                                             "WIDE", "OFF", ""}));
}

TEST_F(EditingTest, CommaLocaleTakesTheCommaInFrequencies) {
    const LocaleGuard comma(CommaLocale());
    go(0, 11, col(RX));
    type("145.5,5");
    EXPECT_EQ(txt().text(), "1455,5"); // "." is no separator here
    key(Qt::Key_Return);
}

TEST_F(EditingTest, TypingOnTheGridStartsTheEditorWithThatKey) {
    go(0, 4, col(Name));
    type("x");
    ASSERT_TRUE(txtOpen());
    EXPECT_EQ(txt().text(), "X");
    EXPECT_EQ(cell(0, 4, col(Name)), "X");
    key(Qt::Key_Tab);

    // A list column opens its list; the key goes to the list.
    go(0, 4, col(Power));
    type("h");
    EXPECT_TRUE(cboOpen());
    EXPECT_TRUE(cbo().hasFocus());
    key(Qt::Key_Tab);
    EXPECT_FALSE(cboOpen());

    // The number column has no editor: the key is not sent round again.
    grid(0).setCol(0);
    type("a");
    EXPECT_FALSE(txtOpen());
    EXPECT_FALSE(cboOpen());
    EXPECT_TRUE(grid(0).hasFocus());
}

TEST_F(EditingTest, TabAndShiftTabWrapAtTheRowEnds) {
    const int last = grid(0).cols() - 1;
    go(0, 5, 3);
    key(Qt::Key_Tab);
    EXPECT_EQ(grid(0).col(), 4);
    go(0, 5, last);
    key(Qt::Key_Tab);
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(6, 1));
    go(0, 128, last);
    key(Qt::Key_Tab); // the last row: only the column wraps
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(128, 1));
    go(0, 1, 1);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(1, last));
    go(0, 7, 1);
    key(Qt::Key_Tab, Qt::ControlModifier); // any modifier goes backwards
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(6, last));

    // The same from an open editor, which closes and does not reopen.
    go(0, 1, col(Notes));
    type("z");
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(txtOpen());
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(1, col(Busy)));
    EXPECT_EQ(cell(0, 1, col(Notes)), "z");

    // A hidden column is still a stop.
    grid(0).setColWidth(col(TX), 0);
    go(0, 2, col(RX));
    key(Qt::Key_Tab);
    EXPECT_EQ(grid(0).col(), col(TX));
}

TEST_F(EditingTest, EnterFollowsTheEnterKeyOption) {
    // Stay: Enter opens the editor, and Enter in it closes it on the same cell.
    go(0, 2, col(Name));
    key(Qt::Key_Return);
    ASSERT_TRUE(txtOpen());
    EXPECT_EQ(txt().selectedText(), "GB3BS");
    key(Qt::Key_Return);
    EXPECT_FALSE(txtOpen());
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(2, col(Name)));

    Program().EnterKeyNextRow = true;
    key(Qt::Key_Return);
    EXPECT_EQ(grid(0).row(), 3);
    EXPECT_FALSE(txtOpen());
    go(0, 128, 1);
    key(Qt::Key_Return);
    EXPECT_EQ(grid(0).row(), 128);
    go(0, 4, col(Decode));
    type("O"); // the list, then Enter from it
    ASSERT_TRUE(cboOpen());
    key(Qt::Key_Return);
    EXPECT_FALSE(cboOpen());
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(5, col(Decode)));

    Program().EnterKeyNextRow = false;
    Program().EnterKeyNextColumn = true;
    go(0, 6, grid(0).cols() - 1);
    key(Qt::Key_Return);
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(7, 1));
    go(0, 6, col(Name));
    type("Q");
    key(Qt::Key_Return);
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(6, col(Name) + 1));

    // On the configuration grid the wrap goes to column 1 all the same.
    showTab(1);
    go(1, 3, 2);
    key(Qt::Key_Return);
    EXPECT_EQ(QPoint(grid(1).row(), grid(1).col()), QPoint(4, 1));
}

TEST_F(EditingTest, EscapeHasNoMeaningInTheEditor) {
    go(0, 11, col(RX));
    type("145.5");
    key(Qt::Key_Escape);
    EXPECT_TRUE(txtOpen());
    EXPECT_EQ(txt().text(), "145.5");
    EXPECT_EQ(cell(0, 11, col(RX)), "145.500");
}

TEST_F(EditingTest, ListEditorsOfferTheColumnTextsAndWriteTheChoice) {
    struct Case {
        int logical;
        QStringList entries;
    };
    const QStringList tones = QStringList{"OFF"} + doc->Image().GetTone_OPT();
    const Case cases[] = {{Decode, tones},       {Encode, tones},         {Power, {"HIGH", "LOW"}},
                          {Scan, {"ON", "OFF"}}, {Dev, {"WIDE", "NARR"}}, {Busy, {"OFF", "ON"}}};
    for (const Case& c : cases) {
        go(0, 5, col(c.logical));
        key(Qt::Key_Return);
        ASSERT_TRUE(cboOpen()) << c.logical;
        EXPECT_EQ(entries(), c.entries);
        EXPECT_EQ(cbo().text(), cell(0, 5, col(c.logical)));
        EXPECT_EQ(grid(0).highLight(), platform::flexHighlightNever);
        key(Qt::Key_Tab);
        EXPECT_FALSE(cboOpen());
    }

    // Each choice goes straight into the cell.
    go(0, 3, col(Power));
    key(Qt::Key_Return);
    EXPECT_EQ(cbo().text(), "LOW");
    key(Qt::Key_Up);
    EXPECT_EQ(cell(0, 3, col(Power)), "HIGH");
    EXPECT_TRUE(cboOpen());

    // Losing the focus closes the list and commits nothing more.
    QTest::mouseClick(grid(0).viewport(), Qt::LeftButton, {}, cellCentre(0, 6, col(Name)));
    EXPECT_FALSE(cboOpen());
    EXPECT_EQ(grid(0).highLight(), platform::flexHighlightAlways);

    // A cell text that is no entry: nothing chosen, the cell keeps its text.
    grid(0).setTextMatrix(7, col(Encode), "77.7");
    go(0, 7, col(Encode));
    key(Qt::Key_Return);
    EXPECT_EQ(cbo().listIndex(), -1);
    EXPECT_EQ(cell(0, 7, col(Encode)), "77.7");
    key(Qt::Key_Down);
    EXPECT_EQ(cell(0, 7, col(Encode)), "OFF");
}

TEST_F(EditingTest, EnterOnTheOpenListTakesTheEntryItPointsAt) {
    go(0, 3, col(Dev));
    key(Qt::Key_Return);
    cbo().showPopup();
    ASSERT_TRUE(cbo().view()->isVisible());
    QTest::keyClick(cbo().view(), Qt::Key_Down);
    QTest::keyClick(cbo().view(), Qt::Key_Return);
    EXPECT_FALSE(cboOpen());
    EXPECT_EQ(cell(0, 3, col(Dev)), "NARR");
}

TEST_F(EditingTest, ScrollTabStripAndMenusCloseTheEditorAndCommit) {
    go(0, 11, col(RX));
    type("145.5");
    grid(0).setTopRow(3);
    EXPECT_FALSE(txtOpen());
    EXPECT_EQ(cell(0, 11, col(TX)), "145.500");

    grid(0).setTopRow(1);
    go(0, 13, col(RX));
    type("433.5");
    const QRect tab1 = doc->SSTab1()->tabBar()->tabRect(1);
    QTest::mouseClick(doc->SSTab1()->tabBar(), Qt::LeftButton, {}, tab1.center());
    EXPECT_FALSE(txtOpen());
    EXPECT_EQ(doc->SSTab1()->tab(), 1);
    EXPECT_EQ(cell(0, 13, col(RX)), "433.500");
    EXPECT_EQ(cell(0, 13, col(Power)), "HIGH");

    showTab(0);
    go(0, 14, col(RX));
    type("446");
    doc->HideEditB(); // a main-window menu opened
    EXPECT_FALSE(txtOpen());
    EXPECT_EQ(cell(0, 14, col(Decode)), "OFF");
}

TEST_F(EditingTest, RightPressOpensTheMenuOfTheColumn) {
    const char* menus[] = {"mnu11", "mnu10", "mnu10", "mnu10", "mnu10",
                           "mnu7",  "mnu9",  "mnu8",  "mnu12", "mnu10"};
    for (int k = Name; k <= Notes; ++k) {
        go(0, 2, 1);
        rightPress(0, 4, col(k));
        EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(4, col(k)));
    }
    QStringList expected;
    for (const char* m : menus)
        expected << m;
    EXPECT_EQ(mainWindow.menus, expected);

    // The "#" column: the row menu, whatever the selection.
    mainWindow.menus.clear();
    Select(grid(0), 5, 2, 8, 2);
    rightPress(0, 6, 0);
    EXPECT_EQ(mainWindow.menus, QStringList{"mnuEdit"});

    // A larger selection stays, and its column chooses the menu.
    mainWindow.menus.clear();
    Select(grid(0), 5, col(Power), 9, col(Power));
    rightPress(0, 12, col(Scan));
    EXPECT_EQ(mainWindow.menus, QStringList{"mnu7"});
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(5, col(Power)));
    EXPECT_EQ(grid(0).rowSel(), 9);

    // The header row moves the column but never the row.
    mainWindow.menus.clear();
    go(0, 4, 2);
    rightPress(0, 0, col(Dev));
    EXPECT_EQ(mainWindow.menus, QStringList{"mnu8"});
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(4, col(Dev)));

    // Moved columns take their menus along.
    mainWindow.menus.clear();
    std::swap(Program().ColumnTable[Power].Order, Program().ColumnTable[Dev].Order);
    go(0, 4, 1);
    rightPress(0, 4, 6);
    EXPECT_EQ(mainWindow.menus, QStringList{"mnu8"});
}

TEST_F(EditingTest, RightPressClosesTheEditorAndSettingsGridsHaveNoMenu) {
    go(0, 11, col(RX));
    type("145.5");
    rightPress(0, 3, col(Name));
    EXPECT_FALSE(txtOpen());
    EXPECT_EQ(cell(0, 11, col(Scan)), "ON"); // committed
    EXPECT_EQ(mainWindow.menus, QStringList{"mnu11"});

    mainWindow.menus.clear();
    for (int g = 1; g <= 3; ++g) {
        showTab(g);
        go(g, 1, 2);
        rightPress(g, 3, 1);
        EXPECT_EQ(QPoint(grid(g).row(), grid(g).col()), QPoint(1, 2)) << g;
    }
    EXPECT_TRUE(mainWindow.menus.isEmpty());
}

TEST_F(EditingTest, TabChangeEnablesTheCommandsOfTheTab) {
    const QStringList menuNames = {
        "mnuEditCut", "mnuEditCopy", "mnuEditPaste", "mnuFind",
        "mnuSort",    "mnuDupCheck", "mnuClearMem",  "mnuValidateBandLimits"};
    const QList<int> buttons = {5, 6, 7, 9, 12, 13, 14, 15, 16};
    QTabBar* bar = doc->SSTab1()->tabBar();
    for (int tab : {1, 2, 3, 0}) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        ASSERT_EQ(doc->SSTab1()->tab(), tab);
        EXPECT_EQ(doc->EditGrid, tab);
        for (const QString& name : menuNames)
            EXPECT_EQ(mainWindow.menuEnabled.value(name, tab != 0), tab == 0) << name.toStdString();
        for (int b : buttons)
            EXPECT_EQ(mainWindow.buttonEnabled.value(b, tab != 0), tab == 0) << b;
        EXPECT_EQ(mainWindow.menuEnabled.size(), menuNames.size());
        EXPECT_EQ(mainWindow.buttonEnabled.size(), buttons.size());
        for (int g = 0; g < frmDocument::GridCount; ++g)
            EXPECT_EQ(grid(g).isVisible(), g == tab);
    }
}

TEST_F(EditingTest, ClipboardKeysReachTheShell) {
    go(0, 4, 3);
    key(Qt::Key_C, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_X, Qt::ControlModifier); // not whole rows: no cut
    EXPECT_EQ(mainWindow.clipboard, QStringList({"CellCopy", "CellPaste"}));
    EXPECT_FALSE(txtOpen());
}

TEST_F(EditingTest, RowChangesFollowTheCurrentRow) {
    grid(0).setRow(17);
    EXPECT_EQ(doc->PreviousRow, 17);
    doc->RowChangeBusy = true;
    grid(0).setRow(19);
    EXPECT_EQ(doc->PreviousRow, 17);
    doc->RowChangeBusy = false;
    grid(1).setRow(5); // any grid: the memory grid's row is kept
    EXPECT_EQ(doc->PreviousRow, 19);
}

// The selection bounds come out ascending whichever way the user dragged.
TEST_F(EditingTest, SelectionBoundsAreAscendingForADragInAnyDirection) {
    const auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(grid(0).viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(grid(0).viewport(), to);
        QTest::mouseRelease(grid(0).viewport(), Qt::LeftButton, {}, to);
        doc->SetSelection();
        return QList<int>{doc->SelTopRow, doc->SelBottomRow, doc->SelLeftCol, doc->SelRightCol};
    };
    const QPoint upperLeft = cellCentre(0, 2, 1);
    const QPoint lowerRight = cellCentre(0, 5, 3);
    EXPECT_EQ(drag(upperLeft, lowerRight), QList<int>({2, 5, 1, 3}));
    EXPECT_EQ(grid(0).row(), 2);
    EXPECT_EQ(drag(lowerRight, upperLeft), QList<int>({2, 5, 1, 3}));
    EXPECT_EQ(grid(0).row(), 5);
    EXPECT_EQ(grid(0).rowSel(), 2);
}

TEST_F(EditingTest, MovesFromAnEditorBringTheCellIntoView) {
    Program().EnterKeyNextRow = true;
    const QWidget* view = grid(0).viewport();
    const int bottom = platform::PixelsToTwips(view->y() + view->height());
    go(0, 100, col(Name));
    type("A");
    key(Qt::Key_Return);
    EXPECT_EQ(grid(0).row(), 101);
    EXPECT_GT(grid(0).topRow(), 1);
    EXPECT_LE(grid(0).topRow(), 101);
    EXPECT_LE(grid(0).cellTop() + grid(0).cellHeight(), bottom);
    EXPECT_EQ(cell(0, 100, col(Name)), "A");
}

// The highlight follows the user's clicks without undoing their selection: a
// click on a row label still selects the whole row, so Ctrl+X cuts it.
TEST_F(EditingTest, HighlightFollowsClicksAndKeepsAWholeRowSelection) {
    Program().HighlightSelectedRow = true;
    Program().HighlightColor = 8454143;
    const int last = grid(0).cols() - 1;
    QTest::mouseClick(grid(0).viewport(), Qt::LeftButton, {}, cellCentre(0, 6, 0));
    EXPECT_EQ(QPoint(grid(0).row(), grid(0).col()), QPoint(6, 1));
    EXPECT_EQ(QPoint(grid(0).rowSel(), grid(0).colSel()), QPoint(6, last));
    EXPECT_EQ(grid(0).cellBackColor(6, last), 8454143);
    EXPECT_EQ(grid(0).cellBackColor(6, 0), 0); // the channel number keeps its colour
    EXPECT_EQ(doc->PreviousRow, 6);
    EXPECT_TRUE(doc->IsRowSelected());
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(mainWindow.clipboard, QStringList{"CellCut"});

    QTest::mouseClick(grid(0).viewport(), Qt::LeftButton, {}, cellCentre(0, 8, 3));
    EXPECT_EQ(grid(0).cellBackColor(6, last), 0);
    EXPECT_EQ(grid(0).cellBackColor(8, 1), 8454143);
    EXPECT_EQ(doc->PreviousRow, 8);
}
