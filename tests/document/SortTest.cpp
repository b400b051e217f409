// Sorting the memory grid and the duplicate-frequency check on a real
// document: which rows move where, what the image keeps, and what the user
// is shown.

#include "DocumentFixture.h"

#include "document/frmDupReport.h"
#include "document/frmWait.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TabStrip.h"
#include "program/ProgramValues.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>

using platform::FlexGrid;

namespace {

const QString Title = QStringLiteral("KG-UV Ferrowind");

// The label of every frmWait shown while it lives, and whether it had a caption.
class WaitWatcher : public QObject {
public:
    WaitWatcher() { qApp->installEventFilter(this); }
    QStringList shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* wait = qobject_cast<frmWait*>(watched);
        if (wait && event->type() == QEvent::Show)
            shown << wait->Label1()->text() +
                         (wait->windowFlags() & Qt::FramelessWindowHint ? "" : " (captioned)");
        return false;
    }
};

class SortTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        platform::SetApplicationTitle(Title);
        doc = OpenedDocument();
    }
    void TearDown() override { platform::SetApplicationTitle(QString()); }

    FlexGrid& grid() { return *doc->MSFlexGrid1(0); }
    void channel(int row, const QString& name, const QString& rx, const QString& tx = "") {
        grid().setTextMatrix(row, GridColumnOf(ColName), name);
        grid().setTextMatrix(row, GridColumnOf(ColRXFreq), rx);
        grid().setTextMatrix(row, GridColumnOf(ColTXFreq), tx);
    }
    QStringList names(int first, int last) {
        QStringList out;
        for (int r = first; r <= last; ++r)
            out << grid().textMatrix(r, GridColumnOf(ColName));
        return out;
    }
    QList<QStringList> rows(int grid = 0) {
        QList<QStringList> out;
        for (int r = 0; r < doc->MSFlexGrid1(grid)->rows(); ++r)
            out << RowTexts(*doc->MSFlexGrid1(grid), r);
        return out;
    }
    void expectEmptyFrom(int first) {
        for (int r = first; r < grid().rows(); ++r)
            EXPECT_EQ(RowTexts(grid(), r), EmptyRow(r)) << r;
    }
    // Rows 1 DELTA, 2 ALPHA without TX, 3 JUNK without RX, 4 BRAVO.
    void fourChannels() {
        doc->ClearAll();
        channel(1, "DELTA", "446.000", "441.000");
        channel(2, "ALPHA", "145.500");
        channel(3, "JUNK", "", "145.000");
        channel(4, "BRAVO", "146.520", "146.520");
    }
    // Rows 5, 17 and 40 on one frequency, 2 and 3 on another; each named R<row>.
    void twoRuns() {
        doc->ClearAll();
        for (const int r : {5, 17, 40, 2, 3})
            channel(r, QString("R%1").arg(r), r > 3 ? "146.520" : "145.500");
    }
    void dupCheck(bool tones, bool names, bool deleting) { doc->DupCheck(tones, names, deleting); }
    frmDupReport* report() { return doc->findChild<frmDupReport*>(); }

    std::unique_ptr<frmDocument> doc;
};

} // namespace

TEST_F(SortTest, UsedChannelsPackInKeyOrderAndUnusedRowsEndEmpty) {
    fourChannels();
    const QStringList numbers = ColumnTexts(grid(), 0);
    doc->SortGrid(1, 128, 1, "Asc");
    EXPECT_EQ(names(1, 3), (QStringList{"ALPHA", "BRAVO", "DELTA"}));
    EXPECT_EQ(RowTexts(grid(), 3).mid(1, 3), (QStringList{"DELTA", "446.000", "441.000"}));
    expectEmptyFrom(4);
    EXPECT_EQ(ColumnTexts(grid(), 0), numbers);

    // An empty TX counts as zero.
    fourChannels();
    doc->SortGrid(1, 128, 2, "Asc");
    EXPECT_EQ(names(1, 3), (QStringList{"ALPHA", "BRAVO", "DELTA"}));
    fourChannels();
    doc->SortGrid(1, 128, 2, "Dec");
    EXPECT_EQ(names(1, 3), (QStringList{"DELTA", "BRAVO", "ALPHA"}));

    // Equal names: row 10's channel first; RPT before RPT2.
    doc->ClearAll();
    channel(9, "SAME", "145.000", "9");
    channel(10, "SAME", "146.000", "10");
    channel(20, "RPT2", "430.000");
    channel(21, "RPT", "431.000");
    doc->SortGrid(1, 128, 0, "Asc");
    EXPECT_EQ(names(1, 4), (QStringList{"RPT", "RPT2", "SAME", "SAME"}));
    EXPECT_EQ(grid().textMatrix(3, GridColumnOf(ColTXFreq)), "10");
}

// The key and the RX test go by the user's column order.
TEST_F(SortTest, MovedColumnsAreFoundThroughTheColumnTable) {
    auto& table = Program().ColumnTable;
    std::swap(table[ColName].Order, table[ColGroupNotes].Order);
    std::swap(table[ColRXFreq].Order, table[ColBusyLck].Order);
    doc->Initgrid();
    doc->FillGrid();
    doc->SortGrid(1, 128, 0, "Asc");
    EXPECT_EQ(names(1, 3), (QStringList{"AIR", "APRS", "GB3BS"}));
    EXPECT_EQ(grid().textMatrix(1, GridColumnOf(ColRXFreq)), "136.975");
    expectEmptyFrom(20);
}

// Each channel's fields go to its new number, bytes no column shows stay with
// the number, and the sort counts as a change until saved.
TEST_F(SortTest, SavedSortReadsBackAtTheNewNumbers) {
    QByteArray bytes = doc->GetBytArry().left(8192);
    bytes[16 * 1 + 14] = '\x5A';
    bytes[16 * 2 + 14] = '\x3C';
    doc->Sbyt(bytes);
    doc->SortGrid(1, 128, 0, "Dec");
    EXPECT_EQ(names(1, 2), (QStringList{"UHF S", "TEST"}));
    const QList<QStringList> sorted = rows();

    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbCancel);
    EXPECT_FALSE(doc->QueryUnload());
    EXPECT_TRUE(dialogs.messages().value(0).contains("The KG-UV data has changed."));

    const QString path = tempPath("sorted.uvd");
    doc->SaveFile(path);
    doc = NewDocument();
    ASSERT_TRUE(doc->OpenFile(path));
    EXPECT_EQ(rows(), sorted);
    EXPECT_EQ(doc->GetBytArry().mid(16 * 1 + 14, 1), "\x5A");
    EXPECT_EQ(doc->GetBytArry().mid(16 * 2 + 14, 1), "\x3C");
}

TEST_F(SortTest, OnAnotherTabNeitherSortNorCheckChangesAnything) {
    doc->SSTab1()->setTab(1);
    const QList<QStringList> settings = rows(1);
    const QList<QStringList> memories = rows(0);
    doc->SortGrid(1, 26, 0, "Asc");
    dupCheck(false, false, true);
    dupCheck(false, false, false);
    EXPECT_EQ(rows(1), settings);
    EXPECT_EQ(rows(0), memories);
    EXPECT_EQ(report(), nullptr);
}

TEST_F(SortTest, ReportListsEachRunInOneWindowThatALaterCheckReuses) {
    twoRuns();
    const QList<QStringList> before = rows();
    dupCheck(false, false, false);
    QPointer<frmDupReport> window = report();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible() && !window->isModal());
    EXPECT_EQ(window->ReportText(), "Duplicates: 17, 40, 5\r\nDuplicates: 2, 3\r\n");
    EXPECT_EQ(rows(), before);
    // What the user types keeps CR LF line ends.
    window->Text1()->appendPlainText("checked");
    EXPECT_TRUE(window->ReportText().endsWith("2, 3\r\n\r\nchecked"));

    channel(40, "R40", "433.000");
    dupCheck(false, false, false);
    EXPECT_EQ(report(), window.data());
    EXPECT_EQ(window->ReportText(), "Duplicates: 17, 5\r\nDuplicates: 2, 3\r\n");
}

TEST_F(SortTest, DeletingKeepsTheFirstOfEachRunAndSaysHowMany) {
    twoRuns();
    channel(128, "R128", "440.000");
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    {
        WaitWatcher watcher;
        dupCheck(false, false, true);
        EXPECT_EQ(watcher.shown, QStringList{"Deleting Duplicates (Please Wait)..."});
    }
    ExpectLastBox(dialogs, "3 duplicate channels deleted.", Title, platform::vbInformation,
                  platform::vbOKOnly);
    EXPECT_EQ(doc->findChild<frmWait*>(), nullptr);
    EXPECT_EQ(report(), nullptr);
    EXPECT_EQ(names(1, 3), (QStringList{"", "R2", ""}));
    EXPECT_EQ(names(15, 15), QStringList{"R17"});
    EXPECT_EQ(names(125, 125), QStringList{"R128"});
    expectEmptyFrom(126);
}

TEST_F(SortTest, AnEmptyDocumentHasNoDuplicates) {
    ScriptedResponder dialogs;
    doc->ClearAll();
    dialogs.answerMessage(platform::vbOK).answerMessage(platform::vbOK);
    dupCheck(false, false, false);
    dupCheck(false, false, true);
    ExpectLastBox(dialogs, "No duplicates found.", Title, platform::vbInformation,
                  platform::vbOKOnly);
    EXPECT_EQ(dialogs.messages(), QStringList(2, "No duplicates found."));
}
