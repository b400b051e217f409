// Pasting into the in-place text editor, by every way the user has: only what
// the cell's key filter and length let through goes in, as if typed, and a
// cell that refuses Ctrl+V refuses every paste.

#include "EditingFixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

namespace {

enum : int { Name = 1, Notes = 10 };
constexpr int SettingColumn = 2;
constexpr int AniIdRow = 17;
constexpr int PasswordRows[] = {19, 20};

enum class Route { CtrlV, ShiftInsert, ContextMenu, MiddleButton };

const char* RouteName(Route route) {
    switch (route) {
    case Route::CtrlV:
        return "Ctrl+V";
    case Route::ShiftInsert:
        return "Shift+Insert";
    case Route::ContextMenu:
        return "context menu";
    case Route::MiddleButton:
        return "middle button";
    }
    return "";
}

// The six name bytes of a channel in a .uvd file.
QByteArray NameBytes(const QString& path, int channel) {
    return ReadFileBytes(path).mid(0x1000 + 16 * channel, 6);
}

} // namespace

class EditorPasteTest : public EditingTest {
protected:
    // Opens the text editor of a memory cell and empties it, as a user who
    // double-clicks and presses Backspace over the selected text.
    void openEmptied(int row, int logical) {
        doubleClick(0, row, GridColumnOf(logical));
        ASSERT_TRUE(txtOpen());
        key(Qt::Key_Backspace);
        ASSERT_EQ(txt().text(), QString());
    }

    void paste(Route route, const QString& text) {
        const QClipboard::Mode mode =
            route == Route::MiddleButton ? QClipboard::Selection : QClipboard::Clipboard;
        QGuiApplication::clipboard()->setText(text, mode);
        switch (route) {
        case Route::CtrlV:
            key(Qt::Key_V, Qt::ControlModifier);
            break;
        case Route::ShiftInsert:
            key(Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Route::ContextMenu: {
            dialogs.choosePopup(PasteCaption());
            const QPoint at(2, txt().height() / 2);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, txt().mapToGlobal(at));
            QApplication::sendEvent(&txt(), &event);
            break;
        }
        case Route::MiddleButton:
            QTest::mouseClick(&txt(), Qt::MiddleButton, {}, QPoint(2, txt().height() / 2));
            break;
        }
    }

    // The caption of Paste in the editor's context menu, shortcut included.
    QString PasteCaption() {
        const std::unique_ptr<QMenu> menu(txt().createStandardContextMenu());
        for (const QAction* item : menu->actions()) {
            if (item->text().startsWith(QStringLiteral("&Paste")))
                return item->text();
        }
        return QString();
    }

    // One way of pasting into a name (row nameRow and, for the length limit,
    // row longRow), a note, ANI ID and the passwords.
    void checkRoute(Route route, int nameRow, int longRow) {
        SCOPED_TRACE(RouteName(route));
        openEmptied(nameRow, Name);
        paste(route, QStringLiteral("Home"));
        EXPECT_EQ(txt().text(), "HOME");
        EXPECT_EQ(cell(0, nameRow, GridColumnOf(Name)), "HOME");
        key(Qt::Key_Tab);

        openEmptied(longRow, Name);
        paste(route, QStringLiteral("ABCDEFGHIJ"));
        EXPECT_EQ(cell(0, longRow, GridColumnOf(Name)), "ABCDEF");
        key(Qt::Key_Tab);

        openEmptied(nameRow, Notes);
        paste(route, QStringLiteral("A|B"));
        EXPECT_EQ(cell(0, nameRow, GridColumnOf(Notes)), "AB");
        key(Qt::Key_Tab);

        QList<int> refusing{AniIdRow};
        for (int row : PasswordRows)
            refusing << row;
        showTab(1);
        for (int row : refusing) {
            const QString before = cell(1, row, SettingColumn);
            go(1, row, SettingColumn);
            key(Qt::Key_Return);
            ASSERT_TRUE(txtOpen()) << row;
            paste(route, QStringLiteral("12 34"));
            EXPECT_EQ(txt().text(), before) << row;
            EXPECT_EQ(cell(1, row, SettingColumn), before) << row;
            key(Qt::Key_Tab);
        }
        showTab(0);
    }

    // The names went into the file as typed capitals would.
    void expectSavedNames(const QList<int>& homeRows, const QList<int>& longRows) {
        const QString path = tempPath(QStringLiteral("pasted.uvd"));
        doc->SaveFile(path);
        for (int row : homeRows)
            EXPECT_EQ(NameBytes(path, row), Bytes({0x11, 0x18, 0x16, 0x0E, 0xFF, 0xFF})) << row;
        for (int row : longRows)
            EXPECT_EQ(NameBytes(path, row), Bytes({0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F})) << row;
    }

    ScriptedResponder dialogs;
};

TEST_F(EditorPasteTest, EveryPasteMeetsTheCellsKeyFilterAndLength) {
    checkRoute(Route::CtrlV, 1, 5);
    checkRoute(Route::ShiftInsert, 2, 6);
    checkRoute(Route::ContextMenu, 3, 7);
    expectSavedNames({1, 2, 3}, {5, 6, 7});
}

// Only where the platform has a selection clipboard (X11).
TEST_F(EditorPasteTest, MiddleButtonPasteMeetsTheCellsKeyFilterAndLength) {
    if (!QGuiApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "this platform has no selection clipboard to paste from";
    checkRoute(Route::MiddleButton, 4, 8);
    expectSavedNames({4}, {8});
}
