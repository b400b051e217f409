// Find: the dialog run for real from Memories > Find..., and the search it
// drives on the active document's memory grid.

#include "ShellFixture.h"

#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "shell/frmFind.h"
#include "support/WindowFit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace {

// Row, Col, RowSel, ColSel, TopRow.
QList<int> Selection(const platform::FlexGrid& grid) {
    return {grid.row(), grid.col(), grid.rowSel(), grid.colSel(), grid.topRow()};
}

} // namespace

class FindTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start(UvdFile());
        document = main->ActiveDocument();
        grid().setTextMatrix(3, GridColumnOf(ColName), QStringLiteral("ALPHA"));
        grid().setTextMatrix(9, GridColumnOf(ColName), QStringLiteral("ALPHA"));
    }

    platform::FlexGrid& grid() { return *document->MSFlexGrid1(0); }

    // Opens the dialog through its menu item; work runs while it is shown,
    // and the dialog is closed after it with its Cancel button.
    void withDialog(const std::function<void(frmFind&)>& work) {
        dialogs.runModal([work](QDialog& dialog) {
            auto& find = static_cast<frmFind&>(dialog);
            work(find);
            find.Command2()->click();
        });
        main->mnuFind()->trigger();
        EXPECT_EQ(dialogs.pending(), 0);
    }

    IDocument* document = nullptr;
};

TEST_F(FindTest, FindNextWalksTheHitsThenSaysSoAndStartsOver) {
    withDialog([this](frmFind& find) {
        EXPECT_EQ(find.windowTitle(), QStringLiteral("Find"));
        EXPECT_EQ(find.Combo1()->currentText(), QStringLiteral("All"));
        find.Combo1()->setCurrentIndex(1);
        EXPECT_EQ(find.Combo1()->currentText(), QStringLiteral("Name   "));
        find.Text1()->setText(QStringLiteral("ALP"));

        find.Command1()->click();
        EXPECT_EQ(Selection(grid()), QList<int>({3, 0, 3, 10, 3}));
        EXPECT_EQ(grid().highLight(), platform::flexHighlightAlways);
        find.Command1()->click();
        EXPECT_EQ(Selection(grid()), QList<int>({9, 0, 9, 10, 9}));
        dialogs.answerMessage(platform::vbOK);
        find.Command1()->click();
        EXPECT_EQ(Selection(grid()), QList<int>({9, 0, 9, 10, 9}));
        find.Command1()->click();
        EXPECT_EQ(Selection(grid()), QList<int>({3, 0, 3, 10, 3}));
    });
    ASSERT_EQ(dialogs.shown().size(), 2);
    const platform::DialogCall& box = dialogs.shown().last();
    EXPECT_EQ(box.text, QStringLiteral("Search text is not found."));
    EXPECT_EQ(box.title, QStringLiteral("KG-UV Ferrowind"));
    EXPECT_EQ(box.icon, platform::vbExclamation);
    EXPECT_EQ(box.buttons, platform::vbOKOnly);
}

// A hit selects from column 0, so a copy right after it is no whole-row copy.
TEST_F(FindTest, FrequenciesAreFoundInTheirColumnsOnly) {
    grid().setTextMatrix(5, GridColumnOf(ColRXFreq), QStringLiteral("145.50000"));
    main->Find(QStringLiteral("145.5"), frmFind::ScopeAll);
    EXPECT_EQ(Selection(grid()), QList<int>({5, 0, 5, 10, 5}));
    main->CellCopy();
    EXPECT_FALSE(main->ClipWholeRows);

    main->FindRow = 0;
    dialogs.answerMessage(platform::vbOK);
    main->Find(QStringLiteral("145.5"), frmFind::ScopeNotes);
    EXPECT_EQ(dialogs.messages(), QStringList{"Search text is not found."});
}

TEST_F(FindTest, TheTextBoxFiltersTypingByScopeAndEnterSearchesOnce) {
    withDialog([this](frmFind& find) {
        platform::TextEdit* text = find.Text1();
        find.Combo1()->setCurrentIndex(frmFind::ScopeName);
        QTest::keyClicks(text, "a!lphabet");
        EXPECT_EQ(text->text(), QStringLiteral("ALPHAB"));
        find.Combo1()->setCurrentIndex(frmFind::ScopeRXFreq);
        text->clear();
        QTest::keyClicks(text, "14x5.5,0000000");
        EXPECT_EQ(text->text(), QStringLiteral("145.50000"));
        // A shorter limit keeps a longer text and only stops more typing.
        find.Combo1()->setCurrentIndex(frmFind::ScopeName);
        QTest::keyClicks(text, "X");
        EXPECT_EQ(text->text(), QStringLiteral("145.50000"));

        text->setText(QStringLiteral("ALP"));
        QTest::keyClick(text, Qt::Key_Return);
        EXPECT_EQ(grid().row(), 3);
        QTest::keyClick(text, Qt::Key_Return);
        EXPECT_EQ(grid().row(), 9);
        EXPECT_EQ(text->text(), QStringLiteral("ALP"));
        EXPECT_TRUE(find.isVisible());
        EXPECT_EQ(CutCaptions(find), "");
    });
    EXPECT_EQ(dialogs.shown().size(), 1); // the dialog, no box
}

// The item and the toolbar button can stay enabled from another document's
// memory tab; a document showing a settings tab is not searched.
TEST_F(FindTest, NoDialogWhileTheActiveDocumentShowsASettingsTab) {
    document->SSTab1()->setTab(1);
    main->mnuFileNew_Click();
    ASSERT_TRUE(main->ActiveDocument()->OpenFile(UvdFile(QStringLiteral("other.uvd"))));
    main->ActiveDocument()->SSTab1()->setTab(2);
    main->ActiveDocument()->SSTab1()->setTab(0);
    main->MdiArea()->setActiveSubWindow(main->MdiArea()->subWindowList()[0]);
    ASSERT_EQ(main->ActiveDocument(), document);
    ASSERT_TRUE(Enabled("mnuFind"));
    ASSERT_TRUE(ButtonEnabled(9));

    main->mnuFind()->trigger();
    main->tbToolBar_ButtonClick(QStringLiteral("Find"));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

// A user's steps: another window left on a settings tab greys Find out; the
// toolbar's Find still opens the dialog. After Find Next and Cancel the cursor
// stands in column 0, and Right goes on to the name beside it.
TEST_F(FindTest, ToolbarFindThenRightEditsTheNameOfTheRowFound) {
    document->SSTab1()->setTab(1);
    main->mnuFileNew_Click();
    const QString other = UvdFile(QStringLiteral("other.uvd"));
    dialogs.answerOpenFile(other);
    main->mnuFileOpen_Click();
    document = main->ActiveDocument();
    ASSERT_FALSE(Enabled("mnuFind"));
    dialogs.runModal([](QDialog& dialog) {
        auto& find = static_cast<frmFind&>(dialog);
        find.Text1()->setText(QStringLiteral("UHF"));
        find.Command1()->click();
        find.Command2()->click();
    });
    QTest::mouseClick(main->tbToolBar()->widgetForAction(main->tbButton(9)), Qt::LeftButton);
    ASSERT_EQ(dialogs.pending(), 0);
    ASSERT_EQ(grid().row(), 2);
    ASSERT_EQ(grid().col(), 0);

    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    ASSERT_TRUE(grid().takeFocus());
    QTest::keyClick(&grid(), Qt::Key_Right);
    EXPECT_EQ(grid().col(), GridColumnOf(ColName));
    EXPECT_EQ(grid().textMatrix(0, grid().col()).trimmed(), QStringLiteral("Name"));
    for (const char key : QByteArrayLiteral("REPTR1"))
        QTest::keyClick(QApplication::focusWidget(), key); // the first opens the editor
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    main->mnuFileSave_Click();
    main->mnuFileNew_Click();
    ASSERT_TRUE(main->ActiveDocument()->OpenFile(other));
    EXPECT_EQ(Cell(main->ActiveDocument(), 2, ColName), QStringLiteral("REPTR1"));
}
