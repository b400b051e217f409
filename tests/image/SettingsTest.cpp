// Configuration settings: enumerated, whole-number, switch, message and code members.

#include "ImageTestBytes.h"

#include <gtest/gtest.h>

using namespace imagetest;

TEST(SettingsEnumerated, GetSetByIndexExactTextOnly) {
    clsVUROVA image;
    Put(image, 0x0E25, {4});
    EXPECT_EQ(image.RogerBeep(), "");
    Put(image, 0x0E25, {0xFF});
    EXPECT_EQ(image.RogerBeep(), "");
    image.setRogerBeep("BEGIN AND END");
    EXPECT_EQ(At(image, 0x0E25, 1), Bytes({3}));
    image.setRogerBeep("begin");
    image.setRogerBeep("BEGIN ");
    EXPECT_EQ(At(image, 0x0E25, 1), Bytes({3}));

    const QStringList sideTones{"OFF", "KEY", "ANI ID", "KEY+ANI ID"};
    for (int k = 0; k < sideTones.size(); ++k) {
        image.setSideTone(sideTones[k]);
        EXPECT_EQ(At(image, 0x0E35, 1), Bytes({k}));
        EXPECT_EQ(image.SideTone(), sideTones[k]);
    }
}

TEST(SettingsEnumerated, EachMemberUsesItsOwnByte) {
    struct Member {
        int offset;
        QString (clsVUROVA::*get)() const;
        void (clsVUROVA::*set)(const QString&);
        QString text;
        int index;
    };
    const Member members[] = {
        {0x0E23, &clsVUROVA::BatterySave, &clsVUROVA::setBatterySave, "ON", 1},
        {0x0E2D, &clsVUROVA::Beep, &clsVUROVA::setBeep, "ON", 1},
        {0x0E39, &clsVUROVA::KeyLock, &clsVUROVA::setKeyLock, "ON", 1},
        {0x0E3D, &clsVUROVA::Backlight, &clsVUROVA::setBacklight, "ON", 1},
        {0x0E44, &clsVUROVA::Stopwatch, &clsVUROVA::setStopwatch, "ON", 1},
        {0x0E2E, &clsVUROVA::ANITransmit, &clsVUROVA::setANITransmit, "ON", 1},
        {0x0E2C, &clsVUROVA::VoicePrompt, &clsVUROVA::setVoicePrompt, "ENGLISH", 2},
        {0x0E3A, &clsVUROVA::PowerOnDisplay, &clsVUROVA::setPowerOnDisplay, "BAT VOLTAGE", 2},
        {0x0E38, &clsVUROVA::ScanMode, &clsVUROVA::setScanMode, "SEARCH", 2},
        {0x0E3B, &clsVUROVA::SideKey, &clsVUROVA::setSideKey, "RADIO", 4},
    };
    for (const Member& m : members) {
        clsVUROVA image;
        const QByteArray before = image.GetBytArry();
        (image.*m.set)(m.text);
        EXPECT_EQ(DifferingOffsets(before, image.GetBytArry()), QList<int>{m.offset}) << m.offset;
        EXPECT_EQ(At(image, m.offset, 1), Bytes({m.index}));
        EXPECT_EQ((image.*m.get)(), m.text);
    }
}

TEST(SettingsSwitches, MenuDualReceiveCurrentVfo) {
    clsVUROVA image;
    EXPECT_EQ(image.Menu(), "");
    image.setMenu("ENABLED");
    EXPECT_EQ(At(image, 0x0E5C, 1), Bytes({7}));
    image.setMenu("DISABLED");
    EXPECT_EQ(At(image, 0x0E5C, 1), Bytes({6}));
    EXPECT_EQ(image.Menu(), "DISABLED");
    image.setMenu("enabled");
    EXPECT_EQ(At(image, 0x0E5C, 1), Bytes({6}));
    Put(image, 0x0E5C, {1});
    EXPECT_EQ(image.Menu(), "");

    Put(image, 0x0E47, {0x01});
    EXPECT_EQ(image.CurrentVFO(), "VFO B");
    image.setCurrentVFO("VFO B");
    EXPECT_EQ(At(image, 0x0E47, 1), Bytes({0x80}));
    image.setCurrentVFO("VFO A");
    EXPECT_EQ(At(image, 0x0E47, 1), Bytes({0}));
    image.setCurrentVFO("vfo a");
    EXPECT_EQ(At(image, 0x0E47, 1), Bytes({0x80}));

    Put(image, 0x0E46, {0x40});
    EXPECT_EQ(image.DualReceive(), "ON");
    image.setDualReceive("OFF");
    EXPECT_EQ(At(image, 0x0E46, 1), Bytes({0}));
    EXPECT_EQ(image.DualReceive(), "OFF");
    image.setDualReceive("anything");
    EXPECT_EQ(At(image, 0x0E46, 1), Bytes({1}));
}

TEST(SettingsNumbers, TotRoundsAndOverflows) {
    clsVUROVA image;
    image.setTOT("20");
    EXPECT_EQ(At(image, 0x0E26, 1), Bytes({0}));
    EXPECT_EQ(image.TOT(), "15");
    image.setTOT("23");
    EXPECT_EQ(image.TOT(), "30");
    image.setTOT("600");
    EXPECT_EQ(At(image, 0x0E26, 1), Bytes({39}));
    image.setTOT("8");
    EXPECT_EQ(At(image, 0x0E26, 1), Bytes({0}));
    Put(image, 0x0E26, {5});
    const std::pair<const char*, int> errors[] = {
        {"0", 6}, {"7", 6}, {"3855", 6}, {"1 min", 13}, {"", 13}};
    for (const auto& e : errors)
        EXPECT_EQ(ErrorOf([&] { image.setTOT(e.first); }), e.second) << e.first;
    EXPECT_EQ(At(image, 0x0E26, 1), Bytes({5}));
}

TEST(SettingsNumbers, OffOrNumberUnderBothLocales) {
    clsVUROVA image;
    image.setVOX("OFF");
    EXPECT_EQ(At(image, 0x0E27, 1), Bytes({0}));
    EXPECT_EQ(image.VOX(), "OFF");
    image.setVOX("7");
    EXPECT_EQ(At(image, 0x0E27, 1), Bytes({7}));
    Put(image, 0x0E27, {0xFF});
    EXPECT_EQ(image.VOX(), "255");
    image.setTOTAlarm("10");
    image.setANIDelay("30");
    EXPECT_EQ(At(image, 0x0E36, 1), Bytes({10}));
    EXPECT_EQ(At(image, 0x0E33, 1), Bytes({30}));
    image.setANIDelay("2.5"); // halves to even
    EXPECT_EQ(image.ANIDelay(), "2");
    const std::pair<const char*, int> errors[] = {{"256", 6}, {"-1", 6}, {"off", 13}, {"3,5", 13}};
    for (const auto& e : errors)
        EXPECT_EQ(ErrorOf([&] { image.setANIDelay(e.first); }), e.second) << e.first;
    EXPECT_EQ(image.ANIDelay(), "2");

    LocaleGuard comma(CommaLocale());
    image.setANIDelay("3,5");
    EXPECT_EQ(image.ANIDelay(), "4");
    EXPECT_EQ(ErrorOf([&] { image.setANIDelay("3.5"); }), 13);
    EXPECT_EQ(image.ANIDelay(), "4");
}

TEST(SettingsNumbers, PriorityChannelOnlyUsedChannels) {
    clsVUROVA image;
    UseChannel(image, 7);
    image.setPriorityChannel("5");
    EXPECT_EQ(At(image, 0x0E5E, 1), Bytes({0}));
    EXPECT_EQ(image.PriorityChannel(), "0");
    image.setPriorityChannel("7");
    EXPECT_EQ(image.PriorityChannel(), "7");
    EXPECT_EQ(ErrorOf([&] { image.setPriorityChannel("300"); }), 6);
    EXPECT_EQ(ErrorOf([&] { image.setPriorityChannel("seven"); }), 13);
    EXPECT_EQ(image.PriorityChannel(), "7");
}

TEST(SettingsMessages, PaddingGapsCodePageAndLength) {
    clsVUROVA image;
    image.setPowerUpMsgLine1("AB");
    EXPECT_EQ(At(image, 0x0E00, 6), Bytes({0x41, 0x42, 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(image.PowerUpMsgLine1(), "AB    ");

    Put(image, 0x0E06, {0x41, 0x00, 0x42, 0xFF, 0x43, 0x00});
    EXPECT_EQ(image.PowerUpMsgLine2(), "ABC");

    Put(image, 0x0E12, {0x5A});
    image.setSingleReceiveMsg(QString::fromUtf8("Grüße aus X"));
    EXPECT_EQ(At(image, 0x0E0C, 7), Bytes({0x47, 0x72, 0xFC, 0xDF, 0x65, 0x20, 0x5A}));
    EXPECT_EQ(image.SingleReceiveMsg(), QString::fromUtf8("Grüße "));
    EXPECT_EQ(image.PowerUpMsgLine2(), "ABC");
}

TEST(SettingsCodes, HexDigitsValidatedWhole) {
    clsVUROVA image;
    image.setANI_ID("123");
    EXPECT_EQ(At(image, 0x0E56, 6), Bytes({1, 2, 3, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(image.ANI_ID(), "123");
    image.setANI_ID("");
    EXPECT_EQ(At(image, 0x0E56, 6), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(image.ANI_ID(), "");
    Put(image, 0x0E56, {0x12, 0xFF, 0x0A});
    EXPECT_EQ(image.ANI_ID(), "12A");

    image.setModePassword("abcDEF");
    EXPECT_EQ(At(image, 0x0E4A, 6), Bytes({10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(image.ModePassword(), "ABCDEF");

    image.setResetPassword("654321");
    EXPECT_EQ(ErrorOf([&] { image.setResetPassword("12G4"); }), 13);
    EXPECT_EQ(ErrorOf([&] { image.setResetPassword("12 4"); }), 13);
    EXPECT_EQ(image.ResetPassword(), "654321");

    // A longer text is cut to the field; the next field keeps its bytes.
    image.setResetPassword("98765432");
    EXPECT_EQ(image.ResetPassword(), "987654");
    EXPECT_EQ(At(image, 0x0E56, 1), Bytes({0x12}));
}

TEST(SettingsOptionLists, CountsAndEnds) {
    const clsVUROVA image;
    struct List {
        QStringList list;
        int count;
        QString first, last;
    };
    const List lists[] = {
        {image.BatterySave_OPT(), 2, "OFF", "ON"},
        {image.Beep_OPT(), 2, "OFF", "ON"},
        {image.KeyLock_OPT(), 2, "OFF", "ON"},
        {image.Backlight_OPT(), 2, "OFF", "ON"},
        {image.Stopwatch_OPT(), 2, "OFF", "ON"},
        {image.ANITransmit_OPT(), 2, "OFF", "ON"},
        {image.DualReceive_OPT(), 2, "OFF", "ON"},
        {image.RogerBeep_OPT(), 4, "OFF", "BEGIN AND END"},
        {image.TOT_OPT(), 40, "15", "600"},
        {image.VOX_OPT(), 11, "OFF", "10"},
        {image.TOTAlarm_OPT(), 11, "OFF", "10"},
        {image.ANIDelay_OPT(), 31, "OFF", "30"},
        {image.VoicePrompt_OPT(), 3, "OFF", "ENGLISH"},
        {image.PowerOnDisplay_OPT(), 3, "FULL SCREEN", "BAT VOLTAGE"},
        {image.ScanMode_OPT(), 3, "TIME", "SEARCH"},
        {image.SideKey_OPT(), 5, "OFF", "RADIO"},
        {image.SideTone_OPT(), 4, "OFF", "KEY+ANI ID"},
        {image.Menu_OPT(), 2, "ENABLED", "DISABLED"},
        {image.CurrentVFO_OPT(), 2, "VFO A", "VFO B"},
    };
    for (const List& l : lists) {
        ASSERT_EQ(l.list.size(), l.count) << l.first.toStdString();
        EXPECT_EQ(l.list.first(), l.first);
        EXPECT_EQ(l.list.last(), l.last);
    }
    EXPECT_EQ(image.TOT_OPT().at(1), "30");
    EXPECT_EQ(image.RogerBeep_OPT().at(1), "BEGIN");
    EXPECT_EQ(image.SideKey_OPT().mid(1, 3), (QStringList{"SCAN", "LAMP", "SOS"}));
    EXPECT_EQ(image.PowerOnDisplay_OPT().at(1), "WELCOME");
    EXPECT_EQ(image.ScanMode_OPT().at(1), "CARRIER WAVE");
    EXPECT_EQ(image.VoicePrompt_OPT().at(1), "CHINESE");
}
