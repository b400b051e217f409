// The main window with two documents open, grabbed offscreen for a look; the
// pictures stay in the test's folder.

#include "ShellFixture.h"

#include <QImage>
#include <QMdiArea>
#include <QPixmap>

namespace {

// Saves the window's picture, reads it back and checks it is the window's
// size and shows something: a picture of one colour would be a window that
// drew nothing.
void ExpectPicture(QWidget& window, const QString& path) {
    ASSERT_TRUE(window.grab().save(path));
    const QImage picture(path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), window.size() * window.devicePixelRatio());
    const QRgb first = picture.pixel(0, 0);
    bool oneColour = true;
    for (int y = 0; y < picture.height() && oneColour; ++y)
        for (int x = 0; x < picture.width() && oneColour; ++x)
            oneColour = picture.pixel(x, y) == first;
    EXPECT_FALSE(oneColour) << qPrintable(path);
}

} // namespace

TEST_F(ShellTest, ScreenshotWithTwoDocuments) {
    Start(UvdFile());
    main->mnuFileNew_Click();
    main->mnuWindowCascade_Click();
    Settle();
    ExpectPicture(*main, tempPath(QStringLiteral("shell.png")));
    main->mnuWindowTileVertical_Click();
    Settle();
    ExpectPicture(*main, tempPath(QStringLiteral("shell-tiled.png")));
}
