// VFO A/B settings, repeater shift and FM-broadcast memories.

#include "ImageTestBytes.h"

#include "program/ProgramValues.h"

#include <gtest/gtest.h>

using namespace imagetest;

TEST(VfoSettings, EnumeratedPairsUseTheirOwnBytes) {
    clsVUROVA image;
    Put(image, 0x0E37, {3});
    EXPECT_EQ(image.DisplayModeA(), "VFO");
    image.setDisplayModeA("CHANNEL+NAME");
    EXPECT_EQ(At(image, 0x0E37, 1), Bytes({2}));
    image.setDisplayModeB("CHANNEL+FREQ");
    EXPECT_EQ(At(image, 0x0E20, 1), Bytes({1}));
    Put(image, 0x0E20, {4});
    EXPECT_EQ(image.DisplayModeB(), "");

    image.setShiftDirectionB("MINUS");
    EXPECT_EQ(At(image, 0x1820, 1), Bytes({2}));
    Put(image, 0x1820, {1});
    EXPECT_EQ(image.ShiftDirectionB(), "PLUS");
    image.setShiftDirectionA("PLUS");
    image.setShiftDirectionA("minus");
    EXPECT_EQ(At(image, 0x1810, 1), Bytes({1}));

    image.setFrequencyStepA("6.25 kHz");
    image.setFrequencyStepB("100.00 kHz");
    EXPECT_EQ(At(image, 0x0E21, 1), Bytes({1}));
    EXPECT_EQ(At(image, 0x0E31, 1), Bytes({6}));
    image.setFrequencyStepB("100 kHz");
    EXPECT_EQ(image.FrequencyStepB(), "100.00 kHz");
}

TEST(VfoSettings, SquelchIsAPlainByte) {
    clsVUROVA image;
    image.setSquelchSettingB("9");
    EXPECT_EQ(At(image, 0x0E42, 1), Bytes({9}));
    Put(image, 0x0E22, {0xFF});
    EXPECT_EQ(image.SquelchSettingA(), "255");
    EXPECT_EQ(ErrorOf([&] { image.setSquelchSettingA("256"); }), 6);
    EXPECT_EQ(ErrorOf([&] { image.setSquelchSettingA("high"); }), 13);
    EXPECT_EQ(image.SquelchSettingA(), "255");
}

TEST(VfoSettings, StartChannelFallsBackToLowestUsed) {
    clsVUROVA image;
    EXPECT_EQ(image.StartChannelA(), "1");
    image.setStartChannelA("40");
    EXPECT_EQ(At(image, 0x0E45, 1), Bytes({1}));

    UseChannel(image, 7);
    UseChannel(image, 90);
    image.setStartChannelA("40");
    EXPECT_EQ(At(image, 0x0E45, 1), Bytes({7}));
    image.setStartChannelB("90");
    EXPECT_EQ(At(image, 0x0E5F, 1), Bytes({90}));
    image.setStartChannelB("200");
    EXPECT_EQ(image.StartChannelB(), "7");
    EXPECT_EQ(ErrorOf([&] { image.setStartChannelB("ninety"); }), 13);
    EXPECT_EQ(image.StartChannelB(), "7");
}

TEST(VfoShift, DigitRuleUnderPointLocale) {
    clsVUROVA image;
    image.setShiftFrequencyA("0.600");
    EXPECT_EQ(At(image, 0x1811, 4), Bytes({0, 0, 6, 0}));
    EXPECT_EQ(image.ShiftFrequencyA(), "0.600");
    Program().FrequencyFormat = FormatFiveDecimals;
    EXPECT_EQ(image.ShiftFrequencyA(), "0.60000");
    Program().FrequencyFormat = FormatSignificantDigits;

    image.setShiftFrequencyA("5.000");
    EXPECT_EQ(At(image, 0x1811, 4), Bytes({0, 5, 0, 0}));
    image.setShiftFrequencyB("12.35");
    EXPECT_EQ(At(image, 0x1821, 4), Bytes({1, 2, 3, 5}));
    EXPECT_EQ(image.ShiftFrequencyB(), "12.350");
    image.setShiftFrequencyB("0.605");
    EXPECT_EQ(At(image, 0x1821, 4), Bytes({0, 0, 6, 0}));

    Put(image, 0x1810, {0x01, 0, 1, 2, 5, 0x77});
    const QByteArray before = image.GetBytArry();
    for (const char* bad : {"", "1", "1.5", "123.00", "-1.00", "+1.00", " 1.00", "1.2x", ".50",
                            "1,00", "1.00.0", "\xd9\xa1.00"}) {
        EXPECT_EQ(ErrorOf([&] { image.setShiftFrequencyA(QString::fromUtf8(bad)); }), 13) << bad;
    }
    EXPECT_EQ(image.GetBytArry(), before);
}

TEST(VfoShift, DigitRuleUnderCommaLocaleAndErasedField) {
    clsVUROVA image;
    LocaleGuard comma(CommaLocale());
    image.setShiftFrequencyA("12,35");
    EXPECT_EQ(At(image, 0x1811, 4), Bytes({1, 2, 3, 5}));
    EXPECT_EQ(image.ShiftFrequencyA(), "12,350");
    EXPECT_EQ(ErrorOf([&] { image.setShiftFrequencyA("0.60"); }), 13);
    EXPECT_EQ(At(image, 0x1811, 4), Bytes({1, 2, 3, 5}));

    Put(image, 0x1821, {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(image.ShiftFrequencyB(), "0,000");
    Put(image, 0x1821, {0, 0, 0x0A, 0});
    EXPECT_EQ(image.ShiftFrequencyB(), "0,000");
}

TEST(VfoShift, EveryListEntryRoundTripsInBothLocales) {
    clsVUROVA image;
    for (const bool comma : {false, true}) {
        const LocaleGuard guard(comma ? CommaLocale() : QLocale());
        const QStringList list = image.ShiftFrequency_OPT();
        ASSERT_EQ(list.size(), 1400);
        EXPECT_EQ(list.first(), comma ? "0,000" : "0.000");
        EXPECT_EQ(list.at(1), comma ? "0,050" : "0.050");
        EXPECT_EQ(list.last(), comma ? "69,950" : "69.950");
        for (const QString& text : list) {
            image.setShiftFrequencyB(text);
            ASSERT_EQ(image.ShiftFrequencyB(), text);
        }
        EXPECT_EQ(At(image, 0x1821, 4), Bytes({6, 9, 9, 5}));
    }
}

TEST(FMBroadcast, ValuesOffsetsAndRounding) {
    clsVUROVA image;
    Put(image, 0x0842, {0x00, 0x73});
    EXPECT_EQ(image.FMBroadcast(1, 1), "87.5");
    Put(image, 0x0842, {0xFF, 0xFF});
    EXPECT_EQ(image.FMBroadcast(1, 1), "");
    Put(image, 0x0842, {0x00, 0x00});
    EXPECT_EQ(image.FMBroadcast(1, 1), "76.0");
    image.setFMBroadcast(1, 1, "108.0");
    EXPECT_EQ(At(image, 0x0842, 2), Bytes({0x01, 0x40}));
    EXPECT_EQ(image.FMBroadcast(1, 1), "108.0");
    image.setFMBroadcast(1, 1, "");
    EXPECT_EQ(At(image, 0x0842, 2), Bytes({0xFF, 0xFF}));

    Put(image, 0x0892, {0xFF, 0xFF});
    const QByteArray before = image.GetBytArry();
    image.setFMBroadcast(2, 9, "88.1");
    EXPECT_EQ(DifferingOffsets(before, image.GetBytArry()), (QList<int>{0x0892, 0x0893}));
    EXPECT_EQ(At(image, 0x0892, 2), Bytes({0x00, 0x79}));
    image.setFMBroadcast(0, 9, "88.15"); // any bank but 2 is bank 1; half to even: 122
    EXPECT_EQ(At(image, 0x0852, 2), Bytes({0x00, 0x7A}));
    image.setFMBroadcast(3, 9, "88.25");
    EXPECT_EQ(At(image, 0x0852, 2), Bytes({0x00, 0x7A}));
    image.setFMBroadcast(1, 2, "50"); // no range check: wraps to 16 bits
    EXPECT_EQ(At(image, 0x0844, 2), Bytes({0xFE, 0xFC}));

    const QByteArray kept = image.GetBytArry();
    EXPECT_EQ(ErrorOf([&] { image.setFMBroadcast(1, 1, "FM"); }), 13);
    EXPECT_EQ(ErrorOf([&] { image.setFMBroadcast(1, 0, "88.0"); }), 9);
    EXPECT_EQ(ErrorOf([&] { image.setFMBroadcast(2, 10, "88.0"); }), 9);
    EXPECT_EQ(ErrorOf([&] { image.FMBroadcast(1, 10); }), 9);
    EXPECT_EQ(image.GetBytArry(), kept);

    LocaleGuard comma(CommaLocale());
    image.setFMBroadcast(2, 1, "87,5");
    EXPECT_EQ(At(image, 0x0882, 2), Bytes({0x00, 0x73}));
    EXPECT_EQ(image.FMBroadcast(2, 1), "87,5");
    EXPECT_EQ(ErrorOf([&] { image.setFMBroadcast(2, 1, "87.5"); }), 13);
}

TEST(VfoOptionLists, CountsAndEnds) {
    const clsVUROVA image;
    EXPECT_EQ(image.FrequencyStep_OPT(),
              (QStringList{"5.00 kHz", "6.25 kHz", "10.00 kHz", "12.50 kHz", "25.00 kHz",
                           "50.00 kHz", "100.00 kHz"}));
    const QStringList squelch = image.SquelchSetting_OPT();
    ASSERT_EQ(squelch.size(), 10);
    EXPECT_EQ(squelch.first(), "0");
    EXPECT_EQ(squelch.last(), "9");
    EXPECT_EQ(image.DisplayMode_OPT(),
              (QStringList{"CHANNEL", "CHANNEL+FREQ", "CHANNEL+NAME", "VFO"}));
    EXPECT_EQ(image.ShiftDirection_OPT(), (QStringList{"OFF", "PLUS", "MINUS"}));
}
