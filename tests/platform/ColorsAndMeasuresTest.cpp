#include "platform/core/Measures.h"
#include "platform/widgets/Colors.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A palette whose roles are all told apart, so a wrong role shows.
QPalette DistinctPalette() {
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Button, QColor(7, 8, 9));
    palette.setColor(QPalette::ButtonText, QColor(10, 11, 12));
    palette.setColor(QPalette::Highlight, QColor(13, 14, 15));
    palette.setColor(QPalette::HighlightedText, QColor(16, 17, 18));
    palette.setColor(QPalette::Window, QColor(19, 20, 21));
    return palette;
}

} // namespace

TEST(Colors, SystemColoursTakeTheirPaletteRole) {
    const QPalette palette = DistinctPalette();
    EXPECT_EQ(ColorFromNumber(-2147483643, palette), QColor(1, 2, 3)); // &H80000005
    EXPECT_EQ(ColorFromNumber(ColorWindowText, palette), QColor(4, 5, 6));
    EXPECT_EQ(ColorFromNumber(ColorButtonFace, palette), QColor(7, 8, 9));
    EXPECT_EQ(ColorFromNumber(ColorButtonText, palette), QColor(10, 11, 12));
    EXPECT_EQ(ColorFromNumber(ColorHighlight, palette), QColor(13, 14, 15));
    EXPECT_EQ(ColorFromNumber(ColorHighlightText, palette), QColor(16, 17, 18));
    // An index no role stands for falls back to the window background.
    EXPECT_EQ(ColorFromNumber(SystemColor(0x7F), palette), QColor(1, 2, 3));
}

TEST(Colors, DefaultPaletteIsTheApplications) {
    EXPECT_EQ(ColorFromNumber(-2147483643), QGuiApplication::palette().color(QPalette::Base));
}

TEST(Colors, NumbersAreBlueGreenRed) {
    EXPECT_EQ(ColorFromNumber(8454143), QColor(255, 255, 128));
    EXPECT_EQ(ColorFromNumber(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromNumber(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromNumber(0), QColor(0, 0, 0));

    EXPECT_EQ(NumberFromColor(QColor(255, 255, 128)), 8454143);
    EXPECT_EQ(NumberFromColor(QColor(255, 255, 255)), 0xFFFFFF);
    EXPECT_EQ(NumberFromColor(QColor::fromHsv(0, 255, 255)), 0x0000FF); // any spec is read as RGB
    for (const int32_t number : {0, 1, 0x123456, 0xFFFFFF, 8454143}) {
        EXPECT_EQ(NumberFromColor(ColorFromNumber(number)), number);
    }
}

TEST(Measures, TwipsToPixelsRoundsToNearest) {
    EXPECT_EQ(TwipsToPixels(9990), 666);
    EXPECT_EQ(TwipsToPixels(7), 0);
    EXPECT_EQ(TwipsToPixels(8), 1);
    EXPECT_EQ(TwipsToPixels(22), 1);
    EXPECT_EQ(TwipsToPixels(23), 2);
    EXPECT_EQ(TwipsToPixels(-8), -1);
    EXPECT_EQ(PixelsToTwips(666), 9990);
}
