// Faults found by using the program as a user does, under a real display.

#include "ShellFixture.h"

#include "platform/core/Measures.h"
#include "platform/core/Settings.h"

#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FlexGrid.h"

#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>

// Maximizing a document window and restoring it hides and shows its frame on
// the way; the document stays open, active and editable throughout.
TEST_F(ShellTest, MaximizedAndRestoredDocumentStaysOpenAndActive) {
    Start(UvdFile());
    IDocument* document = main->ActiveDocument();
    QMdiSubWindow* frame = main->MdiArea()->subWindowList().at(0);

    frame->showMaximized();
    Settle();
    EXPECT_EQ(main->Documents().size(), 1u);
    EXPECT_EQ(main->ActiveDocument(), document);
    EXPECT_TRUE(Enabled("mnuEdit"));
    EXPECT_TRUE(Enabled("mnuWrite"));
    EXPECT_TRUE(ButtonEnabled(19));

    frame->showNormal();
    Settle();
    EXPECT_EQ(main->Documents().size(), 1u);
    EXPECT_EQ(main->ActiveDocument(), document);
    EXPECT_TRUE(Enabled("mnuMemories"));
}

// A document that opens maximized restores to the design size, and its opening
// stores no size over the one the user left.
TEST_F(ShellTest, DocumentOpenedMaximizedRestoresToTheDesignSize) {
    platform::SaveInt(QStringLiteral("Settings"), QStringLiteral("DocWindowState"), 2);
    platform::SaveInt(QStringLiteral("Settings"), QStringLiteral("DocWidth"), 7500);
    platform::SaveInt(QStringLiteral("Settings"), QStringLiteral("DocHeight"), 4500);
    Start();
    QMdiSubWindow* frame = main->MdiArea()->subWindowList().at(0);
    ASSERT_TRUE(frame->isMaximized());
    EXPECT_EQ(platform::GetSetting(QStringLiteral("Settings"), QStringLiteral("DocWidth")),
              QStringLiteral("7500"));
    EXPECT_EQ(platform::GetSetting(QStringLiteral("Settings"), QStringLiteral("DocHeight")),
              QStringLiteral("4500"));

    frame->showNormal();
    Settle();
    EXPECT_EQ(frame->size(), QSize(platform::TwipsToPixels(8430), platform::TwipsToPixels(4725)));
}

// The read opens its window straight after the new document, whose grids are
// still disabled. The new document must hold the main window's focus, or the
// window that had it becomes the active one again when the read window closes
// and the next Save or Write goes to it.
TEST_F(ShellTest, NewDocumentTakesTheFocusFromTheDocumentBefore) {
    Start(UvdFile());
    main->ActiveDocument()->MSFlexGrid1(0)->setFocus();
    main->mnuFileNew_Click();
    IDocument* fresh = main->ActiveDocument();
    QMdiSubWindow* frame = main->MdiArea()->subWindowList().at(1);
    ASSERT_EQ(frame->widget(), fresh->Window());
    QWidget* focus = main->focusWidget();
    EXPECT_TRUE(focus == frame || frame->isAncestorOf(focus))
        << (focus ? focus->metaObject()->className() : "no focus");

    dialogs.runModal([](QDialog& dialog) { dialog.accept(); });
    QDialog dialog(main.get());
    platform::ExecModal(&dialog);
    Settle();
    EXPECT_EQ(main->ActiveDocument(), fresh);
}
