// Grids <-> image: every grid's cells after a file is opened, and what a
// SaveGrid followed by SaveFile writes.

#include "DocumentFixture.h"

#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "support/ScriptedResponder.h"

#include <QMap>

using platform::FlexGrid;

namespace {

QMap<int, int> Rewrites(const QByteArray& before, const QByteArray& after) {
    QMap<int, int> changed;
    for (int k = 0; k < std::min(before.size(), after.size()); ++k)
        if (before.at(k) != after.at(k))
            changed.insert(k, static_cast<uint8_t>(after.at(k)));
    return changed;
}

} // namespace

TEST_F(DocumentTest, OpenedFileShowsEveryGridsCellsAndSavesByteForByte) {
    const QString first = RealisticFile();
    auto doc = NewDocument();
    ASSERT_TRUE(doc->OpenFile(first));
    const FlexGrid& memory = *doc->MSFlexGrid1(0);
    EXPECT_EQ(RowTexts(memory, 1), QStringList({"1", "GB3WH", "145.600", "145.000", "OFF", "118.8",
                                                "HIGH", "ON", "WIDE", "OFF", "Swindon rpt"}));
    EXPECT_EQ(RowTexts(memory, 7), QStringList({"7", "PMR1", "446.00625", "446.00625", "D023N",
                                                "D023N", "LOW", "ON", "NARR", "OFF", "PMR"}));
    EXPECT_EQ(RowTexts(memory, 9), QStringList({"9", "APRS", "144.800", "", "OFF", "OFF", "LOW",
                                                "OFF", "WIDE", "OFF", "RX only"}));
    EXPECT_EQ(RowTexts(memory, 128), QStringList({"128", "LAST2", "470.000", "470.000", "OFF",
                                                  "OFF", "LOW", "ON", "NARR", "OFF", "Top row"}));
    EXPECT_EQ(RowTexts(memory, 11), EmptyRow(11));

    const clsVUROVA& image = doc->Image();
    const FlexGrid& config = *doc->MSFlexGrid1(1);
    EXPECT_EQ(ColumnTexts(config, 2).mid(1, 3),
              QStringList({image.BatterySave(), image.RogerBeep(), image.TOT()}));
    EXPECT_EQ(config.textMatrix(14, 2), QStringLiteral("3"));
    EXPECT_EQ(config.textMatrix(17, 2), image.ANI_ID());
    EXPECT_EQ(config.textMatrix(22, 2), QStringLiteral("M0ABC "));
    EXPECT_EQ(config.textMatrix(26, 2), QStringLiteral("VFO A"));

    const FlexGrid& vfo = *doc->MSFlexGrid1(2);
    EXPECT_EQ(RowTexts(vfo, 2), QStringList({"RX Frequency", "145.500", "433.500"}));
    EXPECT_EQ(RowTexts(vfo, 5), QStringList({"TX Power", "HIGH", "LOW"}));
    EXPECT_EQ(RowTexts(vfo, 6), QStringList({"Encode DCS/CTCSS", "88.5", "OFF"}));
    EXPECT_EQ(RowTexts(vfo, 7), QStringList({"Decode DCS/CTCSS", "OFF", "D023N"}));
    EXPECT_EQ(RowTexts(vfo, 8), QStringList({"TX Deviation", "WIDE", "NARR"}));
    EXPECT_EQ(RowTexts(vfo, 10), QStringList({"Offset Frequency", "0.600", "7.600"}));
    EXPECT_EQ(RowTexts(vfo, 11), QStringList({"Start Channel", "1", "5"}));

    const FlexGrid& fm = *doc->MSFlexGrid1(3);
    EXPECT_EQ(ColumnTexts(fm, 1),
              QStringList({"Bank 1", "88.6", "90.8", "93.0", "98.5", "", "", "", "", ""}));
    EXPECT_EQ(ColumnTexts(fm, 2),
              QStringList({"Bank 2", "100.4", "104.3", "107.9", "", "", "", "", "", ""}));

    const FlexGrid& band = *doc->MSFlexGrid1(4);
    EXPECT_EQ(RowTexts(band, 1), QStringList({"Band 1 Receive", "136", "174"}));
    EXPECT_EQ(RowTexts(band, 2), QStringList({"Band 1 Transmit", "136", "174"}));
    EXPECT_EQ(RowTexts(band, 3), QStringList({"Band 2 Receive", "400", "480"}));
    EXPECT_EQ(RowTexts(band, 4), QStringList({"Band 2 Transmit", "400", "480"}));
    EXPECT_FALSE(doc->IsDataChanged());

    // SaveGrid then SaveFile rewrites a file of this program byte for byte.
    const QString second = tempPath(QStringLiteral("second.uvd"));
    doc->SaveFile(second);
    EXPECT_EQ(ReadFileBytes(second), ReadFileBytes(first));
    EXPECT_FALSE(doc->IsDataChanged());
}

// Moving and hiding columns changes where a field stands, never which field a
// cell belongs to.
TEST_F(DocumentTest, MovedAndHiddenColumnsKeepTheirFields) {
    const QString path = RealisticFile();
    auto doc = NewDocument();
    auto& table = Program().ColumnTable;
    std::swap(table[1].Order, table[10].Order); // Name <-> Group/Notes
    std::swap(table[2].Order, table[6].Order);  // RX Freq <-> TX Pwr
    table[7].Visible = false;                   // Scan
    ASSERT_TRUE(doc->OpenFile(path));
    const FlexGrid& memory = *doc->MSFlexGrid1(0);
    EXPECT_EQ(RowTexts(memory, 0),
              QStringList({"#", "Group/Notes", "TX Pwr", "TX Freq   ", "Decode ", "Encode ",
                           "RX Freq   ", "Scan", "TX Dev", "Busy Lck", "Name   "}));
    EXPECT_EQ(RowTexts(memory, 1), QStringList({"1", "Swindon rpt", "HIGH", "145.000", "OFF",
                                                "118.8", "145.600", "ON", "WIDE", "OFF", "GB3WH"}));
    // An RX cell emptied in its moved column blanks the channel, names and all.
    const_cast<FlexGrid&>(memory).setTextMatrix(2, 6, QString());
    const QString out = tempPath(QStringLiteral("out.uvd"));
    doc->SaveFile(out);
    clsVUROVA expected = RealisticImage();
    expected.BlankMemory(2);
    const QString expectedPath = tempPath(QStringLiteral("expected.uvd"));
    expected.SaveFile(expectedPath);
    EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(expectedPath));
}

TEST_F(DocumentTest, SaveGridCountsBlanksInTheRxCellAsFilled) {
    auto doc = OpenedDocument();
    FlexGrid& memory = *doc->MSFlexGrid1(0);
    // Row 11 is unused; blanks in its RX cell count as filled, so the name
    // reaches the image.
    memory.setTextMatrix(11, 2, QStringLiteral("   "));
    memory.setTextMatrix(11, 1, QStringLiteral("NEW"));
    doc->SaveGrid();
    EXPECT_EQ(doc->Image().Name(11), QStringLiteral("NEW"));
}

// Radio memory erased to FF: opening and saving rewrites only the bytes whose
// members store a canonical form (message padding, start channels, dual
// receive, current VFO, priority channel, erased shift frequencies) and the
// VFO frequencies the check after the fill puts into the bands.
TEST_F(DocumentTest, ErasedAreasGetOnlyTheKnownRewrites) {
    const QString path = tempPath(QStringLiteral("erased.uvd"));
    const QByteArray erased = ErasedRadioBytes();
    WriteFileBytes(path, erased);
    auto doc = NewDocument();
    {
        // The erased VFOs lie outside the bands; the check after the fill puts
        // the band defaults into their cells.
        ScriptedResponder dialogs;
        dialogs.answerMessage(platform::vbOK);
        ASSERT_TRUE(doc->OpenFile(path));
        EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Warning"));
    }
    const QString out = tempPath(QStringLiteral("out.uvd"));
    doc->SaveFile(out);
    const QByteArray saved = ReadFileBytes(out);
    ASSERT_EQ(saved.size(), 12292);

    QMap<int, int> expected;
    const int vfoDefaults[8] = {0x00, 0x25, 0x60, 0x13, 0x00, 0x25, 0x00, 0x40}; // 136.025, 400.025
    for (int i = 0; i < 4; ++i) {
        expected.insert(0x0810 + i, vfoDefaults[i]);
        expected.insert(0x0820 + i, vfoDefaults[4 + i]);
    }
    for (int k = 0x0E00; k <= 0x0E11; ++k)
        expected.insert(k, 0x20);
    expected.insert(0x0E45, 0x01);
    expected.insert(0x0E46, 0x01);
    expected.insert(0x0E47, 0x80);
    expected.insert(0x0E5E, 0x00);
    expected.insert(0x0E5F, 0x01);
    for (int k : {0x1811, 0x1812, 0x1813, 0x1814, 0x1821, 0x1822, 0x1823, 0x1824})
        expected.insert(k, 0x00);
    EXPECT_EQ(Rewrites(erased, saved.left(clsVUROVA::ImageSize)), expected);

    // Once rewritten, the file stays as it is.
    auto again = NewDocument();
    ASSERT_TRUE(again->OpenFile(out));
    const QString out2 = tempPath(QStringLiteral("out2.uvd"));
    again->SaveFile(out2);
    EXPECT_EQ(ReadFileBytes(out2), saved);
}

TEST_F(DocumentTest, NoImageLoadedSaveGridChangesNothingAndFillGridEmptiesMemoryRows) {
    auto doc = NewDocument();
    FlexGrid& memory = *doc->MSFlexGrid1(0);
    memory.setTextMatrix(1, 2, QStringLiteral("145.500"));
    const QByteArray before = doc->GetBytArry();
    doc->SaveGrid();
    EXPECT_EQ(doc->GetBytArry(), before);
    EXPECT_FALSE(doc->IsDataChanged());

    // An all-zero image holds no used channel: the memory rows are emptied
    // (and the VFO check warns about the zero VFO frequencies).
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    doc->FillGrid();
    EXPECT_EQ(memory.textMatrix(1, 2), QString());
}

// A second read into the same window must not leave the first radio's
// channels in the grid, where the next save would put them into the image.
TEST_F(DocumentTest, FillGridEmptiesRowsOfChannelsNotInUse) {
    auto doc = OpenedDocument();
    clsVUROVA other;
    other.Sbyt(QByteArray(8192, '\xFF'));
    other.setRXFrequency(1, QStringLiteral("146.52"));
    doc->Sbyt(other.GetBytArry().left(8192));
    ScriptedResponder dialogs; // erased band limits: channel 1 and the VFOs lie outside
    dialogs.answerMessage(platform::vbOK).answerMessage(platform::vbOK);
    doc->FillGrid();
    const FlexGrid& memory = *doc->MSFlexGrid1(0);
    EXPECT_EQ(memory.textMatrix(1, 2), QStringLiteral("146.520"));
    EXPECT_EQ(RowTexts(memory, 2), EmptyRow(2));
    doc->SaveGrid();
    EXPECT_FALSE(doc->Image().IsUsedMemoryChannel(2));
    doc->setCaption(QString());
}

TEST_F(DocumentTest, FillGridErrorIsShownAndDrawingComesBackOn) {
    auto doc = OpenedDocument();
    // A column table that puts Group/Notes beyond the grid's last column.
    const int order = Program().ColumnTable[10].Order;
    Program().ColumnTable[10].Order = doc->MSFlexGrid1(0)->cols();
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    doc->FillGrid();
    Program().ColumnTable[10].Order = order;
    ExpectLastBox(dialogs, "Error 30010: Invalid Col value", "Error", platform::vbExclamation);
    for (int g = 0; g < frmDocument::GridCount; ++g)
        EXPECT_TRUE(doc->MSFlexGrid1(g)->redraw()) << g;
}

TEST_F(DocumentTest, SaveGridErrorIsShownAndStops) {
    auto doc = OpenedDocument();
    doc->MSFlexGrid1(1)->setTextMatrix(3, 2, QStringLiteral("abc")); // Transmit Over Timer
    doc->MSFlexGrid1(3)->setTextMatrix(1, 1, QStringLiteral("99.9"));
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    doc->SaveGrid();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Error 13: Type mismatch")});
    // The FM grid comes after the failing row and is not written.
    EXPECT_EQ(doc->Image().FMBroadcast(1, 1), QStringLiteral("88.6"));
    doc->MSFlexGrid1(1)->setTextMatrix(3, 2, doc->Image().TOT());
    doc->MSFlexGrid1(3)->setTextMatrix(1, 1, QStringLiteral("88.6"));
}

TEST_F(DocumentTest, CommaLocaleShowsAndSavesTheSameBytes) {
    const QString first = RealisticFile();
    const LocaleGuard comma(CommaLocale());
    auto doc = NewDocument();
    const bool opened = doc->OpenFile(first);
    const QString rx = doc->MSFlexGrid1(0)->textMatrix(2, 2);
    const QString fm = doc->MSFlexGrid1(3)->textMatrix(1, 1);
    const QString second = tempPath(QStringLiteral("second.uvd"));
    doc->SaveFile(second);
    ASSERT_TRUE(opened);
    EXPECT_EQ(rx, QStringLiteral("145,7375"));
    EXPECT_EQ(fm, QStringLiteral("88,6"));
    EXPECT_EQ(ReadFileBytes(second), ReadFileBytes(first));
}
