#include "LinkTestSupport.h"

#include "link/CloneProtocol.h"

#include <gtest/gtest.h>

using namespace clonelink;

TEST(CloneProtocol, FramesHoldTheirExactBytes) {
    EXPECT_EQ(HiVurovaCommand(), Bytes({0x48, 0x69, 0x57, 0x4F, 0x55, 0x58, 0x55, 0x4E, 0x02}));
    EXPECT_EQ(IdentifyCommand(), Bytes({0x02}));
    EXPECT_EQ(AckByte(), Bytes({0x06}));
    EXPECT_EQ(ReadBlockCommand(0x0000), Bytes({0x52, 0x00, 0x00, 0x40}));
    EXPECT_EQ(ReadBlockCommand(0x1FC0), Bytes({0x52, 0x1F, 0xC0, 0x40}));
    EXPECT_EQ(ReadBlockCommand(BandLimitBlockAddress), Bytes({0x52, 0x09, 0x70, 0x40}));
    EXPECT_EQ(WriteBlockCommand(0x0010), Bytes({0x57, 0x00, 0x10, 0x10}));
    EXPECT_EQ(WriteBlockCommand(0x1FF0), Bytes({0x57, 0x1F, 0xF0, 0x10}));
}

// The probe tests send the other answers over the wire; these two are checked
// here.
TEST(CloneProtocol, ProbeAnswersOfNoOrNineBytesAreRefused) {
    EXPECT_EQ(ClassifyProbeAnswer(Bytes({0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x00})),
              ProbeAnswer::Refused);
    EXPECT_EQ(ClassifyProbeAnswer(QByteArray()), ProbeAnswer::Refused);
}

// Six bytes are not an identity; bytes above 127 become their single-byte
// characters, not replacement marks.
TEST(CloneProtocol, ModelText) {
    EXPECT_EQ(ModelText(Bytes({0x4B, 0x47, 0x36, 0x36, 0x39, 0x56})), QString());
    EXPECT_EQ(ModelText(Bytes({0x80, 0x41, 0x42, 0x43, 0x44, 0xE9, 0x00})),
              QString::fromUtf8("\u20ac"
                                "ABCD\u00e9"));
}

// The log's counts have at least two digits; a count of 100 or more is not cut.
TEST(CloneProtocol, LogCountsKeepEveryDigit) {
    EXPECT_EQ(LogCount(0), "00");
    EXPECT_EQ(LogCount(100), "100");
}

TEST(CloneProtocol, TimeStamps) {
    EXPECT_EQ(TimeOfDayStamp(100.5, 100.0), "0.5000");
    EXPECT_EQ(TimeOfDayStamp(3.0, 86398.0), "5.0000"); // across midnight
    // The time-of-day clock keeps single precision: late in the day the
    // stamps move in steps of a few milliseconds.
    EXPECT_EQ(TimeOfDayStamp(80000.0 + 1.0 / 1024, 80000.0), "0.0000");
    EXPECT_EQ(CounterStamp(12.3456, 12.0), "0.3456");
    EXPECT_EQ(CounterStamp(1000.0001, 1000.0), "0.0001");
}
