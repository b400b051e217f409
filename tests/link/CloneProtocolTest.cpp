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

TEST(CloneProtocol, ProbeAnswersAcceptedAndRefused) {
    EXPECT_EQ(ClassifyProbeAnswer(Bytes({0x06})), ProbeAnswer::Accepted);
    EXPECT_EQ(ClassifyProbeAnswer(Bytes({0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56})),
              ProbeAnswer::AcceptedWithId);
    EXPECT_EQ(ClassifyProbeAnswer(Bytes({0x15})), ProbeAnswer::Refused);
    EXPECT_EQ(ClassifyProbeAnswer(Bytes({0x06, 0x06})), ProbeAnswer::Refused);
    EXPECT_EQ(ClassifyProbeAnswer(Bytes({0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39})),
              ProbeAnswer::Refused);
    EXPECT_EQ(ClassifyProbeAnswer(Bytes({0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x57})),
              ProbeAnswer::Refused);
    EXPECT_EQ(ClassifyProbeAnswer(Bytes({0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x00})),
              ProbeAnswer::Refused);
    EXPECT_EQ(ClassifyProbeAnswer(QByteArray()), ProbeAnswer::Refused);
    EXPECT_EQ(RadioModel(), QStringLiteral("KG669V"));
}

TEST(CloneProtocol, ModelTextTakesSixBytesOfSevenOrEight) {
    EXPECT_EQ(ModelText(Bytes({0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x99})), "KG669V");
    EXPECT_EQ(ModelText(Bytes({0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x99})), "KG669V");
    EXPECT_EQ(ModelText(Bytes({0x4B, 0x47, 0x36, 0x36, 0x39, 0x56})), QString());
    EXPECT_EQ(ModelText(Bytes({0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56, 0x00, 0x00})), QString());
    // Bytes above 127 become their single-byte characters, not replacement marks.
    EXPECT_EQ(ModelText(Bytes({0x80, 0x41, 0x42, 0x43, 0x44, 0xE9, 0x00})),
              QString::fromUtf8("\u20ac"
                                "ABCD\u00e9"));
}

TEST(CloneProtocol, HexDumpAndCounts) {
    EXPECT_EQ(ParseBytes(Bytes({0x06, 0x06, 0x4B})), "06 06 4B");
    EXPECT_EQ(ParseBytes(Bytes({0x00, 0x0A, 0xFF})), "00 0A FF");
    EXPECT_EQ(ParseBytes(QByteArray()), QString());
    EXPECT_EQ(LogCount(0), "00");
    EXPECT_EQ(LogCount(9), "09");
    EXPECT_EQ(LogCount(68), "68");
    EXPECT_EQ(LogCount(100), "100");
}

TEST(CloneProtocol, LogLineFormats) {
    EXPECT_EQ(TxLine("0.0156", HiVurovaCommand()),
              "0.0156   TX --> [09]    48 69 57 4F 55 58 55 4E 02");
    EXPECT_EQ(RxLine("1.2500", Bytes({0x06})), "1.2500   RX <-- [01]    06");
    EXPECT_EQ(NoResponseLine("0.9999"), "0.9999   RX --> [00]    No Response");
    EXPECT_EQ(BufferDumpLine(Bytes({0x52, 0x00})), "BUFFER DUMP <-- [02]    52 00");
    EXPECT_EQ(BufferDumpLine(QByteArray()), "BUFFER DUMP <-- [00]    ");
}

TEST(CloneProtocol, PercentRoundsHalvesToEven) {
    const int detection[16] = {6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100};
    for (int p = 1; p <= 16; ++p)
        EXPECT_EQ(Percent(p, 16), detection[p - 1]) << "port " << p;
    EXPECT_EQ(Percent(1, 3), 33);
    EXPECT_EQ(Percent(2, 3), 67);
    EXPECT_EQ(Percent(64, 8192), 1);
    EXPECT_EQ(Percent(1024, 8192), 12);
    EXPECT_EQ(Percent(3072, 8192), 38);
    EXPECT_EQ(Percent(5120, 8192), 62);
    EXPECT_EQ(Percent(7168, 8192), 88);
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
