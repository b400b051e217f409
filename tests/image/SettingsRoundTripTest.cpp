// Feeding every settings, VFO and FM getter's text back to its setter, as the
// grid transfer does on every save, must change only what those setters
// themselves rewrite.

#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <optional>

using namespace settingstest;

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
    const auto put = [&](int offset, std::initializer_list<int> values) {
        for (const int v : values)
            all[offset++] = static_cast<char>(v);
    };
    put(16 * 3, {0x00, 0x50, 0x52, 0x14});
    put(16 * 17, {0x00, 0x00, 0x50, 0x43});
    put(0x0842, {0x00, 0x73, 0x00, 0x00, 0x01, 0x40, 0xFF, 0xFF, 0x00, 0x79, 0x00, 0x7A, 0x00, 0x9F,
                 0x00, 0xC8, 0x00, 0x01});
    put(0x0882, {0xFF, 0xFF, 0x00, 0x12, 0x01, 0x2D, 0x00, 0x34, 0x00, 0x5A, 0xFF, 0xFF, 0x00, 0x99,
                 0x00, 0xAB, 0x01, 0x3F});
    put(0x0E00,
        {'K', 'G', '-', 'U', 'V', ' ', 'H', 'A', 'M', ' ', ' ', ' ', 'D', 'U', 'A', 'L', ' ', '1'});
    put(0x0E20, {2, 3, 4, 1, 0x5A, 3, 7, 5});              // 0E20..0E27
    put(0x0E2C, {2, 1, 0});                                // 0E2C..0E2E
    put(0x0E31, {6, 0x33, 12, 0x44, 3, 9, 3, 1, 1, 2, 4}); // 0E31..0E3B
    put(0x0E3D, {1});
    put(0x0E42, {9, 0x55, 1, 17, 1, 0x80}); // 0E42..0E47
    put(0x0E4A, {1, 2, 3, 4, 0xFF, 0xFF, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF,
                 0xFF, 0xFF});     // 0E4A..0E5B
    put(0x0E5C, {7, 0x66, 3, 17}); // 0E5C..0E5F
    put(0x1810, {2, 0, 0, 6, 0});
    put(0x1820, {1, 0, 5, 0, 0});
    return all;
}

} // namespace

TEST(SettingsRoundTrip, CanonicalContentChangesNoByte) {
    for (const bool comma : {false, true}) {
        std::optional<CommaLocale> locale;
        if (comma)
            locale.emplace();
        clsVUROVA image;
        image.Sbyt(RealisticImage());
        const QByteArray before = image.GetBytArry();
        FeedBackEverySetting(image);
        EXPECT_EQ(DifferingOffsets(before, image.GetBytArry()), QList<int>{}) << comma;
    }
}

TEST(SettingsRoundTrip, NonCanonicalContentIsRewrittenOnlyWhereTheRulesSay) {
    QByteArray all = RealisticImage();
    const auto put = [&](int offset, std::initializer_list<int> values) {
        for (const int v : values)
            all[offset++] = static_cast<char>(v);
    };
    put(0x0E06, {'A', 0x00, 'B', 0xFF, 0x00, 0x00}); // line 2: gaps close, blanks pad
    put(0x0E25, {9});                                // RogerBeep without a text: kept
    put(0x0E46, {0x05, 0x01});                       // DualReceive 5 -> 1, CurrentVFO 1 -> 0x80
    put(0x0E45, {0});                                // StartChannelA 0 reads 1 -> lowest used 3
    put(0x0E50, {1, 0xFF, 2, 0xFF, 0xFF, 0xFF});     // ResetPassword "12" closes up
    put(0x0E5C, {0});                                // Menu "" -> kept
    put(0x1821, {0xFF, 0xFF, 0xFF, 0xFF});           // erased shift -> 0.000
    clsVUROVA image;
    image.Sbyt(all);
    FeedBackEverySetting(image);
    const QByteArray after = image.GetBytArry();

    EXPECT_EQ(DifferingOffsets(all, after),
              (QList<int>{0x0E07, 0x0E08, 0x0E09, 0x0E0A, 0x0E0B, 0x0E45, 0x0E46, 0x0E47, 0x0E51,
                          0x0E52, 0x1821, 0x1822, 0x1823, 0x1824}));
    EXPECT_EQ(BytesAt(image, 0x0E06, 6), Bytes({'A', 'B', 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(BytesAt(image, 0x0E45, 3), Bytes({3, 1, 0x80}));
    EXPECT_EQ(BytesAt(image, 0x0E50, 6), Bytes({1, 2, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(BytesAt(image, 0x1821, 4), Bytes({0, 0, 0, 0}));
}
