#include "platform/core/Settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Each test gets a store of its own, and the application name back.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        SetSettingsFolder(dir_.path());
    }
    void TearDown() override { SetSettingsApplication(QStringLiteral("KG-UV Ferrowind")); }

    QString FileText() const {
        QFile file(SettingsFilePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(SettingsTest, StoreIsTheApplicationsIniFileInTheFolder) {
    EXPECT_EQ(SettingsApplication(), "KG-UV Ferrowind");
    EXPECT_EQ(SettingsFilePath(), dir_.filePath("KG-UV Ferrowind.ini"));
    SaveSetting("Settings", "FilePath", "/home/ham/radio");
    // Written through at once: another reader of the file sees it.
    QSettings other(dir_.filePath("KG-UV Ferrowind.ini"), QSettings::IniFormat);
    EXPECT_EQ(other.value("Settings/FilePath").toString(), "/home/ham/radio");
    EXPECT_TRUE(FileText().contains("[Settings]"));
}

TEST_F(SettingsTest, AMissingFolderIsCreatedOnTheFirstWrite) {
    SetSettingsFolder(dir_.filePath("fresh/config"));
    SaveSetting("Settings", "EnterKey", "2");
    EXPECT_TRUE(QFile::exists(dir_.filePath("fresh/config/KG-UV Ferrowind.ini")));
    EXPECT_EQ(GetSetting("Settings", "EnterKey"), "2");
}

TEST_F(SettingsTest, MissingKeyGivesTheDefault) {
    EXPECT_EQ(GetSetting("Settings", "Height", "7050"), "7050");
    EXPECT_EQ(GetSetting("Settings", "Height"), QString());
    EXPECT_FALSE(HasSetting("Settings", "Height"));
    SaveSetting("Settings", "Height", "");
    EXPECT_TRUE(HasSetting("Settings", "Height"));
    EXPECT_EQ(GetSetting("Settings", "Height", "7050"), "");
    DeleteSetting("Settings", "Height");
    EXPECT_EQ(GetSetting("Settings", "Height", "7050"), "7050");
}

TEST_F(SettingsTest, TextValuesComeBackExactly) {
    const QStringList values = {"Caption ",
                                "  both  ",
                                "a,b",
                                "a, b ,c",
                                "@Variant(x)",
                                "\"quoted\"",
                                "x=y;z # w",
                                "back\\slash",
                                "Rx Freq\tTab",
                                "Ünïcödé €",
                                "true",
                                "0x10",
                                "C:\\Radio\\my file.uvd"};
    for (int i = 0; i < values.size(); ++i)
        SaveSetting("Settings", QStringLiteral("Caption%1").arg(i), values[i]);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(GetSetting("Settings", QStringLiteral("Caption%1").arg(i)), values[i]) << i;
}

TEST_F(SettingsTest, SectionsAndKeysAreSeparate) {
    SaveSetting("Grid0Settings", "Col 1 ", "1200");
    SaveSetting("Grid1Settings", "Col 1 ", "900");
    SaveSetting("General", "Key", "g");
    EXPECT_EQ(GetSetting("Grid0Settings", "Col 1 "), "1200");
    EXPECT_EQ(GetSetting("Grid1Settings", "Col 1 "), "900");
    EXPECT_EQ(GetSetting("Grid1Settings", "Col 1"), QString());
    EXPECT_EQ(GetSetting("General", "Key"), "g");
}

TEST_F(SettingsTest, CommasWrittenByHandReadAsOneText) {
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nCaption3=Rx, Freq\n");
    file.close();
    EXPECT_EQ(GetSetting("Settings", "Caption3"), "Rx,Freq");
}

TEST_F(SettingsTest, SwitchingFoldersNeverSeesTheOldStore) {
    SaveSetting("MRU", "File1", "first");
    QTemporaryDir second;
    SetSettingsFolder(second.path());
    EXPECT_EQ(GetSetting("MRU", "File1", "none"), "none");
    SaveSetting("MRU", "File1", "second");
    SetSettingsFolder(dir_.path());
    EXPECT_EQ(GetSetting("MRU", "File1"), "first");
    SetSettingsApplication("Other");
    EXPECT_EQ(SettingsFilePath(), dir_.filePath("Other.ini"));
    EXPECT_EQ(GetSetting("MRU", "File1", "none"), "none");
}

TEST_F(SettingsTest, ValuesAreWrittenAsText) {
    SaveBool("Settings", "OpenLastUsed", true);
    SaveBool("Settings", "UseTextLabels", false);
    SaveInt("Settings", "SysBackColor", -2147483643);
    SaveInt("Settings", "HighlightColor", 8454143);
    SaveDouble("Settings", "Width", 9990.5);
    EXPECT_EQ(GetSetting("Settings", "OpenLastUsed"), "True");
    EXPECT_EQ(GetSetting("Settings", "UseTextLabels"), "False");
    EXPECT_EQ(GetSetting("Settings", "SysBackColor"), "-2147483643");
    EXPECT_EQ(GetSetting("Settings", "HighlightColor"), "8454143");
    EXPECT_EQ(GetSetting("Settings", "Width"), "9990.5");
    EXPECT_TRUE(FileText().contains("OpenLastUsed=True"));
}

TEST(SettingsText, Booleans) {
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"True", true},     {"tRUE", true},       {"FALSE", false}, {"0", false},
        {"-1", true},       {"2", true},          {"0.0", false},   {"abc", std::nullopt},
        {"", std::nullopt}, {"Yes", std::nullopt}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextToBool(text), value) << text;
}

TEST(SettingsText, NumbersAndHexColours) {
    // The whole text is trimmed first: "&H1F " is 31, "&H 1F" is nothing.
    EXPECT_EQ(TextToLong("&H80000005"), -2147483643);
    EXPECT_EQ(TextToLong("&h80000008"), -2147483640);
    EXPECT_EQ(TextToLong("&HFF"), 255);
    EXPECT_EQ(TextToLong("&H80FFFF"), 8454143);
    EXPECT_EQ(TextToLong("&H8000&"), 32768);
    EXPECT_EQ(TextToLong("&HFFFFFFFF"), -1);
    EXPECT_EQ(TextToLong("-2147483643"), -2147483643);
    EXPECT_EQ(TextToLong(" 12 "), 12);
    EXPECT_EQ(TextToLong("2.5"), 2);
    EXPECT_EQ(TextToLong("7050.5"), 7050);
    EXPECT_EQ(TextToLong("&H1F "), 31);
    for (const char* text :
         {"&H100000000", "&H", "&HXY", "&H-1", "&H0x1F", "&H 1F", "0x10", "abc", ""})
        EXPECT_EQ(TextToLong(text), std::nullopt) << text;
    EXPECT_EQ(TextToInt32("2147483648"), std::nullopt);
    EXPECT_EQ(TextToInt32("-2147483648"), INT32_MIN);
    EXPECT_EQ(TextToDouble("9990.5"), 9990.5);
    EXPECT_EQ(TextToDouble("&HFF"), 255.0);
    EXPECT_EQ(TextToDouble("9990,5"), std::nullopt);
}

TEST_F(SettingsTest, ReadersKeepTheirTargetOnBadValues) {
    SaveSetting("Settings", "ConfirmRowDelete", "abc");
    SaveSetting("Settings", "SysBackColor", "&H80000005");
    SaveSetting("Settings", "SysForeColor", "-2147483640");
    SaveSetting("Settings", "HighlightColor", "pale yellow");
    SaveSetting("Settings", "Top", "1200.75");

    bool confirm = false;
    EXPECT_FALSE(ReadBool("Settings", "ConfirmRowDelete", confirm));
    EXPECT_FALSE(ReadBool("Settings", "ConfirmRowDelete", confirm, true));
    EXPECT_FALSE(confirm);

    int32_t back = 0;
    int32_t fore = 0;
    int32_t highlight = 42;
    EXPECT_TRUE(ReadInt32("Settings", "SysBackColor", back));
    EXPECT_TRUE(ReadInt32("Settings", "SysForeColor", fore));
    EXPECT_FALSE(ReadInt32("Settings", "HighlightColor", highlight, 8454143));
    EXPECT_EQ(back, -2147483643);
    EXPECT_EQ(fore, -2147483640);
    EXPECT_EQ(highlight, 42);

    double top = 0;
    EXPECT_TRUE(ReadDouble("Settings", "Top", top));
    EXPECT_EQ(top, 1200.75);
}

TEST_F(SettingsTest, ReadersWithADefaultTakeItForAMissingKey) {
    bool openLast = false;
    int32_t colour = 0;
    double height = 0;
    EXPECT_TRUE(ReadBool("Settings", "OpenLastUsed", openLast, true));
    EXPECT_TRUE(ReadInt32("Settings", "HighlightColor", colour, 8454143));
    EXPECT_TRUE(ReadDouble("Settings", "Height", height, 7050));
    EXPECT_TRUE(openLast);
    EXPECT_EQ(colour, 8454143);
    EXPECT_EQ(height, 7050.0);
    bool untouched = true;
    EXPECT_FALSE(ReadBool("Settings", "Missing", untouched));
    EXPECT_TRUE(untouched);
}
