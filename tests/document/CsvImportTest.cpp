// The CSV import: its plain functions over texts, and ImportCSV on a real
// document whose memories are all empty (band limits 136-174 and 400-480).

#include "DocumentFixture.h"

#include "document/ImportStartGroup.h"
#include "document/frmImportSelect.h"
#include "document/frmStatus.h"
#include "platform/core/Codec.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "rules/CsvImport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString Header =
    QStringLiteral("#,Name,RX Freq,TX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,Busy Lck,Group/Notes");

QStringList Cells(std::initializer_list<const char*> texts) {
    QStringList cells;
    for (const char* text : texts)
        cells << QString::fromLatin1(text);
    return cells;
}

// Grid columns 1..10 of a row.
QStringList DataCells(const platform::FlexGrid& grid, int row) {
    return RowTexts(grid, row).mid(1);
}

void SetDataCells(platform::FlexGrid& grid, int row, const QStringList& cells) {
    for (int c = 1; c < grid.cols(); ++c)
        grid.setTextMatrix(row, c, cells.value(c - 1));
}

} // namespace

// --- plain functions ---

TEST(CsvImportText, StripQuotesTakesOneQuoteOffEachEnd) {
    QString field = QStringLiteral("\"AB\"");
    EXPECT_EQ(csv::StripQuotes(field), QStringLiteral("AB"));
    EXPECT_EQ(field, QStringLiteral("AB"));
    field = QStringLiteral("\"AB");
    EXPECT_EQ(csv::StripQuotes(field), QStringLiteral("AB"));
    field = QStringLiteral("\"");
    EXPECT_EQ(csv::StripQuotes(field), QString());
    field = QStringLiteral("\"\"A\"\"");
    EXPECT_EQ(csv::StripQuotes(field), QStringLiteral("\"A\""));
}

TEST(CsvImportText, HeaderTest) {
    const auto& table = Program().ColumnTable;
    const auto valid = [&](const QString& line) {
        return csv::IsValidHeader(csv::HeaderWithoutQuotes(line), table);
    };
    EXPECT_TRUE(valid(Header));
    EXPECT_TRUE(valid(QStringLiteral("\"#\",\"name\",\"RX FREQ\"")));
    EXPECT_TRUE(valid(QStringLiteral("rx freq,NAME")));
    EXPECT_TRUE(valid(QStringLiteral("Name,,  ,RX Freq,")));
    EXPECT_TRUE(valid(QStringLiteral("Encode,Group/Notes")));
    EXPECT_TRUE(valid(QString()));
    EXPECT_FALSE(valid(QStringLiteral(" Name,RX Freq")));
    EXPECT_FALSE(valid(QStringLiteral("Name ,RX Freq")));
    EXPECT_FALSE(valid(QStringLiteral("Name,RX Frequency")));
    EXPECT_FALSE(valid(QStringLiteral("Name,RX Freq,Notes")));
    // "#" anywhere but first would read every first field as a channel number.
    EXPECT_FALSE(valid(QStringLiteral("Name,#,RX Freq")));
    EXPECT_FALSE(valid(QStringLiteral(" #,Name")));
    EXPECT_TRUE(csv::IsNumberedHeader(QStringLiteral("#,Name")));
    EXPECT_FALSE(csv::IsNumberedHeader(QStringLiteral("Name,RX Freq")));
}

// The map follows the columns' places in the grid and their default captions,
// whatever the user named or moved them to.
TEST(CsvImportText, ColumnMapByDefaultCaptionToTheColumnsPlace) {
    auto table = Program().ColumnTable;
    EXPECT_EQ(csv::ColumnMap(Header, table), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    std::swap(table[ColName].Order, table[ColGroupNotes].Order);
    table[ColName].Caption = QStringLiteral("Tag");
    EXPECT_EQ(csv::ColumnMap(QStringLiteral("encode,,NAME,RX Freq,group/notes,#"), table),
              QList<int>({5, 0, 10, 2, 1, 0}));
}

TEST(CsvImportText, FieldsSplitAtCommasOrQuoteCommaPairs) {
    using csv::SplitFields;
    EXPECT_EQ(SplitFields(QStringLiteral("1, a ,,\"446.00625\","), true),
              QStringList({"1", " a ", "", "446.00625", ""}));
    // Commas inside quotes are blanks when "," is not the decimal separator.
    EXPECT_EQ(SplitFields(QStringLiteral("5,\"ROOF, EAST\",x"), true),
              QStringList({"5", "ROOF  EAST", "x"}));
    EXPECT_EQ(SplitFields(QStringLiteral("5,\"ROOF, EAST\",x"), false),
              QStringList({"5", "ROOF", " EAST", "x"}));
    EXPECT_EQ(SplitFields(QStringLiteral("5,A\"B,x"), true), std::nullopt);
    EXPECT_EQ(SplitFields(QStringLiteral("5,A\"B,x"), false), QStringList({"5", "A\"B", "x"}));
    // A line that begins with a quote is split at quote-comma pairs only.
    EXPECT_EQ(SplitFields(QStringLiteral("\"5\",\"ROOF\",\"146,52\""), false),
              QStringList({"5", "ROOF", "146,52"}));
    EXPECT_EQ(SplitFields(QStringLiteral("\"5\",6,\"7\""), false), QStringList({"5", "6,\"7"}));
}

TEST(CsvImportText, CellValuesAreTrimmedOfBlanksAndUpperCased) {
    EXPECT_EQ(csv::CellValue(QStringLiteral("  d754i ")), QStringLiteral("D754I"));
    EXPECT_EQ(csv::CellValue(QStringLiteral("\tx\t")), QStringLiteral("\tX\t"));
    // Capitals the single-byte code holds; a letter whose capital it lacks
    // stays as it is, and none turns into two.
    EXPECT_EQ(csv::CellValue(QStringLiteral(u"\u00e9t\u00e9 \u00df \u00b5 \u00ff")),
              QStringLiteral(u"\u00c9T\u00c9 \u00df \u00b5 \u0178"));
}

TEST(CsvImportText, ChannelNumbers) {
    int row = 0;
    const auto read = [&](const char* text) {
        row = 0;
        return csv::ReadChannelNumber(QString::fromLatin1(text), row);
    };
    using csv::ChannelField;
    EXPECT_EQ(read("5"), ChannelField::Valid);
    EXPECT_EQ(row, 5);
    EXPECT_EQ(read(" 128 "), ChannelField::Valid);
    EXPECT_EQ(row, 128);
    EXPECT_EQ(read("2.5"), ChannelField::Valid); // halves to even
    EXPECT_EQ(row, 2);
    EXPECT_EQ(read("0.5"), ChannelField::OutOfRange);
    EXPECT_EQ(read("129"), ChannelField::OutOfRange);
    EXPECT_EQ(read("99999999999999999999"), ChannelField::OutOfRange);
    EXPECT_EQ(read(""), ChannelField::Invalid);
    EXPECT_EQ(read("1e2"), ChannelField::Invalid);
    EXPECT_EQ(csv::LogEntry(csv::ChannelInvalidEntry, 4, QStringLiteral("x")),
              QStringLiteral("Memory not imported - channel number invalid. Line 4: x\r\n"));
}

// --- the document's import ---

namespace {

class CsvImportTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        clsVUROVA image = RealisticImage();
        for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch)
            image.BlankMemory(ch);
        uvd = tempPath(QStringLiteral("empty.uvd"));
        image.SaveFile(uvd);
        OpenDocument();
        // Settings that name a channel now empty are settled by the first save.
        ASSERT_TRUE(doc->SaveFile(uvd));
        OpenDocument();
    }

    // The file opened afresh, in the locale of the moment.
    void OpenDocument() {
        doc = NewDocument();
        ASSERT_TRUE(doc->OpenFile(uvd));
        grid = doc->MSFlexGrid1(frmDocument::MemoryGrid);
    }

    QString CsvFile(const QString& text, const QString& name = QStringLiteral("in.csv")) {
        const QString path = tempPath(name);
        WriteFileBytes(path, platform::TextToBytes(text));
        return path;
    }

    QStringList Row(int row) const { return DataCells(*grid, row); }
    QList<QStringList> AllRows() const {
        QList<QStringList> rows;
        for (int r = 0; r < grid->rows(); ++r)
            rows << RowTexts(*grid, r);
        return rows;
    }
    QList<int> UsedRows() const {
        QList<int> used;
        for (int r = 1; r < grid->rows(); ++r)
            if (doc->IsRowUsed(r))
                used << r;
        return used;
    }

    // The Error Log is read and closed.
    void ExpectLog() {
        dialogs.runModal([this](QDialog& dialog) {
            logCaption = dialog.windowTitle();
            log = static_cast<frmStatus&>(dialog).Text1()->toPlainText();
            logFrame = dialog.frameGeometry();
            screen = dialog.screen()->geometry();
            logModal = QApplication::activeModalWidget() == &dialog;
            dialog.close();
        });
    }
    // The start dialog, driven by act, which ends it.
    void ChooseStart(std::function<void(frmImportSelect&)> act) {
        dialogs.runModal([act](QDialog& dialog) { act(static_cast<frmImportSelect&>(dialog)); });
    }
    void StartAtChannel(int channel) {
        ChooseStart([channel](frmImportSelect& d) {
            d.Frame2()->Option5()->click();
            d.Frame2()->Text1()->setText(QString::number(channel));
            d.Command1()->click();
        });
    }
    void StartAtLastEmpty() {
        ChooseStart([](frmImportSelect& d) { d.Command1()->click(); });
    }

    ScriptedResponder dialogs;
    std::unique_ptr<frmDocument> doc;
    platform::FlexGrid* grid = nullptr;
    QString uvd;
    QString log;
    QString logCaption;
    QRect logFrame;
    QRect screen;
    bool logModal = false;
};

const QString Example =
    QStringLiteral("#,Name,RX Freq,TX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,Busy Lck,Group/Notes\n"
                   "1,RPT1,146.94,146.34,OFF,100.0,HIGH,ON,WIDE,OFF,Club\n"
                   "5,ROOF,\"446.00625\",,D023N,D023N,HIGH,OFF,WIDE,OFF,\"ROOF, EAST\"\n"
                   "3,,,,,,,,,,\n"
                   "x,BAD,146.52,,OFF,OFF,HIGH,ON,WIDE,OFF,\n"
                   "8,STEP,146.5225,,OFF,OFF,HIGH,ON,WIDE,OFF,\n"
                   "\n"
                   "4,LONGNAME1,145.50625,144.90625,88.5,d754i,LOW,OFF,NARR,OFF,notes\n");

const QString ExampleLog =
    QStringLiteral("Memory not imported - RX frequency not a valid number. Line 3: \n"
                   "Memory not imported - channel number invalid. Line 4: x\n"
                   "Memory not imported - RX frequency uses unsupported step size. Line 5: "
                   "146.5225\n");

} // namespace

TEST_F(CsvImportTest, NumberedFileFillsItsRowsAndLogsTheRefusedLines) {
    const QByteArray before = ReadFileBytes(uvd);
    ExpectLog();
    doc->ImportCSV(CsvFile(QString(Example).replace(QStringLiteral("\n"), QStringLiteral("\r\n"))));
    EXPECT_EQ(dialogs.pending(), 0);

    EXPECT_EQ(Row(1), Cells({"RPT1", "146.940", "146.340", "OFF", "100.0", "HIGH", "ON", "WIDE",
                             "OFF", "CLUB"}));
    EXPECT_EQ(Row(4), Cells({"LONGNA", "145.50625", "144.90625", "88.5", "D754I", "LOW", "OFF",
                             "NARR", "OFF", "NOTES"}));
    EXPECT_EQ(Row(5), Cells({"ROOF", "446.00625", "", "D023N", "D023N", "HIGH", "OFF", "WIDE",
                             "OFF", "ROOF  EAST"}));
    EXPECT_EQ(UsedRows(), QList<int>({1, 4, 5}));
    EXPECT_EQ(logCaption, QStringLiteral("Error Log"));
    EXPECT_EQ(log, ExampleLog);
    EXPECT_TRUE(logModal);
    EXPECT_NEAR(logFrame.left() - screen.left(), screen.right() - logFrame.right(), 1)
        << logFrame.left() << " " << logFrame.width() << " " << screen.width();
    EXPECT_NEAR(logFrame.top() - screen.top(), screen.bottom() - logFrame.bottom(), 1)
        << logFrame.top() << " " << logFrame.height() << " " << screen.height();

    // The name reaches the image cut to six characters; the bytes after it
    // stay as they were.
    ASSERT_TRUE(doc->SaveFile(uvd));
    const QByteArray after = ReadFileBytes(uvd);
    EXPECT_EQ(after.mid(0x1040, 6), Bytes({0x15, 0x18, 0x17, 0x10, 0x17, 0x0A}));
    EXPECT_EQ(after.mid(0x1046, 10), before.mid(0x1046, 10));
}

// Lines that end with LF only read as the same lines; no temporary file is
// written beside the program or taken away from there, also when it is the
// very file imported.
TEST_F(CsvImportTest, LfLineEndsImportAlikeAndNoTemporaryFileIsTouched) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString tmpcsv = QDir(programFolder).filePath(QStringLiteral("tmpcsv.csv"));
    ASSERT_FALSE(QFile::exists(tmpcsv));
    ExpectLog();
    doc->ImportCSV(CsvFile(Example));
    EXPECT_FALSE(QFile::exists(tmpcsv));
    EXPECT_EQ(log, ExampleLog);
    EXPECT_EQ(Row(5), Cells({"ROOF", "446.00625", "", "D023N", "D023N", "HIGH", "OFF", "WIDE",
                             "OFF", "ROOF  EAST"}));
    EXPECT_EQ(UsedRows(), QList<int>({1, 4, 5}));

    const QByteArray own = platform::TextToBytes(QStringLiteral("#,RX Freq\n9,145.5\n"));
    WriteFileBytes(tmpcsv, own);
    doc->ImportCSV(tmpcsv);
    const QByteArray left = ReadFileBytes(tmpcsv);
    QFile::remove(tmpcsv);
    EXPECT_EQ(left, own);
    EXPECT_EQ(Row(9).at(1), QStringLiteral("145.500"));
}

TEST_F(CsvImportTest, ChannelNumbersOutOfRangeAndRepeated) {
    ExpectLog();
    doc->ImportCSV(CsvFile(QStringLiteral("#,RX Freq,Name\r\n0,146.52,A\r\n40000,146.52,B\r\n"
                                          "7,145.5,C\r\n2.5,145.6,D\r\n7,145.7,E\r\n")));
    EXPECT_EQ(log,
              QStringLiteral("Memory not imported - channel number out of range. Line 1: 0\n"
                             "Memory not imported - channel number out of range. Line 2: 40000\n"));
    EXPECT_EQ(UsedRows(), QList<int>({2, 7}));
    EXPECT_EQ(Row(7).mid(0, 2), QStringList({"E", "145.700"}));
    EXPECT_EQ(Row(2).mid(0, 2), QStringList({"D", "145.600"}));
}

TEST_F(CsvImportTest, FromAChosenChannelUntilTheRowsRunOut) {
    StartAtChannel(127);
    ExpectLog();
    doc->ImportCSV(CsvFile(QStringLiteral("Name,RX Freq\r\nA,146.52\r\nB,146.54\r\nC,146.56\r\n")));
    EXPECT_EQ(Program().ImportStartRow, 127);
    EXPECT_EQ(UsedRows(), QList<int>({127, 128}));
    EXPECT_EQ(Row(127).mid(0, 2), QStringList({"A", "146.520"}));
    EXPECT_EQ(Row(128).mid(0, 2), QStringList({"B", "146.540"}));
    EXPECT_EQ(log, QStringLiteral("File data exceeded available memories.\n"));
}

TEST_F(CsvImportTest, AfterTheLastUsedMemoryAndTheValueTheImageKeeps) {
    grid->setTextMatrix(10, GridColumnOf(ColRXFreq), QStringLiteral("145.5"));
    StartAtLastEmpty();
    doc->ImportCSV(CsvFile(QStringLiteral("Name,RX Freq\r\nA,146.52\r\n")));
    EXPECT_EQ(Program().ImportStartRow, 11);
    EXPECT_EQ(UsedRows(), QList<int>({10, 11}));

    // Every memory empty: channel 1. The image keeps whole 10 Hz units.
    for (int r = 1; r < grid->rows(); ++r)
        SetDataCells(*grid, r, QStringList());
    StartAtLastEmpty();
    doc->ImportCSV(CsvFile(QStringLiteral("Name,RX Freq\r\nDEC,146.520000001\r\n")));
    EXPECT_EQ(Program().ImportStartRow, 1);
    EXPECT_EQ(doc->GetBytArry().mid(0x0010, 4), Bytes({0x00, 0x20, 0x65, 0x14}));
    EXPECT_EQ(Row(1).mid(0, 2), QStringList({"DEC", "146.520"}));
}

// A refused line empties the row it was aimed at and uses it up no further:
// the next line fills it. Blank lines use no row but count in the numbers.
TEST_F(CsvImportTest, ARefusedFrequencyEmptiesItsRowForTheNextLine) {
    SetDataCells(
        *grid, 3,
        Cells({"OLD", "145.500", "", "OFF", "OFF", "HIGH", "ON", "WIDE", "OFF", "OLD NOTE"}));
    StartAtChannel(3);
    ExpectLog();
    doc->ImportCSV(CsvFile(QStringLiteral("Name,RX Freq,TX Freq\r\nA,500.0,\r\n\r\nB,146.52,"
                                          "999\r\nC,146.52,abc\r\nD,146.52,146.5225\r\n"
                                          "E,146.52,146.52\r\n")));
    EXPECT_EQ(log, QStringLiteral(
                       "Memory not imported - RX frequency outside of band limits. Line 1: 500.0\n"
                       "Memory not imported - TX frequency outside of band limits. Line 3: 999\n"
                       "Memory not imported - TX frequency not a valid number. Line 4: ABC\n"
                       "Memory not imported - TX frequency uses unsupported step size. Line 5: "
                       "146.5225\n"));
    EXPECT_EQ(UsedRows(), QList<int>({3}));
    // Columns the file does not name are the image's for a freshly used row.
    EXPECT_EQ(Row(3).mid(0, 3), QStringList({"E", "146.520", "146.520"}));
    EXPECT_NE(Row(3).at(9), QStringLiteral("OLD NOTE"));
}

TEST_F(CsvImportTest, QuotesInTheDecimalPointLocale) {
    StartAtChannel(1);
    ExpectLog();
    doc->ImportCSV(CsvFile(QStringLiteral("Name,RX Freq,Group/Notes\r\nA,146.52,\"ROOF, EAST\"\r\n"
                                          "B\"\",146.54,\"x\"\"\r\n")));
    EXPECT_EQ(Row(1).mid(0, 2), QStringList({"A", "146.520"}));
    EXPECT_EQ(Row(1).at(9), QStringLiteral("ROOF  EAST"));
    EXPECT_EQ(log, QStringLiteral("Memory not imported - invalid quotes. Line 2: "
                                  "B\"\",146.54,\"x\"\"\n"));
    EXPECT_EQ(UsedRows(), QList<int>({1}));
}

TEST_F(CsvImportTest, QuotesInTheDecimalCommaLocale) {
    const LocaleGuard comma(CommaLocale());
    OpenDocument();
    ExpectLog();
    doc->ImportCSV(CsvFile(QStringLiteral("#,Name,RX Freq\r\n\"5\",\"ROOF\",\"146,52\"\r\n"
                                          "6,\"RO,OF\",146,52\r\n")));
    EXPECT_EQ(Row(5).mid(0, 2), QStringList({"ROOF", "146,520"}));
    EXPECT_EQ(
        log, QStringLiteral("Memory not imported - RX frequency not a valid number. Line 2: OF\n"));
}

TEST_F(CsvImportTest, RefusedHeaderChangesNothing) {
    grid->setTextMatrix(2, GridColumnOf(ColName), QStringLiteral("KEEP"));
    const QList<QStringList> cells = AllRows();
    const QByteArray bytes = doc->GetBytArry();
    const QString message =
        QStringLiteral("Error: the CSV file you are attempting to import does not contain a valid "
                       "header for KG-UV Ferrowind!\r\nWithout a valid header, the CSV file "
                       "cannot be imported.");
    for (const char* header : {" Name,RX Freq", "Name,#,RX Freq"}) {
        dialogs.answerMessage(platform::vbOK);
        doc->ImportCSV(CsvFile(QString::fromLatin1(header) + QStringLiteral("\r\nA,146.52\r\n")));
        ExpectLastBox(dialogs, message, QStringLiteral("Error"), platform::vbExclamation,
                      platform::vbOKOnly);
        EXPECT_EQ(AllRows(), cells);
        EXPECT_EQ(doc->GetBytArry(), bytes);
    }
}

TEST_F(CsvImportTest, AHeaderInAnotherOrderFillsOnlyItsColumns) {
    const QByteArray bytes = doc->GetBytArry();
    StartAtChannel(1);
    doc->ImportCSV(CsvFile(QStringLiteral("rx freq,NAME\r\n146.52,abc\r\n")));
    EXPECT_EQ(Row(1).mid(0, 2), QStringList({"ABC", "146.520"}));
    const QByteArray after = doc->GetBytArry();
    QList<int> changed;
    for (int i = 0; i < after.size(); ++i)
        if (after.at(i) != bytes.at(i))
            changed << i;
    // Channel 1's record and name only.
    for (const int i : changed)
        EXPECT_TRUE((i >= 0x10 && i < 0x20) || (i >= 0x1010 && i < 0x1016)) << i;
    EXPECT_EQ(after.mid(0x10, 4), Bytes({0x00, 0x20, 0x65, 0x14}));
}

TEST_F(CsvImportTest, NoStartRowMeansNothingIsImported) {
    Program().ImportStartRow = 0;
    ChooseStart([](frmImportSelect& d) { d.close(); });
    const QList<QStringList> cells = AllRows();
    doc->ImportCSV(CsvFile(QStringLiteral("Name,RX Freq\r\nA,146.52\r\n")));
    EXPECT_EQ(AllRows(), cells);
    EXPECT_EQ(Program().ImportStartRow, 0);

    // The close box keeps the row the last import chose.
    Program().ImportStartRow = 20;
    ChooseStart([](frmImportSelect& d) { d.close(); });
    doc->ImportCSV(CsvFile(QStringLiteral("Name,RX Freq\r\nA,146.52\r\n")));
    EXPECT_EQ(UsedRows(), QList<int>({20}));
}

TEST_F(CsvImportTest, FilesThatCannotBeReadShowTheirError) {
    grid->setTextMatrix(2, GridColumnOf(ColName), QStringLiteral("KEEP"));
    const QList<QStringList> cells = AllRows();
    dialogs.answerMessage(platform::vbOK).answerMessage(platform::vbOK);
    doc->ImportCSV(tempPath(QStringLiteral("missing.csv")));
    doc->ImportCSV(CsvFile(QString()));
    EXPECT_EQ(dialogs.messages(),
              QStringList({"Error 53:File not found (No such file or directory)",
                           "Error 62:Input past end of file"}));
    EXPECT_EQ(dialogs.shown().at(1).icon, platform::vbExclamation);
    EXPECT_EQ(dialogs.shown().at(1).title, platform::ApplicationTitle());
    EXPECT_EQ(AllRows(), cells);

    // A header alone imports nothing and logs nothing, but still takes the
    // grid through the image: the name without a frequency is dropped.
    doc->ImportCSV(CsvFile(Header + QStringLiteral("\r\n")));
    EXPECT_EQ(Row(2), RowTexts(*grid, 3).mid(1));
}

// What the export writes, with or without quotes, comes back into the same
// rows of another document (values upper-cased on the way in).
TEST_F(CsvImportTest, AnExportImportsBackIntoTheSameRows) {
    std::unique_ptr<frmDocument> source = OpenedDocument();
    const platform::FlexGrid& from = *source->MSFlexGrid1(frmDocument::MemoryGrid);
    for (const bool quotes : {false, true}) {
        bool unused = quotes;
        bool useQuotes = quotes;
        bool leaveOut = false;
        const QString text = source->GetExportData(unused, useQuotes, leaveOut);
        if (quotes)
            ExpectLog(); // the unused channels, refused for their empty RX
        doc->ImportCSV(CsvFile(text));
        for (int r = 1; r < from.rows(); ++r) {
            QStringList expected = DataCells(from, r);
            for (QString& cell : expected)
                cell = cell.toUpper();
            EXPECT_EQ(Row(r), expected) << r;
        }
        if (quotes) {
            EXPECT_TRUE(log.startsWith(QStringLiteral(
                "Memory not imported - RX frequency not a valid number. Line 11: \n")));
        }
    }
}

// --- the start dialog ---

TEST_F(CsvImportTest, StartDialogResults) {
    ChooseStart([](frmImportSelect& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Import"));
        EXPECT_EQ(d.Command1()->text(), QStringLiteral("&OK"));
        EXPECT_TRUE(d.Frame2()->Option6()->isChecked());
        d.Frame2()->Option5()->click();
        EXPECT_TRUE(d.Frame2()->Text1()->takeFocus());
        d.Frame2()->Text1()->selectAll();
        QTest::keyClicks(d.Frame2()->Text1(), QStringLiteral("500"));
        // OK by its mnemonic; the box is set right whatever takes the focus.
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(&d, Qt::Key_O, Qt::AltModifier);
        if (!WaitUntil([&d] { return !d.isVisible(); }, 2000)) {
            ADD_FAILURE() << "the mnemonic did not press OK";
            d.reject();
        }
    });
    doc->ImportCSV(CsvFile(QStringLiteral("Name\r\n")));
    EXPECT_EQ(Program().ImportStartRow, 128);

    ChooseStart([](frmImportSelect& d) {
        d.Frame2()->Option5()->click();
        EXPECT_TRUE(d.Frame2()->Text1()->takeFocus());
        d.Frame2()->Text1()->setText(QStringLiteral("12abc"));
        QTest::keyClick(d.Frame2()->Text1(), Qt::Key_Return);
    });
    doc->ImportCSV(CsvFile(QStringLiteral("Name\r\n")));
    EXPECT_EQ(Program().ImportStartRow, 12);

    mainWindow.currentRow = 9;
    ChooseStart([](frmImportSelect& d) {
        d.Frame2()->Option7()->click();
        d.Command1()->click();
    });
    doc->ImportCSV(CsvFile(QStringLiteral("Name\r\n")));
    EXPECT_EQ(Program().ImportStartRow, 9);
}
