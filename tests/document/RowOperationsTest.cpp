// Row operations and mass edits of the memory grid: what they do to the cells,
// what reaches the image bytes through SaveGrid, and their questions.

#include "../platform/WidgetTestUtil.h"

#include "DocumentFixture.h"

#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TabStrip.h"
#include "program/ProgramValues.h"
#include "support/ScriptedResponder.h"

#include <QVector>

using platform::FlexGrid;

namespace {

const QString kInsertWarning =
    QStringLiteral("An insert will cause existing memories to be lost from the grid.\r\nContinue?");

// Image layout of one channel: its record, its name and its notes.
QByteArray ChannelBytes(const QByteArray& image, int ch) {
    return image.mid(16 * ch, 16) + image.mid(0x1000 + 16 * ch, 6) +
           image.mid(0x2000 + 32 * (ch - 1), 32);
}

class RowOperationsTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        platform::SetApplicationTitle(QStringLiteral("KG-UV Ferrowind"));
        doc = NewDocument();
        ASSERT_TRUE(doc->OpenFile(RealisticFile()));
        bytesBefore = doc->GetBytArry();
        rowsBefore = Snapshot();
    }
    void TearDown() override { platform::SetApplicationTitle(QString()); }

    FlexGrid& grid() { return *doc->MSFlexGrid1(0); }

    void Select(int row, int col, int rowSel, int colSel) {
        ::Select(grid(), row, col, rowSel, colSel);
    }
    void SelectRows(int top, int bottom) { Select(top, 2, bottom, 3); }

    QStringList Cells(int row) { return RowTexts(grid(), row); }
    QVector<QStringList> Snapshot() {
        QVector<QStringList> rows;
        for (int r = 0; r < grid().rows(); ++r)
            rows << Cells(r);
        return rows;
    }
    // Old row `from` now stands in row `to`: its data cells, with to's number.
    QStringList Moved(int from, int to) {
        QStringList cells = rowsBefore.at(from);
        cells[0] = rowsBefore.at(to).at(0);
        return cells;
    }
    void ExpectWholeRowsSelected(int top, int bottom) {
        EXPECT_EQ(grid().row(), top);
        EXPECT_EQ(grid().rowSel(), bottom);
        EXPECT_EQ(grid().col(), 1);
        EXPECT_EQ(grid().colSel(), 10);
    }
    void ExpectUnchanged() { EXPECT_EQ(Snapshot(), rowsBefore); }
    // The last question asked. A box no answer was armed for, or an answer
    // left unused, fails the test by itself.
    void ExpectAsked(const ScriptedResponder& dialogs, const QString& text,
                     const QString& title = QStringLiteral("KG-UV Ferrowind")) {
        ExpectLastBox(dialogs, text, title, platform::vbQuestion, platform::vbYesNo);
        if (!dialogs.shown().isEmpty()) {
            EXPECT_EQ(dialogs.shown().last().defaultButton, platform::vbDefaultButton1);
        }
    }
    // SaveGrid, then channel `to` of the image holds what channel `from` held.
    void ExpectChannelBytesMoved(const QByteArray& after, int from, int to) {
        EXPECT_EQ(ChannelBytes(after, to).toHex(), ChannelBytes(bytesBefore, from).toHex())
            << "channel " << from << " -> " << to;
    }

    std::unique_ptr<frmDocument> doc;
    QByteArray bytesBefore;
    QVector<QStringList> rowsBefore;
};

} // namespace

TEST_F(RowOperationsTest, DeleteAsksThenCloseTheGapAndTheImageFollows) {
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbYes);
    SelectRows(5, 9);
    doc->DeleteRows(0);
    ExpectAsked(dialogs, "Are you sure you want to delete memories 5 to 9?");
    for (int r = 5; r <= 123; ++r)
        EXPECT_EQ(Cells(r), Moved(r + 5, r)) << r;
    for (int r = 124; r <= 128; ++r)
        EXPECT_EQ(Cells(r), EmptyRow(r)) << r;
    for (int r = 0; r <= 4; ++r)
        EXPECT_EQ(Cells(r), rowsBefore.at(r));
    ExpectWholeRowsSelected(5, 9);

    // Nothing to undo: the rows stay deleted.
    doc->Undo();
    EXPECT_EQ(Cells(5), Moved(10, 5));

    EXPECT_TRUE(doc->IsDataChanged());
    const QByteArray after = doc->GetBytArry();
    for (int ch = 5; ch <= 123; ++ch)
        ExpectChannelBytesMoved(after, ch + 5, ch);
    for (int ch = 124; ch <= 128; ++ch)
        EXPECT_FALSE(doc->Image().IsUsedMemoryChannel(ch)) << ch;
    ExpectChannelBytesMoved(after, 11, 124); // a blank channel's bytes
    for (int ch = 1; ch <= 4; ++ch)
        ExpectChannelBytesMoved(after, ch, ch);
}

TEST_F(RowOperationsTest, DeleteQuestionFormsAndAnswers) {
    ScriptedResponder dialogs;
    // No: nothing moves, but the selection has become whole rows.
    dialogs.answerMessage(platform::vbNo);
    Select(20, 4, 20, 4);
    doc->DeleteRows(0);
    ExpectAsked(dialogs, "Are you sure you want to delete memory 20?");
    ExpectUnchanged();
    ExpectWholeRowsSelected(20, 20);

    // A row given by number: that row, the selection untouched.
    dialogs.answerMessage(platform::vbYes);
    Select(3, 2, 4, 2);
    doc->DeleteRows(128);
    ExpectAsked(dialogs, "Are you sure you want to delete memory 128?");
    EXPECT_EQ(Cells(128), EmptyRow(128));
    EXPECT_EQ(Cells(127), rowsBefore.at(127));
    EXPECT_EQ(grid().row(), 3);
    EXPECT_EQ(grid().rowSel(), 4);
    EXPECT_EQ(grid().col(), 2);

    // Option off: no question.
    Program().ConfirmRowDelete = false;
    SelectRows(2, 1);
    doc->DeleteRows(0);
    EXPECT_EQ(Cells(1), Moved(3, 1));
    EXPECT_EQ(Cells(2), Moved(4, 2));
}

TEST_F(RowOperationsTest, RowsOutsideTheChannelsAndOtherTabsDoNothing) {
    Program().ConfirmRowDelete = false; // no question may come
    Program().ConfirmRowClear = false;
    // Wholly in the header row.
    Select(0, 1, 0, 10);
    for (auto op : {&frmDocument::MoveUp, &frmDocument::MoveDown, &frmDocument::InsertBlank,
                    &frmDocument::ClearRows})
        (doc.get()->*op)();
    doc->DeleteRows(0);
    doc->DeleteRows(129);
    doc->DeleteRows(-1);
    int32_t count = 2;
    EXPECT_FALSE(doc->InsertRows(count));
    ExpectUnchanged();

    // Another tab: the toolbar's commands reach nothing.
    SelectRows(5, 6);
    doc->SSTab1()->setTab(1);
    doc->DeleteRows(0);
    doc->ClearRows();
    doc->MoveUp();
    doc->MoveDown();
    doc->InsertBlank();
    ExpectUnchanged();

    // A selection reaching into the header starts at channel 1.
    doc->SSTab1()->setTab(0);
    Select(0, 1, 2, 10);
    doc->ClearRows();
    EXPECT_EQ(Cells(0), rowsBefore.at(0));
    EXPECT_EQ(Cells(1), EmptyRow(1));
    EXPECT_EQ(Cells(2), EmptyRow(2));
    EXPECT_EQ(Cells(3), rowsBefore.at(3));
}

TEST_F(RowOperationsTest, MoveUpAndDownCarryWholeChannelsIntoTheImage) {
    SelectRows(10, 12);
    doc->MoveUp();
    EXPECT_EQ(Cells(9), Moved(10, 9));
    EXPECT_EQ(Cells(10), Moved(11, 10));
    EXPECT_EQ(Cells(11), Moved(12, 11));
    EXPECT_EQ(Cells(12), Moved(9, 12));
    EXPECT_EQ(Cells(13), rowsBefore.at(13));
    ExpectWholeRowsSelected(9, 11);

    EXPECT_TRUE(doc->IsDataChanged());
    QByteArray after = doc->GetBytArry();
    ExpectChannelBytesMoved(after, 10, 9);
    ExpectChannelBytesMoved(after, 11, 10); // blank
    ExpectChannelBytesMoved(after, 12, 11);
    ExpectChannelBytesMoved(after, 9, 12);
    EXPECT_EQ(doc->Image().Name(12), QStringLiteral("APRS"));
    EXPECT_EQ(doc->Image().Group(12), QStringLiteral("RX only"));

    // Down again puts everything back, bytes and all.
    doc->MoveDown();
    ExpectUnchanged();
    ExpectWholeRowsSelected(10, 12);
    EXPECT_FALSE(doc->IsDataChanged());
    EXPECT_EQ(doc->GetBytArry(), bytesBefore);

    SelectRows(10, 12);
    doc->MoveDown();
    EXPECT_EQ(Cells(10), Moved(13, 10));
    EXPECT_EQ(Cells(11), Moved(10, 11));
    EXPECT_EQ(Cells(13), Moved(12, 13));
    ExpectWholeRowsSelected(11, 13);
}

TEST_F(RowOperationsTest, MovesStopAtTheEnds) {
    SelectRows(1, 3);
    doc->MoveUp();
    ExpectUnchanged();
    EXPECT_EQ(grid().col(), 2);
    SelectRows(127, 128);
    doc->MoveDown();
    ExpectUnchanged();
    EXPECT_FALSE(doc->IsDataChanged());
}

TEST_F(RowOperationsTest, MovesKeepTheBlockInView) {
    grid().setTopRow(20);
    Select(22, 2, 22, 2);
    doc->MoveUp();
    EXPECT_EQ(grid().topRow(), 16); // row 21 - 5

    Select(3, 2, 3, 2);
    grid().setTopRow(1);
    doc->MoveUp();
    EXPECT_EQ(grid().topRow(), 1);

    // Walking a row down never takes it out of the view.
    grid().setTopRow(1);
    Select(1, 2, 1, 2);
    for (int k = 0; k < 60; ++k) {
        doc->MoveDown();
        EXPECT_GE(grid().row(), grid().topRow()) << k;
        EXPECT_LE(grid().cellTop() + grid().cellHeight(), platform::HeightTwips(&grid())) << k;
    }
    EXPECT_EQ(grid().row(), 61);
    EXPECT_GT(grid().topRow(), 1);
}

TEST_F(RowOperationsTest, InsertBlankWarnsOnlyWhenUsedMemoriesFallOff) {
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbNo);
    SelectRows(10, 11);
    doc->InsertBlank();
    ExpectAsked(dialogs, kInsertWarning, "Insert");
    ExpectUnchanged();

    dialogs.answerMessage(platform::vbYes);
    SelectRows(10, 11);
    doc->InsertBlank();
    for (int r = 12; r <= 128; ++r)
        EXPECT_EQ(Cells(r), Moved(r - 2, r)) << r;
    EXPECT_EQ(Cells(10), EmptyRow(10));
    EXPECT_EQ(Cells(11), EmptyRow(11));
    EXPECT_EQ(Cells(9), rowsBefore.at(9));
    ExpectWholeRowsSelected(10, 11);
    EXPECT_TRUE(doc->IsDataChanged());
    const QByteArray after = doc->GetBytArry();
    for (int ch = 12; ch <= 128; ++ch)
        ExpectChannelBytesMoved(after, ch - 2, ch);
    EXPECT_FALSE(doc->Image().IsUsedMemoryChannel(10));

    // The last rows now hold a name only (no RX frequency) or nothing.
    grid().setTextMatrix(128, 1, QStringLiteral("ONLYNM"));
    grid().setTextMatrix(127, 2, QStringLiteral("   "));
    const QStringList row126 = Cells(126);
    const QStringList row127 = Cells(127);
    SelectRows(126, 126);
    doc->InsertBlank();
    EXPECT_EQ(Cells(127).mid(1), row126.mid(1));
    EXPECT_EQ(Cells(128).mid(1), row127.mid(1));
    EXPECT_EQ(Cells(126), EmptyRow(126));
}

TEST_F(RowOperationsTest, InsertRowsByCount) {
    Select(10, 3, 10, 3);
    int32_t count = 3;
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbYes);
    EXPECT_TRUE(doc->InsertRows(count));
    EXPECT_EQ(count, 3);
    for (int r = 10; r <= 12; ++r)
        EXPECT_EQ(Cells(r), EmptyRow(r));
    for (int r = 13; r <= 128; ++r)
        EXPECT_EQ(Cells(r), Moved(r - 3, r)) << r;
    // The selection was one cell and stays so; only count 0 widens it.
    EXPECT_EQ(grid().col(), 3);
    EXPECT_EQ(grid().colSel(), 3);

    // Count 0: the selected rows, written back.
    SelectRows(40, 43);
    count = 0;
    EXPECT_TRUE(doc->InsertRows(count));
    EXPECT_EQ(count, 4);
    ExpectWholeRowsSelected(40, 43);

    // More rows than there is room below the insertion point: the warning
    // looks at the last 20 rows (109 to 128) even though only rows 120 to 128
    // are emptied; the used rows above the insertion point stay.
    doc->ClearAll();
    grid().setTextMatrix(110, 2, QStringLiteral("145.500"));
    grid().setTextMatrix(119, 2, QStringLiteral("145.525"));
    grid().setTextMatrix(120, 1, QStringLiteral("NAME"));
    Select(120, 2, 120, 2);
    count = 20;
    dialogs.answerMessage(platform::vbYes);
    EXPECT_TRUE(doc->InsertRows(count));
    ExpectAsked(dialogs, kInsertWarning, "Insert");
    for (int r = 120; r <= 128; ++r)
        EXPECT_EQ(Cells(r), EmptyRow(r)) << r;
    EXPECT_EQ(grid().textMatrix(110, 2), QStringLiteral("145.500"));
    EXPECT_EQ(grid().textMatrix(119, 2), QStringLiteral("145.525"));

    // No to the warning: False, nothing changed, the caller's count kept.
    dialogs.answerMessage(platform::vbNo);
    grid().setTextMatrix(128, 2, QStringLiteral("145.500"));
    const QVector<QStringList> before = Snapshot();
    Select(5, 2, 5, 2);
    count = 2;
    EXPECT_FALSE(doc->InsertRows(count));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(RowOperationsTest, ClearRowsAsksAndEmptiesInPlace) {
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbYes);
    SelectRows(3, 4);
    doc->ClearRows();
    ExpectAsked(dialogs, "Are you sure you want to clear memories 3 to 4?");
    EXPECT_EQ(Cells(3), EmptyRow(3));
    EXPECT_EQ(Cells(4), EmptyRow(4));
    EXPECT_EQ(Cells(5), rowsBefore.at(5));
    ExpectWholeRowsSelected(3, 4);
    doc->SaveGrid();
    const QByteArray after = doc->GetBytArry();
    EXPECT_FALSE(doc->Image().IsUsedMemoryChannel(3));
    ExpectChannelBytesMoved(after, 5, 5);

    dialogs.answerMessage(platform::vbNo);
    Select(7, 5, 7, 5);
    doc->ClearRows();
    ExpectAsked(dialogs, "Are you sure you want to clear memory 7?");
    EXPECT_EQ(Cells(7), rowsBefore.at(7));
    ExpectWholeRowsSelected(7, 7);

    Program().ConfirmRowClear = false;
    Program().ConfirmRowDelete = true; // the other option does not count
    SelectRows(7, 7);
    doc->ClearRows();
    EXPECT_EQ(Cells(7), EmptyRow(7));
}

TEST_F(RowOperationsTest, SetMassWritesTheCurrentColumnOfUsedRowsOnly) {
    grid().setTextMatrix(4, 2, QStringLiteral("  ")); // RX of blanks only
    grid().setTextMatrix(5, 2, QString());
    grid().setTextMatrix(5, 6, QStringLiteral("LOW"));
    grid().setTextMatrix(6, 6, QStringLiteral("LOW"));
    Select(3, 6, 6, 5); // TX Pwr current, Encode also selected
    doc->SetMass(QStringLiteral("HIGH"));
    EXPECT_EQ(grid().textMatrix(3, 6), QStringLiteral("HIGH"));
    EXPECT_EQ(grid().textMatrix(4, 6), QStringLiteral("LOW"));
    EXPECT_EQ(grid().textMatrix(5, 6), QStringLiteral("LOW"));
    EXPECT_EQ(grid().textMatrix(6, 6), QStringLiteral("HIGH"));
    EXPECT_EQ(grid().textMatrix(7, 6), QStringLiteral("LOW"));
    for (int r = 3; r <= 6; ++r)
        EXPECT_EQ(grid().textMatrix(r, 5), rowsBefore.at(r).at(5)) << r;
    doc->SaveGrid();
    EXPECT_EQ(doc->Image().TXPower(3), QStringLiteral("HIGH"));
}

TEST_F(RowOperationsTest, IncrementTagsContinuesTheNumberAbove) {
    struct Case {
        const char* seed;
        QStringList names;
    };
    const Case cases[] = {
        {"CH08", {"CH09", "CH10", "CH11", "CH12", "CH13"}},
        {"A9", {"A10", "A11"}},
        {"ABCDE9", {"ABCDE1", "ABCDE1"}},
        {"0099", {"0100", "0101"}},
        {"REPT", {"REPT", "REPT", "REPT"}},
        {"999999", {"100000", "100000"}},
    };
    for (const Case& c : cases) {
        doc->FillGrid();
        grid().setTextMatrix(20, 1, QString::fromLatin1(c.seed));
        const int last = 20 + static_cast<int>(c.names.size());
        for (int r = 21; r <= last; ++r)
            grid().setTextMatrix(r, 2, QStringLiteral("145.500"));
        Select(21, 4, last, 4);
        doc->IncrementTags();
        QStringList names;
        for (int r = 21; r <= last; ++r)
            names << grid().textMatrix(r, 1);
        EXPECT_EQ(names, c.names) << c.seed;
    }
}

TEST_F(RowOperationsTest, IncrementTagsSkipsUnusedRowsAndNeedsASeed) {
    grid().setTextMatrix(4, 1, QStringLiteral("R1"));
    grid().setTextMatrix(7, 2, QString());
    grid().setTextMatrix(7, 1, QStringLiteral("KEEP"));
    Select(5, 1, 8, 1);
    doc->IncrementTags();
    EXPECT_EQ(grid().textMatrix(5, 1), QStringLiteral("R2"));
    EXPECT_EQ(grid().textMatrix(6, 1), QStringLiteral("R3"));
    EXPECT_EQ(grid().textMatrix(7, 1), QStringLiteral("KEEP"));
    EXPECT_EQ(grid().textMatrix(8, 1), QStringLiteral("R4"));

    const QVector<QStringList> before = Snapshot();
    Select(1, 1, 3, 1);
    doc->IncrementTags();
    Select(12, 1, 15, 1); // row 11 has no name
    doc->IncrementTags();
    Select(0, 1, 2, 1);
    doc->IncrementTags();
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(DocumentTest, IncrementTagsFollowsAMovedNameColumn) {
    const QString path = RealisticFile();
    auto doc = NewDocument();
    auto& table = Program().ColumnTable;
    std::swap(table[1].Order, table[10].Order); // Name <-> Group/Notes
    ASSERT_TRUE(doc->OpenFile(path));
    FlexGrid& grid = *doc->MSFlexGrid1(0);
    grid.setTextMatrix(1, 10, QStringLiteral("CH1"));
    Select(grid, 2, 10, 3, 10);
    doc->IncrementTags();
    EXPECT_EQ(grid.textMatrix(2, 10), QStringLiteral("CH2"));
    EXPECT_EQ(grid.textMatrix(3, 10), QStringLiteral("CH3"));
    EXPECT_EQ(grid.textMatrix(2, 1), QStringLiteral("Bristol"));
    EXPECT_EQ(doc->Image().Name(3), QStringLiteral("S20")); // grid only, until SaveGrid
    doc->SaveGrid();
    EXPECT_EQ(doc->Image().Name(3), QStringLiteral("CH3"));
}

TEST_F(RowOperationsTest, ClearAllEmptiesEveryChannelCell) {
    doc->ClearAll();
    EXPECT_EQ(Cells(0), rowsBefore.at(0));
    for (int r = 1; r <= 128; ++r)
        EXPECT_EQ(Cells(r), EmptyRow(r)) << r;
    EXPECT_EQ(doc->GetBytArry(), bytesBefore); // the image waits for SaveGrid
    doc->SaveGrid();
    for (int ch = 1; ch <= 128; ++ch)
        EXPECT_FALSE(doc->Image().IsUsedMemoryChannel(ch)) << ch;
}

// The memory grid's Insert and Delete keys, typed by the user.
TEST_F(RowOperationsTest, InsertAndDeleteKeysWorkOnWholeRowSelections) {
    doc->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(doc.get()));
    ASSERT_TRUE(grid().takeFocus());
    Program().RowKeysWithoutSelection = false;
    ScriptedResponder dialogs;

    // A single cell is no row selection: the keys do nothing.
    Select(10, 2, 10, 2);
    QTest::keyClick(&grid(), Qt::Key_Insert);
    QTest::keyClick(&grid(), Qt::Key_Delete);
    ExpectUnchanged();

    dialogs.answerMessage(platform::vbYes);
    Select(10, 1, 11, 10);
    QTest::keyClick(&grid(), Qt::Key_Insert);
    EXPECT_EQ(dialogs.messages(), QStringList{kInsertWarning});
    EXPECT_EQ(Cells(10), EmptyRow(10));
    EXPECT_EQ(Cells(12), Moved(10, 12));

    dialogs.answerMessage(platform::vbYes);
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_EQ(dialogs.messages().value(1),
              QStringLiteral("Are you sure you want to delete memories 10 to 11?"));
    for (int r = 1; r <= 126; ++r)
        EXPECT_EQ(Cells(r), rowsBefore.at(r)) << r;
    EXPECT_EQ(Cells(127), EmptyRow(127)); // pushed off by the insert
    ExpectWholeRowsSelected(10, 11);

    // With the option on a single cell is enough.
    Program().RowKeysWithoutSelection = true;
    Program().ConfirmRowDelete = false;
    Select(1, 3, 1, 3);
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_EQ(Cells(1), Moved(2, 1));
}
