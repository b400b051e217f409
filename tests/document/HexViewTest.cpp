// The hex compare tab end to end: entering it, the Open File buttons, Binary
// Mode, Compare, the grids kept in step, odd files, and what arrives while a
// pass lets the event loop run.

#include "DocumentFixture.h"

#include "document/HexCompareView.h"
#include "platform/core/Measures.h"
#include "platform/widgets/TabStrip.h"
#include "rules/HexCompare.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using platform::FlexGrid;

namespace {

QList<QPoint> RedCells(const FlexGrid& grid) { // x column, y row
    QList<QPoint> cells;
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            if (grid.cellBackColor(r, c) == 255)
                cells << QPoint(c, r);
    return cells;
}

QList<QPoint> Row2From5To16() {
    QList<QPoint> cells;
    for (int c = 5; c <= 16; ++c)
        cells << QPoint(c, 2);
    return cells;
}

QWidget* ShownProgressWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("frmProgress") && widget->isVisible())
            return widget;
    return nullptr;
}

// Records the progress texts: an event it posts to itself arrives at every
// turn of the event loop a pass allows, and posts the next one.
class ProgressTexts : public QObject {
public:
    ProgressTexts() { post(); }
    QStringList texts;

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (QWidget* window = ShownProgressWindow())
            texts << window->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        post();
        return true;
    }

private:
    void post() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
};

QByteArray Pattern(int n) {
    QByteArray bytes(n, '\0');
    for (int i = 0; i < n; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 256);
    return bytes;
}

} // namespace

class HexViewTest : public DocumentTest {
protected:
    // The tab is hidden as designed; code can still show it.
    std::unique_ptr<frmDocument> HexDocument() {
        auto doc = OpenedDocument();
        doc->SSTab1()->setTabVisible(frmDocument::HexTab, true);
        doc->SSTab1()->setTab(frmDocument::HexTab);
        return doc;
    }
    QString File(const QString& name, const QByteArray& bytes) {
        WriteFileBytes(tempPath(name), bytes);
        return tempPath(name);
    }
    void Open(QPushButton* button, const QString& path) {
        dialogs.answerOpenFile(path);
        button->click();
    }

    ScriptedResponder dialogs;
};

TEST_F(HexViewTest, EnteringTheTabShowsTheImageWithProgressAndNoMarks) {
    ProgressTexts progress;
    auto doc = HexDocument();
    const FlexGrid& a = *doc->Frame3()->HexGridA();
    EXPECT_TRUE(doc->Frame3()->isVisible());
    EXPECT_EQ(doc->MSFlexGrid1(doc->GetCurrentGrid()), nullptr);
    ASSERT_EQ(a.rows(), 770);
    EXPECT_EQ(RowTexts(a, 0).mid(15), QStringList({"0E", "0F", ""}));
    EXPECT_EQ(Widths(a).mid(15), QList<int>({325, 325, 2000}));
    EXPECT_EQ(a.textMatrix(769, 0), QStringLiteral("3000"));
    EXPECT_EQ(RowTexts(a, 769).mid(1, 16).join(QString()).size(), 8); // columns 1 to 4
    EXPECT_EQ(a.textMatrix(769, 17).size(), 4);
    EXPECT_EQ(doc->Frame3()->Label2()->text(), QStringLiteral("<Current File>"));
    EXPECT_EQ(doc->Frame3()->HexGridB()->rows(), 1);
    EXPECT_EQ(a.font().family(), QStringLiteral("Fixedsys"));
    // Whichever face stands in for it here, the columns line up: every hex
    // digit and every character the text column can show is equally wide.
    const QFontMetrics metrics(a.font());
    const int advance = metrics.horizontalAdvance(QLatin1Char('0'));
    QString shown = QStringLiteral("0123456789ABCDEF.");
    for (int byte = 0; byte < 256; ++byte)
        shown += hexcompare::TextChar(static_cast<uint8_t>(byte));
    QString wider;
    for (const QChar c : shown)
        if (metrics.horizontalAdvance(c) != advance)
            wider += c;
    EXPECT_EQ(wider, QString()) << QFontInfo(a.font()).family().toStdString();

    const QStringList& texts = progress.texts;
    ASSERT_FALSE(texts.filter("Reading").isEmpty());
    EXPECT_EQ(texts.filter("Reading").last(), QStringLiteral("Reading File 2: 99% Complete..."));
    EXPECT_EQ(texts.last(), QStringLiteral("Comparing Files: 100% Complete..."));
    EXPECT_EQ(ShownProgressWindow(), nullptr);
    EXPECT_TRUE(RedCells(a).isEmpty());
}

TEST_F(HexViewTest, FileBytesTextAndBinaryMode) {
    auto doc = HexDocument();
    const QByteArray image = doc->GetBytArry();
    const FlexGrid& b = *doc->Frame3()->HexGridB();
    Open(doc->Frame3()->Command10(), File("five.bin", QByteArray::fromHex("4100927f05")));
    const platform::DialogCall& call = dialogs.shown().first();
    EXPECT_EQ(call.file.title + call.file.filter + call.file.defaultExt,
              QStringLiteral("OpenAll Files (*.*)|*.*"));
    EXPECT_EQ(RowTexts(b, 1).mid(0, 7), QStringList({"0", "41", "00", "92", "7F", "05", ""}));
    EXPECT_EQ(b.textMatrix(1, 17), QStringLiteral("A.\u2019.."));

    doc->Frame3()->chkBinary()->click();
    EXPECT_EQ(RowTexts(b, 0), QStringList({"", "00", "01", "02", "03", "04", "05", "06", "07"}));
    EXPECT_EQ(RowTexts(b, 1).mid(0, 7),
              QStringList({"0", "01000001", "00000000", "10010010", "01111111", "00000101", ""}));
    EXPECT_EQ(doc->Frame3()->HexGridA()->rows(), 1538);
    EXPECT_TRUE(RedCells(b).isEmpty() && RedCells(*doc->Frame3()->HexGridA()).isEmpty());
    Open(doc->Frame3()->Command10(), File("32.bin", Pattern(32)));
    EXPECT_EQ(ColumnTexts(b, 0, 1), QStringList({"0", "8", "10", "18"}));
    EXPECT_EQ(doc->GetBytArry(), image);
}

TEST_F(HexViewTest, CompareMarksDifferencesInBothGridsAndKeepsEarlierMarks) {
    auto doc = HexDocument();
    const FlexGrid& a = *doc->Frame3()->HexGridA();
    const FlexGrid& b = *doc->Frame3()->HexGridB();
    QByteArray bytes = Pattern(12292);
    const QString one = File("one.uvd", bytes);
    bytes[0x0975] = 'x';
    Open(doc->Frame3()->Command12(), one);
    Open(doc->Frame3()->Command10(), File("other.uvd", bytes));
    const QList<QPoint> mark{QPoint(6, 152)};
    EXPECT_EQ(a.textMatrix(152, 0), QStringLiteral("970"));
    EXPECT_EQ(RedCells(a), mark);
    EXPECT_EQ(RedCells(b), mark);
    EXPECT_EQ(QList<int>({a.topRow(), b.topRow(), a.row(), b.row()}), QList<int>(4, 152));

    // Identical files mark nothing and leave the views where they were;
    // grid A keeps its earlier mark.
    Open(doc->Frame3()->Command10(), one);
    doc->Frame3()->HexGridA()->setTopRow(40);
    doc->Frame3()->Command11()->click();
    EXPECT_TRUE(RedCells(b).isEmpty());
    EXPECT_EQ(RedCells(a), mark);
    EXPECT_EQ(b.topRow(), 40);

    Open(doc->Frame3()->Command10(), File("20.bin", Pattern(20)));
    Open(doc->Frame3()->Command12(), File("40.bin", Pattern(40)));
    EXPECT_EQ(RedCells(a), Row2From5To16());
    EXPECT_EQ(RedCells(b), Row2From5To16());
    QByteArray changed = Pattern(40);
    changed[1] = 'x';
    Open(doc->Frame3()->Command10(), File("changed.bin", changed));
    EXPECT_EQ(RedCells(a), QList<QPoint>{QPoint(2, 1)} + Row2From5To16());
    EXPECT_EQ(RedCells(b), QList<QPoint>{QPoint(2, 1)});
}

TEST_F(HexViewTest, ScrollAndCurrentCellFollowFromGridToGrid) {
    auto doc = HexDocument();
    FlexGrid& a = *doc->Frame3()->HexGridA();
    FlexGrid& b = *doc->Frame3()->HexGridB();
    Open(doc->Frame3()->Command10(), File("short.bin", Pattern(12292 - 5 * 16)));
    b.setTopRow(300);
    EXPECT_EQ(a.topRow(), 300);
    // B has the row but must stop short of it: A still reaches its end.
    a.setTopRow(a.rows() - 1);
    EXPECT_EQ(b.topRow(), a.topRow() - 5);

    a.setTopRow(5);
    b.setRow(1);
    b.setCol(1);
    int changesA = 0;
    QObject::connect(&a, &FlexGrid::SelChange, [&] { ++changesA; });
    int x = 3, y = 3 + platform::TwipsToPixels(a.rowHeight(0));
    for (int c = 0; c < 3; ++c)
        x += platform::TwipsToPixels(a.colWidth(c));
    for (int r = 5; r < 10; ++r)
        y += platform::TwipsToPixels(a.rowHeight(r));
    QTest::mouseClick(a.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    EXPECT_EQ(QPoint(b.col(), b.row()), QPoint(3, 10));
    EXPECT_EQ(QPoint(a.col(), a.row()), QPoint(3, 10));
    EXPECT_EQ(changesA, 1);
}

TEST_F(HexViewTest, OddFilesLeaveTheViewWorking) {
    auto doc = HexDocument();
    const FlexGrid& b = *doc->Frame3()->HexGridB();
    Open(doc->Frame3()->Command10(), File("empty.bin", QByteArray()));
    EXPECT_EQ(b.rows(), 1);
    EXPECT_EQ(doc->Frame3()->Label1()->text(), tempPath("empty.bin"));
    Open(doc->Frame3()->Command10(), File("one.bin", "A"));
    EXPECT_EQ(RowTexts(b, 1).mid(0, 3), QStringList({"0", "41", ""}));

    doc->Frame3()->Command8()->click();
    const QString shorter = File("short.uvd", doc->GetBytArry().left(12291));
    Open(doc->Frame3()->Command10(), shorter);
    EXPECT_EQ(RedCells(*doc->Frame3()->HexGridA()), QList<QPoint>{QPoint(4, 769)});
    EXPECT_EQ(RedCells(b), QList<QPoint>{QPoint(4, 769)});
    // Unreadable: grid and label stay, and no message shows (none is armed).
    Open(doc->Frame3()->Command10(), tempPath("missing.bin"));
    Open(doc->Frame3()->Command10(), tempDir.path());
    EXPECT_EQ(doc->Frame3()->Label1()->text(), shorter);
    EXPECT_EQ(b.rows(), 770);
}

TEST_F(HexViewTest, DuringAPassRequestsAreIgnoredAndClosesHeld) {
    auto doc = HexDocument();
    bool checkedDuring = true;
    bool allowedDuring = true;
    QTimer::singleShot(0, doc.get(), [&] {
        doc->Frame3()->chkBinary()->click();
        checkedDuring = doc->Frame3()->chkBinary()->isChecked();
        doc->FillHexGridB(File("file.bin", "bytes"));
        allowedDuring = doc->QueryUnload();
        doc->close();
    });
    doc->Frame3()->Command8()->click();
    EXPECT_FALSE(checkedDuring);
    EXPECT_FALSE(doc->Frame3()->chkBinary()->isChecked() || doc->Frame3()->BinaryMode);
    EXPECT_EQ(doc->Frame3()->HexGridB()->rows(), 1);
    EXPECT_FALSE(allowedDuring);
    EXPECT_FALSE(doc->isVisible());
    EXPECT_EQ(mainWindow.calls.count(QStringLiteral("CheckGUI")), 1);

    // A pass stops when its document is destroyed under it.
    auto other = HexDocument();
    QTimer::singleShot(0, other.get(), [&] { other.reset(); });
    Open(other->Frame3()->Command10(), File("4k.bin", Pattern(4096)));
    EXPECT_EQ(other, nullptr);
}
