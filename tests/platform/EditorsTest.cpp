#include "WidgetTestUtil.h"

#include "platform/core/RuntimeError.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/FocusModel.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/TextEdit.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

using namespace platform;

namespace {

// A window like the document's: a grid, the two editors and a plain button,
// all children of one parent.
class EditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid = new FlexGrid(&window);
        grid->setGeometry(0, 0, 300, 200);
        text = new TextEdit(&window);
        text->setGeometry(0, 210, 100, 20);
        list = new ListEdit(&window);
        list->setGeometry(110, 210, 100, 20);
        button = new QPushButton(QStringLiteral("Other"), &window);
        button->setGeometry(220, 210, 60, 20);
        for (const char* entry : {"OFF", "ON", "WIDE"})
            list->addItem(QString::fromLatin1(entry));
        window.showActive();
        ASSERT_TRUE(grid->takeFocus());
        record();
    }

    void record() {
        auto note = [this](const char* line) { return [this, line] { log.add(line); }; };
        QObject::connect(grid, &FlexGrid::GotFocus, note("Grid GotFocus"));
        QObject::connect(grid, &FlexGrid::LostFocus, note("Grid LostFocus"));
        QObject::connect(grid, &FlexGrid::MouseDown, note("Grid MouseDown"));
        QObject::connect(text, &TextEdit::GotFocus, note("Txt GotFocus"));
        QObject::connect(text, &TextEdit::LostFocus, note("Txt LostFocus"));
        QObject::connect(text, &TextEdit::Change,
                         [this] { log.add("Txt Change " + text->text()); });
        QObject::connect(list, &ListEdit::GotFocus, note("Cbo GotFocus"));
        QObject::connect(list, &ListEdit::LostFocus, note("Cbo LostFocus"));
        QObject::connect(list, &ListEdit::Click, [this] { log.add("Cbo Click " + list->text()); });
        QObject::connect(text, &TextEdit::KeyDown, [this](int& code, int shift) {
            log.add(QStringLiteral("Txt KeyDown %1 %2").arg(code).arg(shift));
        });
        QObject::connect(list, &ListEdit::KeyDown, [this](int& code, int shift) {
            log.add(QStringLiteral("Cbo KeyDown %1 %2").arg(code).arg(shift));
        });
    }

    ShownWindow window;
    FlexGrid* grid = nullptr;
    TextEdit* text = nullptr;
    ListEdit* list = nullptr;
    QPushButton* button = nullptr;
    EventLog log;
};

TEST_F(EditorsTest, TakingTheFocusRaisesLostThenGotBeforeItReturns) {
    ASSERT_TRUE(text->takeFocus());
    EXPECT_EQ(log.lines, (QStringList{"Grid LostFocus", "Txt GotFocus"}));
    EXPECT_TRUE(text->hasFocus());
    ASSERT_TRUE(list->takeFocus());
    ASSERT_TRUE(list->takeFocus());
    EXPECT_EQ(log.lines,
              (QStringList{"Grid LostFocus", "Txt GotFocus", "Txt LostFocus", "Cbo GotFocus"}));
}

TEST_F(EditorsTest, ALostFocusHandlerThatHidesItselfAndFocusesTheGridRaisesEachEventOnce) {
    // The editor's commit: hide the editor, give the grid the focus.
    QObject::connect(text, &TextEdit::LostFocus, [this] {
        text->hide();
        grid->takeFocus();
    });
    text->show();
    text->takeFocus();
    log.clear();
    grid->takeFocus();
    EXPECT_EQ(log.lines, (QStringList{"Txt LostFocus", "Grid GotFocus"}));
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(EditorsTest, ALostFocusHandlerDecidesWhereTheFocusEnds) {
    QObject::connect(text, &TextEdit::LostFocus, [this] { list->takeFocus(); });
    text->takeFocus();
    log.clear();
    grid->takeFocus();
    EXPECT_EQ(log.lines, (QStringList{"Txt LostFocus", "Cbo GotFocus"}));
    EXPECT_TRUE(list->hasFocus());
}

TEST_F(EditorsTest, AClickOnTheGridCommitsTheEditorBeforeMouseDown) {
    text->takeFocus();
    log.clear();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(80, 30));
    EXPECT_EQ(log.lines, (QStringList{"Txt LostFocus", "Grid GotFocus", "Grid MouseDown"}));
}

TEST_F(EditorsTest, HidingOrDisablingTheFocusedEditorIsAFocusLoss) {
    text->takeFocus();
    log.clear();
    text->hide();
    ASSERT_FALSE(log.lines.isEmpty());
    EXPECT_EQ(log.lines.first(), "Txt LostFocus");

    text->show();
    list->takeFocus();
    log.clear();
    list->setEnabled(false);
    ASSERT_FALSE(log.lines.isEmpty());
    EXPECT_EQ(log.lines.first(), "Cbo LostFocus");
    EXPECT_EQ(log.lines.count("Cbo LostFocus"), 1);
}

TEST_F(EditorsTest, ThePopupOfTheListIsNoFocusLoss) {
    list->takeFocus();
    log.clear();
    list->showPopup();
    ASSERT_TRUE(list->view()->isVisible());
    QApplication::processEvents();
    list->hidePopup();
    QApplication::processEvents();
    EXPECT_TRUE(log.lines.isEmpty()) << log.lines.join(", ").toStdString();
}

TEST_F(EditorsTest, AnotherWindowTakingTheFocusIsNoFocusChange) {
    text->takeFocus();
    log.clear();
    ShownWindow other;
    other.showActive();
    window.showActive();
    EXPECT_TRUE(log.lines.isEmpty()) << log.lines.join(", ").toStdString();
    EXPECT_TRUE(text->hasFocus());
}

TEST_F(EditorsTest, FocusOnAControlOfAnotherKindRaisesLostFocusOnly) {
    text->takeFocus();
    log.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    button->setFocus();
    EXPECT_EQ(log.lines, QStringList{"Txt LostFocus"});
    text->takeFocus();
    EXPECT_EQ(log.lines, (QStringList{"Txt LostFocus", "Txt GotFocus"}));
}

// Hiding or disabling an editor without the focus raises nothing either.
TEST_F(EditorsTest, AHiddenOrDisabledControlCannotTakeTheFocus) {
    text->hide();
    EXPECT_FALSE(text->takeFocus());
    list->setEnabled(false);
    EXPECT_FALSE(list->takeFocus());
    EXPECT_TRUE(log.lines.isEmpty());
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(EditorsTest, ModelsBelongToTheNearestWindowThatHasOne) {
    QWidget inner(&window);
    FocusModel* own = FocusModel::Attach(&inner);
    EXPECT_EQ(FocusModel::Attach(&inner), own);
    TextEdit nested(&inner);
    EXPECT_EQ(FocusModel::For(&nested), own);
    EXPECT_EQ(FocusModel::For(text), FocusModel::For(grid));
    EXPECT_NE(FocusModel::For(text), own);
}

// --- the text editor ----------------------------------------------------------

TEST_F(EditorsTest, MaxLengthLimitsTypingButNeverTextSetFromCode) {
    text->takeFocus();
    text->setMaxLength(3);
    text->setText("abcdef");
    EXPECT_EQ(text->text(), "abcdef");
    text->setSelStart(6);
    QTest::keyClicks(text, "g");
    EXPECT_EQ(text->text(), "abcdef");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClicks(text, "x");
    EXPECT_EQ(text->text(), "abc") << "typing stays refused while the text fills the limit";
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClicks(text, "xy");
    EXPECT_EQ(text->text(), "abx");
    text->setText("");
    QTest::keyClicks(text, "12345");
    EXPECT_EQ(text->text(), "123");
}

TEST_F(EditorsTest, MaxLengthCutsWhatIsPasted) {
    text->takeFocus();
    text->setMaxLength(6);
    QGuiApplication::clipboard()->setText("145.500000\r\nmore");
    text->setText("1");
    text->setSelStart(1);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text->text(), "1145.5");
    // Pasting over a selection makes room for what it replaces.
    text->setSelStart(0);
    text->setSelLength(6);
    QGuiApplication::clipboard()->setText("ABCDEFGH");
    QTest::keyClick(text, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(text->text(), "ABCDEF");
    text->setMaxLength(0);
    text->setText("");
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text->text(), "ABCDEFGH");
}

TEST_F(EditorsTest, KeyPressCanSwallowOrReplaceTheCharacter) {
    QObject::connect(text, &TextEdit::KeyPress, [](int& ascii) {
        if (ascii >= 'a' && ascii <= 'z')
            ascii -= 32;
        else if (ascii == '!' || ascii == 22)
            ascii = 0;
    });
    text->takeFocus();
    text->setMaxLength(6);
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClicks(text, "ab!c");
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text->text(), "ABC");
}

TEST_F(EditorsTest, ChangeFollowsTypingAndCodeAlike) {
    text->takeFocus();
    log.clear();
    text->setText("7");
    text->setSelStart(1);
    QTest::keyClick(text, '1');
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(log.lines, (QStringList{"Txt Change 7", "Txt KeyDown 49 0", "Txt Change 71",
                                      "Txt KeyDown 8 0", "Txt Change 7"}));
}

TEST_F(EditorsTest, TabAndEnterReachTheTextEditorsHandlers) {
    text->takeFocus();
    log.clear();
    QTest::keyClick(text, Qt::Key_Tab);
    QTest::keyClick(text, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(log.lines, (QStringList{"Txt KeyDown 9 0", "Txt KeyDown 16 1", "Txt KeyDown 9 1",
                                      "Txt KeyDown 13 0"}));
    EXPECT_TRUE(text->hasFocus());
    EXPECT_EQ(text->text(), "");
}

TEST_F(EditorsTest, KeyDownSetToZeroCancelsAnEditingKey) {
    QObject::connect(text, &TextEdit::KeyDown, [](int& code, int) {
        if (code == 46)
            code = 0;
    });
    text->takeFocus();
    text->setText("abc");
    text->setSelStart(0);
    QTest::keyClick(text, Qt::Key_Delete);
    EXPECT_EQ(text->text(), "abc");
}

TEST_F(EditorsTest, SelStartAndSelLengthSelectAsTheProgramExpects) {
    text->setText("145.500");
    text->setSelStart(0);
    text->setSelLength(static_cast<int>(text->text().size()));
    EXPECT_EQ(text->selectedText(), "145.500");
    text->setSelStart(3);
    EXPECT_EQ(text->selLength(), 0);
    EXPECT_EQ(text->selStart(), 3);
    text->setSelLength(99);
    EXPECT_EQ(text->selectedText(), ".500");
}

// --- the list editor ----------------------------------------------------------

TEST_F(EditorsTest, AddingEntriesChoosesNone) {
    EXPECT_EQ(list->listCount(), 3);
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(list->text(), "");
    EXPECT_EQ(list->list(2), "WIDE");
    EXPECT_EQ(list->list(3), "");
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(EditorsTest, ClickFollowsEveryChangeOfTheChosenEntry) {
    list->setText("ON");
    list->setText("ON");
    list->setListIndex(2);
    list->setText("on"); // no entry has it: none chosen, no click
    EXPECT_EQ(list->listIndex(), -1);
    list->setListIndex(0);
    list->clear();
    EXPECT_EQ(log.lines, (QStringList{"Cbo Click ON", "Cbo Click WIDE", "Cbo Click OFF"}));
    EXPECT_THROW(list->setListIndex(0), RuntimeError);
}

TEST_F(EditorsTest, ArrowKeysOnTheListChooseAndClick) {
    list->takeFocus();
    list->setListIndex(0);
    log.clear();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(log.lines, (QStringList{"Cbo KeyDown 40 0", "Cbo Click ON"}));
}

TEST_F(EditorsTest, TabReachesTheListAlsoWhileItIsOpen) {
    list->takeFocus();
    log.clear();
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_TRUE(list->hasFocus());
    list->showPopup();
    QTest::keyClick(list->view(), Qt::Key_Tab);
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_EQ(log.lines, (QStringList{"Cbo KeyDown 9 0", "Cbo KeyDown 9 0"}));
}

} // namespace
