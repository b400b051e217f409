#include "program/ProgramValues.h"
#include "program/clsRadio.h"
#include "program/modFunctions.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct LocaleGuard {
    QLocale saved;
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

TEST(ModFunctions, DecimalSeparatorFollowsTheLocale) {
    EXPECT_EQ(modFunctions::DecimalSeparator(), ".");
    LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(modFunctions::DecimalSeparator(), ",");
}

TEST(ModFunctions, HexToBinaryGivesFourDigitsPerHexDigit) {
    EXPECT_EQ(modFunctions::HexToBinary("3f"), "00111111");
    EXPECT_EQ(modFunctions::HexToBinary("A0"), "10100000");
    EXPECT_EQ(modFunctions::HexToBinary("A5"), "10100101");
    EXPECT_EQ(modFunctions::HexToBinary("09bBcCdDeEfF"),
              "000010011011101111001100110111011110111011111111");
    EXPECT_EQ(modFunctions::HexToBinary(""), "");
}

TEST(ModFunctions, FileExistsForFilesAndFoldersOnly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(modFunctions::FileExists(dir.path()));
    QFile file(dir.filePath("a.uvd"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(modFunctions::FileExists(file.fileName()));
    EXPECT_FALSE(modFunctions::FileExists(""));
    EXPECT_FALSE(modFunctions::FileExists(dir.filePath("missing/a.uvd")));
    EXPECT_FALSE(modFunctions::FileExists(dir.filePath("b.uvd")));
}

TEST(Radio, DescribesTheModel) {
    const clsRadio radio;
    EXPECT_EQ(radio.ShortName(), "KG-UV");
    EXPECT_EQ(radio.AllowedTagCharacters(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890?+ ");
    EXPECT_EQ(radio.NumRows(), 129);
    EXPECT_EQ(radio.NumColumns(), 11);
}

TEST(ProgramValues, ColumnTableDefaultsKeepTrailingBlanks) {
    const auto& t = Program().ColumnTable;
    const char* captions[] = {"", "Name   ", "RX Freq   ", "TX Freq   ", "Decode ", "Encode ",
                              "TX Pwr", "Scan", "TX Dev", "Busy Lck", "Group/Notes"};
    const int widths[] = {0, 990, 1350, 1350, 990, 990, 870, 630, 870, 1110, 2500};
    for (int k = 0; k < ColumnCount; ++k) {
        EXPECT_EQ(t[k].Caption, captions[k]) << k;
        EXPECT_EQ(t[k].DefaultCaption, captions[k]) << k;
        EXPECT_EQ(t[k].Width, widths[k]) << k;
        EXPECT_EQ(t[k].Order, k) << k;
        EXPECT_EQ(t[k].Visible, k != 0) << k;
    }
}

TEST(ProgramValues, ResetUndoesATestsChangesAndMapsColumns) {
    auto& p = Program();
    p.ColumnTable[2].Order = 5;
    p.ColumnTable[5].Order = 2;
    EXPECT_EQ(GridColumnOf(2), 5);
    EXPECT_EQ(LogicalColumnAt(2), 5);
    EXPECT_EQ(LogicalColumnAt(0), 0);
    p.FrequencyFormat = FormatFiveDecimals;
    p.BandLimitReport = "5,17,";
    p.CloneWriteBuffer[3] = 'x';
    ResetProgramValues();
    EXPECT_EQ(GridColumnOf(2), 2);
    EXPECT_EQ(p.FrequencyFormat, "##0.000##");
    EXPECT_TRUE(p.BandLimitReport.isEmpty());
    EXPECT_EQ(p.CloneWriteBuffer, QByteArray(8192, '\0'));
    EXPECT_TRUE(p.RowKeysWithoutSelection);
    EXPECT_EQ(p.HighlightColor, 8454143);
    EXPECT_EQ(p.GridBackColor, -2147483643);
    ASSERT_TRUE(p.Radio);
}

TEST(ProgramValues, BuiltInDefaultsBeforeSettingsAreRead) {
    Program() = ProgramValues();
    InitProgramSettings();
    const auto& p = Program();
    EXPECT_TRUE(p.EnterKeyNextColumn);
    EXPECT_FALSE(p.EnterKeyNextRow);
    EXPECT_TRUE(p.RowKeysWithoutSelection);
    EXPECT_TRUE(p.OpenLastUsed);
    EXPECT_FALSE(p.ConfirmRowDelete);
    EXPECT_TRUE(p.FrequencyFormat.isEmpty());
    EXPECT_EQ(p.GridBackColor, 0);
}

} // namespace
