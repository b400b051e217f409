#include "platform/core/Measures.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Measures, TwipsToPixelsRoundsToNearest) {
    EXPECT_EQ(TwipsToPixels(9990), 666);
    EXPECT_EQ(TwipsToPixels(7), 0);
    EXPECT_EQ(TwipsToPixels(8), 1);
    EXPECT_EQ(TwipsToPixels(22), 1);
    EXPECT_EQ(TwipsToPixels(23), 2);
    EXPECT_EQ(TwipsToPixels(-8), -1);
    EXPECT_EQ(PixelsToTwips(666), 9990);
}
