// Faults found by using the program as a user does, under a real display.

#include "ShellFixture.h"

#include "platform/core/Measures.h"
#include "platform/core/Settings.h"

#include <QAction>
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
