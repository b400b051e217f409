// The texts of the hex compare view, its progress figures, the comparison of
// a row and the reading of a source file.

#include "rules/HexCompare.h"

#include "support/TestUtil.h"

#include <QFile>
#include <sys/stat.h>

using namespace hexcompare;

TEST(HexCompareText, CellsTextCharactersAndAddresses) {
    QString accepted;
    for (int value = 0; value < 256; ++value)
        accepted += QLatin1Char(IsTxtChar(value) ? 't' : '-');
    EXPECT_EQ(accepted, QString(32, '-') + QString(95, 't') + QString(18, '-') + "tt" +
                            QString(13, '-') + QString(96, 't'));

    EXPECT_EQ(TextChar(0x41), QLatin1Char('A'));
    EXPECT_EQ(TextChar(0x00), QLatin1Char('.'));
    EXPECT_EQ(TextChar(0x80), QLatin1Char('.'));
    EXPECT_EQ(TextChar(0x92), QChar(0x2019));
    EXPECT_EQ(TextChar(0xA0), QChar(0x00A0));
    EXPECT_EQ(ByteCellText(5, false), QStringLiteral("05"));
    EXPECT_EQ(ByteCellText(165, false), QStringLiteral("A5"));
    EXPECT_EQ(ByteCellText(5, true), QStringLiteral("00000101"));
    EXPECT_EQ(ByteCellText(165, true), QStringLiteral("10100101"));
    EXPECT_EQ(AddressText(0x970), QStringLiteral("970"));
    EXPECT_EQ(AddressText(12288), QStringLiteral("3000"));
    EXPECT_EQ(HeaderText(11), QStringLiteral("0A"));
}

TEST(HexCompareText, ProgressAndDifferingColumns) {
    EXPECT_EQ(Percent(12288, 12291), 99);
    EXPECT_EQ(Percent(2, 3), 66);
    EXPECT_EQ(Percent(0, 0), 100); // a source of one byte
    EXPECT_EQ(FillProgressText(99), QStringLiteral("Reading File 2: 99% Complete..."));
    EXPECT_EQ(CompareProgressText(100), QStringLiteral("Comparing Files: 100% Complete..."));

    const QStringList row = {"41", "00", "92", "7F"};
    EXPECT_TRUE(DifferingColumns(row, row).isEmpty());
    EXPECT_EQ(DifferingColumns(row, {"41", "01", "92", "7e"}), QVector<int>({2, 4}));
    EXPECT_EQ(DifferingColumns(row, {"41", "00", "", ""}), QVector<int>({3, 4}));
    EXPECT_TRUE(DifferingColumns(row, {"41", "00"}).isEmpty());
}

class HexSourceFile : public TempDirTest {};

TEST_F(HexSourceFile, ReadsRegularFilesWholeAndRefusesTheRest) {
    const QByteArray bytes = QByteArray::fromHex("4100927f05") + QByteArray(70000, '\xA5');
    WriteFileBytes(tempPath("bytes.bin"), bytes);
    EXPECT_EQ(ReadSourceFile(tempPath("bytes.bin")), std::optional(bytes));
    WriteFileBytes(tempPath("empty.bin"), QByteArray());
    EXPECT_EQ(ReadSourceFile(tempPath("empty.bin")), std::optional(QByteArray()));

    EXPECT_EQ(ReadSourceFile(tempPath("missing.bin")), std::nullopt);
    EXPECT_EQ(ReadSourceFile(tempDir.path()), std::nullopt);
    // A pipe nobody writes to would block a read for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(tempPath("pipe")).constData(), 0600), 0);
    EXPECT_EQ(ReadSourceFile(tempPath("pipe")), std::nullopt);
}
