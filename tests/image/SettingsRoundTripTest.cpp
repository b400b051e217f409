// Feeding every settings, VFO and FM getter's text back to its setter, as the
// grid transfer does on every save, must change only what those setters
// themselves rewrite.

#include "ImageTestBytes.h"

#include <gtest/gtest.h>

using namespace imagetest;

namespace {

using Getter = QString (clsVUROVA::*)() const;
using Setter = void (clsVUROVA::*)(const QString&);

void FeedBackEverySetting(clsVUROVA& image) {
    const std::pair<Getter, Setter> pairs[] = {
        {&clsVUROVA::FrequencyStepA, &clsVUROVA::setFrequencyStepA},
        {&clsVUROVA::FrequencyStepB, &clsVUROVA::setFrequencyStepB},
        {&clsVUROVA::SquelchSettingA, &clsVUROVA::setSquelchSettingA},
        {&clsVUROVA::SquelchSettingB, &clsVUROVA::setSquelchSettingB},
        {&clsVUROVA::DisplayModeA, &clsVUROVA::setDisplayModeA},
        {&clsVUROVA::DisplayModeB, &clsVUROVA::setDisplayModeB},
        {&clsVUROVA::StartChannelA, &clsVUROVA::setStartChannelA},
        {&clsVUROVA::StartChannelB, &clsVUROVA::setStartChannelB},
        {&clsVUROVA::ShiftDirectionA, &clsVUROVA::setShiftDirectionA},
        {&clsVUROVA::ShiftDirectionB, &clsVUROVA::setShiftDirectionB},
        {&clsVUROVA::ShiftFrequencyA, &clsVUROVA::setShiftFrequencyA},
        {&clsVUROVA::ShiftFrequencyB, &clsVUROVA::setShiftFrequencyB},
        {&clsVUROVA::BatterySave, &clsVUROVA::setBatterySave},
        {&clsVUROVA::RogerBeep, &clsVUROVA::setRogerBeep},
        {&clsVUROVA::TOT, &clsVUROVA::setTOT},
        {&clsVUROVA::VOX, &clsVUROVA::setVOX},
        {&clsVUROVA::VoicePrompt, &clsVUROVA::setVoicePrompt},
        {&clsVUROVA::Beep, &clsVUROVA::setBeep},
        {&clsVUROVA::ANITransmit, &clsVUROVA::setANITransmit},
        {&clsVUROVA::ANIDelay, &clsVUROVA::setANIDelay},
        {&clsVUROVA::SideTone, &clsVUROVA::setSideTone},
        {&clsVUROVA::TOTAlarm, &clsVUROVA::setTOTAlarm},
        {&clsVUROVA::ScanMode, &clsVUROVA::setScanMode},
        {&clsVUROVA::KeyLock, &clsVUROVA::setKeyLock},
        {&clsVUROVA::PowerOnDisplay, &clsVUROVA::setPowerOnDisplay},
        {&clsVUROVA::SideKey, &clsVUROVA::setSideKey},
        {&clsVUROVA::Backlight, &clsVUROVA::setBacklight},
        {&clsVUROVA::Stopwatch, &clsVUROVA::setStopwatch},
        {&clsVUROVA::DualReceive, &clsVUROVA::setDualReceive},
        {&clsVUROVA::CurrentVFO, &clsVUROVA::setCurrentVFO},
        {&clsVUROVA::PriorityChannel, &clsVUROVA::setPriorityChannel},
        {&clsVUROVA::PowerUpMsgLine1, &clsVUROVA::setPowerUpMsgLine1},
        {&clsVUROVA::PowerUpMsgLine2, &clsVUROVA::setPowerUpMsgLine2},
        {&clsVUROVA::SingleReceiveMsg, &clsVUROVA::setSingleReceiveMsg},
        {&clsVUROVA::ModePassword, &clsVUROVA::setModePassword},
        {&clsVUROVA::ResetPassword, &clsVUROVA::setResetPassword},
        {&clsVUROVA::ANI_ID, &clsVUROVA::setANI_ID},
        {&clsVUROVA::Menu, &clsVUROVA::setMenu},
    };
    for (const auto& [get, set] : pairs)
        (image.*set)((image.*get)());
    for (const int bank : {1, 2})
        for (int entry = 1; entry <= 9; ++entry)
            image.setFMBroadcast(bank, entry, image.FMBroadcast(bank, entry));
}

// Bytes 0x0800..0x1FFF of a radio as it might come back from a read: filler
// everywhere, channels 3 and 17 in use, every setting holding a sensible value.
QByteArray RealisticImage() {
    QByteArray all(12292, '\0');
    for (int k = 0x0800; k < 0x2000; ++k)
        all[k] = static_cast<char>((k * 37 + 11) & 0xFF);
    Put(all, 16 * 3, Hex("00 50 52 14"));
    Put(all, 16 * 17, Hex("00 00 50 43"));
    Put(all, 0x0842, Hex("00 73 00 00 01 40 FF FF 00 79 00 7A 00 9F 00 C8 00 01"));
    Put(all, 0x0882, Hex("FF FF 00 12 01 2D 00 34 00 5A FF FF 00 99 00 AB 01 3F"));
    Put(all, 0x0E00, QByteArray("KG-UV HAM   DUAL 1"));
    Put(all, 0x0E20, Hex("02 03 04 01 5A 03 07 05"));          // 0E20..0E27
    Put(all, 0x0E2C, Hex("02 01 00"));                         // 0E2C..0E2E
    Put(all, 0x0E31, Hex("06 33 0C 44 03 09 03 01 01 02 04")); // 0E31..0E3B
    Put(all, 0x0E3D, Hex("01"));
    Put(all, 0x0E42, Hex("09 55 01 11 01 80"));                                     // 0E42..0E47
    Put(all, 0x0E4A, Hex("01 02 03 04 FF FF 0A 0B 0C 0D 0E 0F FF FF FF FF FF FF")); // 0E4A..0E5B
    Put(all, 0x0E5C, Hex("07 66 03 11"));                                           // 0E5C..0E5F
    Put(all, 0x1810, Hex("02 00 00 06 00"));
    Put(all, 0x1820, Hex("01 00 05 00 00"));
    return all;
}

} // namespace

TEST(SettingsRoundTrip, CanonicalContentChangesNoByte) {
    for (const bool comma : {false, true}) {
        const LocaleGuard guard(comma ? CommaLocale() : QLocale());
        clsVUROVA image;
        image.Sbyt(RealisticImage());
        const QByteArray before = image.GetBytArry();
        FeedBackEverySetting(image);
        EXPECT_EQ(DifferingOffsets(before, image.GetBytArry()), QList<int>{}) << comma;
    }
}

TEST(SettingsRoundTrip, NonCanonicalContentIsRewrittenOnlyWhereTheRulesSay) {
    QByteArray all = RealisticImage();
    Put(all, 0x0E06, Hex("41 00 42 FF 00 00")); // line 2: gaps close, blanks pad
    Put(all, 0x0E25, Hex("09"));                // RogerBeep without a text: kept
    Put(all, 0x0E46, Hex("05 01"));             // DualReceive 5 -> 1, CurrentVFO 1 -> 0x80
    Put(all, 0x0E45, Hex("00"));                // StartChannelA 0 reads 1 -> lowest used 3
    Put(all, 0x0E50, Hex("01 FF 02 FF FF FF")); // ResetPassword "12" closes up
    Put(all, 0x0E5C, Hex("00"));                // Menu "" -> kept
    Put(all, 0x1821, Hex("FF FF FF FF"));       // erased shift -> 0.000
    clsVUROVA image;
    image.Sbyt(all);
    FeedBackEverySetting(image);
    const QByteArray after = image.GetBytArry();

    EXPECT_EQ(DifferingOffsets(all, after),
              (QList<int>{0x0E07, 0x0E08, 0x0E09, 0x0E0A, 0x0E0B, 0x0E45, 0x0E46, 0x0E47, 0x0E51,
                          0x0E52, 0x1821, 0x1822, 0x1823, 0x1824}));
    EXPECT_EQ(At(image, 0x0E06, 6), Bytes({'A', 'B', 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(At(image, 0x0E45, 3), Bytes({3, 1, 0x80}));
    EXPECT_EQ(At(image, 0x0E50, 6), Bytes({1, 2, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(At(image, 0x1821, 4), Bytes({0, 0, 0, 0}));
}
