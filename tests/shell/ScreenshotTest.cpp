// The main window with two documents open, grabbed offscreen for a look.

#include "ShellFixture.h"

#include <QMdiArea>
#include <QPixmap>

TEST_F(ShellTest, ScreenshotWithTwoDocuments) {
    Start(UvdFile());
    main->mnuFileNew_Click();
    main->mnuWindowCascade_Click();
    Settle();
    EXPECT_TRUE(main->grab().save(QStringLiteral("/tmp/shell.png")));
    main->mnuWindowTileVertical_Click();
    Settle();
    EXPECT_TRUE(main->grab().save(QStringLiteral("/tmp/shell-tiled.png")));
}
