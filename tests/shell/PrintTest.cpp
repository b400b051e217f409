// File > Print... for real, to PDF files: the pages, where their texts lie,
// the table's columns and rows, and the printer the next dialog opens on.

#include "ShellFixture.h"

#include "platform/core/Settings.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/Printer.h"
#include "program/ProgramValues.h"
#include "support/PdfPages.h"
#include "support/SpecialFiles.h"

#include <QAction>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <array>

namespace {

constexpr double Tolerance = 20;
constexpr double CellPadding = 60;
constexpr double TableLeft = 600;
constexpr double TableTop = 900;
constexpr double RowHeight = 345;
constexpr double LetterWidth = 12240;
// The portrait table is squeezed from its own size onto the page.
constexpr double PortraitScaleX = 11400.0 / 14940.0;
constexpr double PortraitScaleY = 13950.0 / 18975.0;
// Print widths by logical column.
constexpr std::array<double, 11> PrintWidths = {510,  1110, 1250, 1250, 870, 870,
                                                1230, 870,  870,  1110, 5000};

class PrintTest : public ShellTest {
protected:
    void Open() {
        path = UvdFile(QStringLiteral("demo.uvd"));
        main = std::make_unique<frmMain>();
        main->MDIForm_Load(path);
        main->show();
        Settle();
        document = main->ActiveDocument();
        ASSERT_NE(document, nullptr);
        ::SetChannel(document, 3, QStringLiteral("146.52"), QStringLiteral("146.52"));
    }
    // Prints through the dialog, answered with a PDF file on Letter paper.
    // A box the print then shows gets boxAnswer.
    QString Print(QPageLayout::Orientation orientation, const QString& name, bool accept = true,
                  int boxAnswer = 0) {
        const QString pdf = tempPath(name);
        dialogs.answerPrint(accept, [this, pdf, orientation](QPrinter& printer) {
            offered.push_back({printer.pageLayout().orientation(), printer.outputFileName()});
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::Letter));
            printer.setPageOrientation(orientation);
        });
        if (boxAnswer != 0)
            dialogs.answerMessage(boxAnswer);
        main->mnuPrint()->trigger();
        return pdf;
    }
    // The texts of the "#" column below the header, top to bottom.
    static QStringList Channels(const QList<PdfWord>& words, double scaleX = 1) {
        QStringList channels;
        for (const PdfWord& w : words) {
            if (w.left >= TableLeft && w.left < TableLeft + PrintWidths[0] * scaleX &&
                w.top > TableTop + RowHeight * 0.5 && w.text != QLatin1String("#"))
                channels << w.text;
        }
        return channels;
    }
    static QStringList Numbers(int first, int last) {
        QStringList numbers;
        for (int n = first; n <= last; ++n)
            numbers << QString::number(n);
        return numbers;
    }
    // The layout line that holds word, split at blanks.
    static QStringList LineWith(const QStringList& lines, const QString& word) {
        for (const QString& line : lines) {
            const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (words.contains(word))
                return words;
        }
        return {};
    }
    static bool HasWord(const QString& pdf, int pages, const QString& text) {
        for (int page = 1; page <= pages; ++page) {
            if (FindWord(PdfPageWords(pdf, page), text))
                return true;
        }
        return false;
    }
    static void ExpectAt(const QList<PdfWord>& words, const QString& text, double x, double y) {
        const PdfWord* word = FindWord(words, text);
        ASSERT_NE(word, nullptr) << text.toStdString();
        EXPECT_NEAR(word->left, x, Tolerance) << text.toStdString();
        EXPECT_NEAR(word->top, y, Tolerance) << text.toStdString();
    }
    // The captions start at their column's edge; every row's texts lie in
    // their row.
    void ExpectTable(const QString& pdf, double scaleX, double scaleY) {
        const QList<PdfWord> words = PdfPageWords(pdf, 1);
        const QStringList captions = {"#",      "Name", "RX",     "TX",   "Decode",     "Encode",
                                      "TX Pwr", "Scan", "TX Dev", "Busy", "Group/Notes"};
        double edge = TableLeft;
        for (int k = 0; k < 11; ++k) {
            const QString first = captions.at(k).section(QLatin1Char(' '), 0, 0);
            const PdfWord* caption = nullptr;
            for (const PdfWord& w : words) {
                if (w.text == first && w.left >= edge - Tolerance && w.top < TableTop + RowHeight)
                    caption = caption ? caption : &w;
            }
            ASSERT_NE(caption, nullptr) << first.toStdString();
            EXPECT_GE(caption->left, edge - Tolerance) << first.toStdString();
            EXPECT_LE(caption->left, edge + CellPadding) << first.toStdString();
            edge += PrintWidths[static_cast<size_t>(k)] * scaleX;
        }
        for (const PdfWord& w : words) {
            if (w.top < TableTop - Tolerance)
                continue; // the page's own texts
            const int row = static_cast<int>((w.top - TableTop) / (RowHeight * scaleY));
            EXPECT_GE(w.top, TableTop + RowHeight * scaleY * row - Tolerance)
                << w.text.toStdString();
            EXPECT_LE(w.bottom, TableTop + RowHeight * scaleY * (row + 1) + Tolerance)
                << w.text.toStdString();
        }
        // Channel r in row r.
        for (const QString& n : {QStringLiteral("1"), QStringLiteral("27")}) {
            const PdfWord* word = nullptr;
            for (const PdfWord& w : words) {
                if (w.text == n && w.left < TableLeft + PrintWidths[0] * scaleX)
                    word = &w;
            }
            ASSERT_NE(word, nullptr);
            EXPECT_GE(word->top, TableTop + RowHeight * scaleY * n.toInt());
            EXPECT_LE(word->bottom, TableTop + RowHeight * scaleY * (n.toInt() + 1));
        }
    }

    QString path;
    IDocument* document = nullptr;
    std::vector<std::pair<QPageLayout::Orientation, QString>> offered;
};

TEST_F(PrintTest, PortraitPrintsThreeMemoryPagesAndTheSettings) {
    Open();
    const QString pdf = Print(QPageLayout::Portrait, QStringLiteral("portrait.pdf"));
    ASSERT_EQ(PdfPageCount(pdf), 6);

    const QList<PdfWord> first = PdfPageWords(pdf, 1);
    ExpectAt(first, QStringLiteral("KG-UV"), 720, 250);
    EXPECT_TRUE(FindWord(first, QStringLiteral("Ferrowind")));
    ExpectAt(first, path, 720, 600);
    const QStringList lines = PdfPageLines(pdf, 1);
    EXPECT_TRUE(lines.at(0).endsWith(QLatin1String("- Page 1 of 6"))) << lines.at(0).toStdString();
    const PdfWord* total = FindWord(first, QStringLiteral("6"));
    ASSERT_NE(total, nullptr);
    EXPECT_NEAR(total->right, LetterWidth - 720, Tolerance);
    EXPECT_NEAR(total->top, 100, Tolerance);
    EXPECT_EQ(LineWith(lines, QStringLiteral("Decode")),
              QStringList({"#", "Name", "RX", "Freq", "TX", "Freq", "Decode", "Encode", "TX", "Pwr",
                           "Scan", "TX", "Dev", "Busy", "Lck", "Group/Notes"}));
    QStringList channel1;
    for (int c = 0; c < document->MSFlexGrid1(0)->cols(); ++c)
        channel1 += document->MSFlexGrid1(0)->textMatrix(1, c).split(' ', Qt::SkipEmptyParts);
    EXPECT_EQ(LineWith(lines, QStringLiteral("GB3WH")), channel1);
    EXPECT_EQ(Channels(first, PortraitScaleX), Numbers(1, 54));

    const QList<PdfWord> second = PdfPageWords(pdf, 2);
    EXPECT_TRUE(PdfPageLines(pdf, 2).at(0).endsWith(QLatin1String("- Page 2 of 6")));
    EXPECT_EQ(Channels(second, PortraitScaleX), Numbers(55, 108));
    EXPECT_FALSE(FindWord(second, QStringLiteral("KG-UV")));
    EXPECT_FALSE(FindWord(second, path));
    EXPECT_EQ(Channels(PdfPageWords(pdf, 3), PortraitScaleX), Numbers(109, 128));

    ExpectAt(PdfPageWords(pdf, 4), QStringLiteral("Configuration"), 720, 400);
    EXPECT_TRUE(FindWord(PdfPageWords(pdf, 5), QStringLiteral("VFO")));
    const QStringList last = PdfPageLines(pdf, 6);
    EXPECT_TRUE(last.at(0).endsWith(QLatin1String("- Page 6 of 6")));
    EXPECT_FALSE(LineWith(last, QStringLiteral("Broadcast")).isEmpty());
    ExpectTable(pdf, PortraitScaleX, PortraitScaleY);
}

TEST_F(PrintTest, LandscapePrintsFiveMemoryPagesAtTheTablesOwnSize) {
    Open();
    const QString pdf = Print(QPageLayout::Landscape, QStringLiteral("landscape.pdf"));
    ASSERT_EQ(PdfPageCount(pdf), 8);
    EXPECT_EQ(Channels(PdfPageWords(pdf, 1)), Numbers(1, 28));
    EXPECT_EQ(Channels(PdfPageWords(pdf, 5)), Numbers(113, 128));
    EXPECT_TRUE(PdfPageLines(pdf, 8).at(0).endsWith(QLatin1String("- Page 8 of 8")));
    ExpectAt(PdfPageWords(pdf, 6), QStringLiteral("Configuration"), 720, 400);
    ExpectTable(pdf, 1, 1);
}

TEST_F(PrintTest, TwImageLeavesOutTheFmBroadcastPage) {
    Open();
    const QString tw = tempPath(QStringLiteral("demo.tw"));
    dialogs.answerSaveFile(tw);
    main->mnuExportTW_Click();
    dialogs.answerOpenFile(tw);
    main->mnuImportTW_Click();
    ASSERT_TRUE(main->ActiveDocument()->IsTWFile());

    const QString portrait = Print(QPageLayout::Portrait, QStringLiteral("portrait.pdf"));
    ASSERT_EQ(PdfPageCount(portrait), 5);
    EXPECT_TRUE(PdfPageLines(portrait, 5).at(0).endsWith(QLatin1String("- Page 5 of 5")));
    EXPECT_FALSE(HasWord(portrait, 5, QStringLiteral("Broadcast")));
    const QString landscape = Print(QPageLayout::Landscape, QStringLiteral("landscape.pdf"));
    ASSERT_EQ(PdfPageCount(landscape), 7);
    EXPECT_FALSE(HasWord(landscape, 7, QStringLiteral("Broadcast")));
}

TEST_F(PrintTest, HiddenColumnsPrintAndMovedOnesKeepTheirScreenPlace) {
    // Scan hidden, Group/Notes moved to the first place after "#".
    platform::SaveSetting("Settings", "Visible7", "False");
    platform::SaveSetting("Settings", "Order10", "1");
    for (int n = 1; n <= 9; ++n)
        platform::SaveSetting("Settings", QStringLiteral("Order%1").arg(n), QString::number(n + 1));
    Open();
    ASSERT_EQ(Program().ColumnTable[10].Order, 1);
    ASSERT_EQ(document->MSFlexGrid1(0)->colWidth(Program().ColumnTable[7].Order), 0);

    const QString pdf = Print(QPageLayout::Landscape, QStringLiteral("moved.pdf"));
    const QList<PdfWord> words = PdfPageWords(pdf, 1);
    const PdfWord* scan = FindWord(words, QStringLiteral("Scan"));
    const PdfWord* dev = FindWord(words, QStringLiteral("Dev"));
    ASSERT_TRUE(scan && dev);
    const PdfWord* txDev = nullptr;
    for (const PdfWord& w : words) {
        if (w.text == QLatin1String("TX") && std::abs(w.top - dev->top) < 1 && w.left < dev->left)
            txDev = &w;
    }
    ASSERT_NE(txDev, nullptr);
    EXPECT_NEAR(txDev->left - scan->left, 870, Tolerance);
    const PdfWord* group = FindWord(words, QStringLiteral("Group/Notes"));
    const PdfWord* name = FindWord(words, QStringLiteral("Name"));
    ASSERT_TRUE(group && name);
    EXPECT_GE(group->left, 1110 - Tolerance);
    EXPECT_LE(group->left, 1110 + CellPadding);
    EXPECT_GE(name->left, 6110 - Tolerance);
    EXPECT_LE(name->left, 6110 + CellPadding);
}

TEST_F(PrintTest, DialogOpensInLandscapeOnTheLastChoiceAndCancelKeepsIt) {
    Open();
    // A page range chosen in the dialog does not cut the job short.
    const QString first = tempPath(QStringLiteral("first.pdf"));
    dialogs.answerPrint(true, [first](QPrinter& printer) {
        printer.setOutputFileName(first);
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
    });
    main->mnuPrint()->trigger();
    ASSERT_EQ(PdfPageCount(first), 6);
    // Nor does it reach a printer's spooler, which would honour it.
    QPrinter& device = platform::Printer::Current().device();
    EXPECT_EQ(device.printRange(), QPrinter::AllPages);
    EXPECT_TRUE(device.pageRanges().isEmpty());
    const QString cancelled =
        Print(QPageLayout::Portrait, QStringLiteral("cancelled.pdf"), /*accept=*/false);
    EXPECT_FALSE(QFileInfo::exists(cancelled));
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].first, QPageLayout::Landscape);
    EXPECT_EQ(offered[0].second, first);
    // Cancel put back the printer the first print chose, portrait included.
    const platform::Printer& printer = platform::Printer::Current();
    EXPECT_EQ(printer.name(), first);
    EXPECT_EQ(printer.orientation(), 1);
}

TEST_F(PrintTest, NoJobWithoutADocumentAndABoxWhenTheFileCannotBeWritten) {
    Open();
    const QString missing = tempPath(QStringLiteral("missing/grids.pdf"));
    Print(QPageLayout::Portrait, QStringLiteral("missing/grids.pdf"), true, platform::vbOK);
    EXPECT_EQ(dialogs.messages(), QStringList{"Unable to print to " + missing + "."});
    EXPECT_EQ(dialogs.shown().last().icon, platform::vbExclamation);
    EXPECT_FALSE(QFileInfo::exists(missing));

    dialogs.answerMessage(platform::vbNo); // channel 3 is not saved
    main->mnuFileClose_Click();
    Settle();
    ASSERT_EQ(main->ActiveDocument(), nullptr);
    // The menu item is off then; the command itself still shows the dialog.
    EXPECT_FALSE(main->mnuPrint()->isEnabled());
    const QString none = tempPath(QStringLiteral("none.pdf"));
    dialogs.answerPrint(true, [none](QPrinter& printer) { printer.setOutputFileName(none); });
    main->mnuPrint_Click();
    EXPECT_FALSE(QFileInfo::exists(none));
}

// Qt's PDF writer ends a job as done although a full temporary folder cut its
// spool short: such a job fails like any other, and the file it would have
// replaced keeps every byte.
TEST_F(PrintTest, FullTemporaryFolderKeepsTheOldFile) {
    FullDisk disk(tempPath(QStringLiteral("tmp")));
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    Open();
    const QString pdf = tempPath(QStringLiteral("print.pdf"));
    const QByteArray old = "%PDF-1.4 an earlier print\n%%EOF\n";
    WriteFileBytes(pdf, old);
    // The temporary folder is the full disk until the test ends, however it ends.
    struct TemporaryFolder {
        explicit TemporaryFolder(const QString& path) : before(qgetenv("TMPDIR")) {
            qputenv("TMPDIR", QFile::encodeName(path));
        }
        ~TemporaryFolder() {
            if (before.isEmpty())
                qunsetenv("TMPDIR");
            else
                qputenv("TMPDIR", before);
        }
        QByteArray before;
    } temporaryFolder(disk.path(QString()));
    const QString box = "Unable to print to " + pdf + ".";
    for (const qint64 left : {0, 24 * 1024}) {
        QFile::remove(disk.path(QStringLiteral("filler")));
        ASSERT_TRUE(disk.fill(left));
        Print(QPageLayout::Landscape, QStringLiteral("print.pdf"), true, platform::vbOK);
        EXPECT_EQ(dialogs.messages(), QStringList(left == 0 ? 1 : 2, box)) << left;
        EXPECT_EQ(ReadFileBytes(pdf), old) << left;
    }
}

} // namespace
