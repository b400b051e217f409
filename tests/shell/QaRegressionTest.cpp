// Faults found by using the program as a user does, under a real display.

#include "ShellFixture.h"

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
