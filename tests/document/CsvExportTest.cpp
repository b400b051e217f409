// The CSV export text as plain functions over grid texts and the column table
// (exact texts and bytes), and the document's GetExportData over its real
// memory grid.

#include "DocumentFixture.h"

#include "platform/widgets/TabStrip.h"
#include "program/ProgramValues.h"
#include "rules/CsvFile.h"

namespace {

using csv::ExportOptions;

const QString Header = QStringLiteral(
    "#,Name,RX Freq,TX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,Busy Lck,Group/Notes\r\n");

// 128 memory rows of 11 cells, channel numbers in column 0; rows given as
// "n:cell1,cell2,..." (cells in grid column order) are filled.
QList<QStringList> Grid(const QStringList& filled = {}) {
    QList<QStringList> rows;
    for (int r = 1; r <= 128; ++r) {
        QStringList cells(11);
        cells[0] = QString::number(r);
        rows << cells;
    }
    for (const QString& spec : filled) {
        const int colon = spec.indexOf(QLatin1Char(':'));
        const int r = spec.left(colon).toInt();
        const QStringList cells = spec.mid(colon + 1).split(QLatin1Char(','));
        for (int c = 0; c < cells.size(); ++c)
            rows[r - 1][c + 1] = cells.at(c);
    }
    return rows;
}

QString Export(const QList<QStringList>& rows, ExportOptions options = {}) {
    return csv::ExportText(rows, 11, Program().ColumnTable, options);
}

const QStringList ThreeChannels = {
    QStringLiteral("1:CALL,146.520,146.520,OFF,OFF,HIGH,ON,WIDE,OFF,SIMPLEX"),
    QStringLiteral("2:RPT1,146.940,146.340,OFF,100.0,HIGH,ON,WIDE,OFF,CLUB"),
    QStringLiteral("3:UHF,446.000,446.000,OFF,OFF,LOW,OFF,NARR,OFF,"),
};

} // namespace

TEST(CsvExportText, UsedRowsInChannelOrderUnderTheHeader) {
    QList<QStringList> rows = Grid(ThreeChannels);
    // A row is used by its RX cell alone; a row with other cells but no RX
    // frequency is left out, and cells are written as they read.
    rows[9][1] = QStringLiteral("NORX");
    rows[4][2] = QStringLiteral("145.500");
    rows[4][10] = QStringLiteral(" a \"b\",c ");
    EXPECT_EQ(Export(rows), Header + "1,CALL,146.520,146.520,OFF,OFF,HIGH,ON,WIDE,OFF,SIMPLEX\r\n"
                                     "2,RPT1,146.940,146.340,OFF,100.0,HIGH,ON,WIDE,OFF,CLUB\r\n"
                                     "3,UHF,446.000,446.000,OFF,OFF,LOW,OFF,NARR,OFF,\r\n"
                                     "5,,145.500,,,,,,,, a \"b\",c \r\n");
    EXPECT_EQ(Export(Grid()), Header);
}

TEST(CsvExportText, QuotesWrapEveryFieldHeaderAndEmptyCellsIncluded) {
    const QString text = Export(Grid({ThreeChannels.at(2)}), {false, true, false});
    EXPECT_EQ(text, QStringLiteral("\"#\",\"Name\",\"RX Freq\",\"TX Freq\",\"Decode\",\"Encode\","
                                   "\"TX Pwr\",\"Scan\",\"TX Dev\",\"Busy Lck\",\"Group/Notes\"\r\n"
                                   "\"3\",\"UHF\",\"446.000\",\"446.000\",\"OFF\",\"OFF\",\"LOW\","
                                   "\"OFF\",\"NARR\",\"OFF\",\"\"\r\n"));
    EXPECT_EQ(csv::AddQuotes(QStringLiteral("a\"b")), QStringLiteral("\"a\"b\""));
    EXPECT_EQ(csv::AddQuotes(QString()), QStringLiteral("\"\""));
}

TEST(CsvExportText, UnusedRowsWithoutTheNumberField) {
    const QStringList lines =
        Export(Grid(ThreeChannels), {true, false, true}).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 130); // 129 lines and the empty text after the last CR LF
    EXPECT_EQ(lines.at(0),
              QStringLiteral("Name,RX Freq,TX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,Busy Lck,"
                             "Group/Notes"));
    EXPECT_EQ(lines.at(2), QStringLiteral("RPT1,146.940,146.340,OFF,100.0,HIGH,ON,WIDE,OFF,CLUB"));
    EXPECT_EQ(lines.at(4), QStringLiteral(",,,,,,,,,"));
    EXPECT_EQ(lines.at(128), QStringLiteral(",,,,,,,,,"));
    EXPECT_EQ(lines.at(129), QString());

    // With the number field an unused row is its number and ten commas; the
    // blanks a number cell may carry are dropped.
    QList<QStringList> rows = Grid();
    rows[6][0] = QStringLiteral("  7 ");
    EXPECT_EQ(Export(rows, {true, false, false}).split(QStringLiteral("\r\n")).at(7),
              QStringLiteral("7,,,,,,,,,,"));
}

// The header follows the display order by the default captions; the RX
// column that decides "used" moves with its record.
TEST(CsvExportText, ColumnOrderMovesHeaderAndDataTogether) {
    auto& table = Program().ColumnTable;
    std::swap(table[ColName].Order, table[ColGroupNotes].Order);
    std::swap(table[ColRXFreq].Order, table[ColTXFreq].Order);
    table[ColName].Caption = QStringLiteral("Label");
    QList<QStringList> rows = Grid();
    rows[0] = QStringList{"1", "NOTES", "146.000", "145.400", "", "", "", "", "", "", "NAME"};
    rows[1][3] = QStringLiteral("146.100"); // the RX column, now grid column 3
    rows[2][2] = QStringLiteral("146.200"); // TX only: not used
    EXPECT_EQ(Export(rows),
              QStringLiteral("#,Group/Notes,TX Freq,RX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,"
                             "Busy Lck,Name\r\n"
                             "1,NOTES,146.000,145.400,,,,,,,NAME\r\n"
                             "2,,,146.100,,,,,,,\r\n"));
    EXPECT_EQ(csv::HeaderName(table, ColName), QStringLiteral("Name"));
    EXPECT_EQ(csv::HeaderName(table, 0), QString());
    EXPECT_EQ(csv::HeaderName(table, ColumnCount), QString());
}

// The file is the text, one more CR LF, in the single-byte code page.
TEST(CsvExportText, FileBytesAreTheCodePageOfTheTextAndAnEmptyLine) {
    EXPECT_EQ(csv::ExportFileBytes(QStringLiteral("N\r\nCAF\u00C9 \u20AC\r\n")),
              QByteArray("N\r\nCAF\xC9 \x80\r\n\r\n"));
    EXPECT_EQ(csv::ExportFileBytes(QString()), QByteArray("\r\n"));
}

class GetExportDataTest : public DocumentTest {};

// Grid 0 as its cells read, whichever tab is shown and whatever the image
// holds; a hidden column is still exported. A "," locale's frequencies keep
// their comma, so unquoted they split into two fields.
TEST_F(GetExportDataTest, ReadsTheMemoryGridOnAnyTabIncludingHiddenColumns) {
    auto doc = OpenedDocument();
    LocaleGuard comma(CommaLocale());
    Program().ColumnTable[ColScan].Visible = false;
    doc->Initgrid();
    doc->FillGrid();
    platform::FlexGrid& grid = *doc->MSFlexGrid1(0);
    grid.setTextMatrix(3, GridColumnOf(ColName), QStringLiteral("EDITED"));
    doc->SSTab1()->setTab(2);
    ASSERT_EQ(grid.colWidth(GridColumnOf(ColScan)), 0);

    bool includeUnused = false, useQuotes = false, leaveOutNumber = false;
    const QStringList lines =
        doc->GetExportData(includeUnused, useQuotes, leaveOutNumber).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2 + 19);
    EXPECT_EQ(lines.at(1).toStdString(), ("1,GB3WH,145,600,145,000,OFF,118,8,HIGH,ON,WIDE,OFF,"
                                          "Swindon rpt"));
    EXPECT_EQ(lines.at(3).toStdString(),
              ("3,EDITED,145,500,145,500,OFF,OFF,LOW,ON,WIDE,OFF,Calling"));
    EXPECT_EQ(lines.at(19).toStdString(), ("128,LAST2,470,000,470,000,OFF,OFF,LOW,ON,NARR,OFF,"
                                           "Top row"));
    EXPECT_FALSE(doc->Image().IsDataChanged());
}
