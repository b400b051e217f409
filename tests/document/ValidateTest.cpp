// The document's frequency checks on real grids: the warnings and the report
// of ValidateAll, the band-limit checks keeping the user's cursor, the VFO
// defaults, the new-row defaults and shift, and the row after the last used one.

#include "DocumentFixture.h"

#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "rules/FrequencyRules.h"
#include "support/ScriptedResponder.h"

using platform::FlexGrid;
namespace fr = FrequencyRules;

namespace {

const QString kMemoryWarning =
    QStringLiteral("Warning: some memory channels contain frequencies which are outside of the "
                   "band limits.\r\nThese must be corrected before writing to the radio.");
const QString kVfoWarning = QStringLiteral("Warning: one or both VFO frequencies were outside of "
                                           "the specified band limits.\r\nDefault values set.");
const QString kReportCaption =
    QStringLiteral("Memories with frequencies outside of the band limits:");

void ExpectWarnings(const ScriptedResponder& dialogs, const QStringList& texts) {
    EXPECT_EQ(dialogs.messages(), texts);
    for (const platform::DialogCall& call : dialogs.shown()) {
        EXPECT_EQ(call.title, QStringLiteral("Warning"));
        EXPECT_EQ(call.icon, platform::vbExclamation);
        EXPECT_EQ(call.buttons, platform::vbOKOnly);
    }
}

class ValidateTest : public DocumentTest {
protected:
    // A document on the realistic image; other band limits, when given, are
    // set after the load has checked it.
    std::unique_ptr<frmDocument> OpenDocument(const QStringList& limits = {}) {
        auto doc = OpenedDocument();
        SetLimits(*doc, limits);
        return doc;
    }
    static void SetLimits(frmDocument& doc, const QStringList& limits) {
        for (int i = 0; i < limits.size(); ++i)
            doc.SetBandLimit(i, limits[i]);
    }
    // Moves logical columns a and b to each other's place in a built grid.
    static void SwapColumns(frmDocument& doc, int a, int b) {
        auto& table = Program().ColumnTable;
        std::swap(table[static_cast<size_t>(a)].Order, table[static_cast<size_t>(b)].Order);
        doc.Initgrid();
        doc.FillGrid();
    }

    static void SetCell(frmDocument& doc, int row, int logical, const QString& text) {
        doc.MSFlexGrid1(0)->setTextMatrix(row, GridColumnOf(logical), text);
    }
    static QString Cell(frmDocument& doc, int row, int logical) {
        return doc.MSFlexGrid1(0)->textMatrix(row, GridColumnOf(logical));
    }
    static void SetVfos(frmDocument& doc, const QString& a, const QString& b) {
        doc.MSFlexGrid1(2)->setTextMatrix(2, 1, a);
        doc.MSFlexGrid1(2)->setTextMatrix(2, 2, b);
    }
};

TEST_F(ValidateTest, WarningsComeInOrderBeforeTheReport) {
    ScriptedResponder dialogs;
    auto doc = OpenDocument();
    Program().BandLimitReport = QStringLiteral("stale,");
    EXPECT_TRUE(doc->ValidateAll());
    EXPECT_EQ(Program().BandLimitReport, QString());

    // Out-of-band VFOs get their defaults without failing the document.
    SetVfos(*doc, QStringLiteral("50.000"), QStringLiteral("520.000"));
    dialogs.answerMessage(platform::vbOK);
    EXPECT_TRUE(doc->ValidateAll());
    ExpectWarnings(dialogs, {kVfoWarning});
    EXPECT_TRUE(mainWindow.statusShown.isEmpty());
    EXPECT_EQ(doc->MSFlexGrid1(2)->textMatrix(2, 1), QStringLiteral("136.025"));
    EXPECT_EQ(doc->MSFlexGrid1(2)->textMatrix(2, 2), QStringLiteral("400.025"));

    SetCell(*doc, 5, ColTXFreq, QStringLiteral("300.000")); // TX alone is enough
    SetCell(*doc, 12, ColRXFreq, QStringLiteral("500.000"));
    SetCell(*doc, 12, ColTXFreq, QStringLiteral("500.000")); // listed once
    SetCell(*doc, 33, ColRXFreq, QStringLiteral("135.995"));
    SetVfos(*doc, QString(), QStringLiteral("446.000")); // an empty VFO reads 0
    dialogs.answerMessage(platform::vbOK).answerMessage(platform::vbOK);
    EXPECT_FALSE(doc->ValidateAll());
    ExpectWarnings(dialogs, {kVfoWarning, kMemoryWarning, kVfoWarning});
    ASSERT_EQ(mainWindow.statusShown.size(), 1);
    EXPECT_EQ(mainWindow.statusShown[0].caption, kReportCaption);
    EXPECT_EQ(mainWindow.statusShown[0].text, QStringLiteral("5,12,33"));
    EXPECT_FALSE(mainWindow.statusShown[0].modal);
    // The memory cells are reported, not corrected.
    EXPECT_EQ(Cell(*doc, 12, ColRXFreq), QStringLiteral("500.000"));
    EXPECT_EQ(doc->MSFlexGrid1(2)->textMatrix(2, 1), QStringLiteral("136.025"));
    EXPECT_EQ(doc->MSFlexGrid1(2)->textMatrix(2, 2), QStringLiteral("446.000"));
}

// Opening a file fills the grids and checks them at once.
TEST_F(ValidateTest, OpeningAFileWithMemoriesOutsideItsLimitsWarns) {
    clsVUROVA image = RealisticImage();
    image.setBandLimit(3, QStringLiteral("460"));
    image.setBandLimit(7, QStringLiteral("460"));
    const QString path = tempPath(QStringLiteral("narrow.uvd"));
    image.SaveFile(path);
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    EXPECT_TRUE(NewDocument()->OpenFile(path));
    EXPECT_EQ(dialogs.messages(), QStringList{kMemoryWarning});
    ASSERT_EQ(mainWindow.statusShown.size(), 1);
    EXPECT_EQ(mainWindow.statusShown[0].text, QStringLiteral("128"));
}

TEST_F(ValidateTest, BandLimitEdgesAndWhatCounts) {
    auto doc = OpenDocument();
    FlexGrid& grid = *doc->MSFlexGrid1(0);
    for (int r = 1; r < grid.rows(); ++r)
        for (int c = 1; c < grid.cols(); ++c)
            grid.setTextMatrix(r, c, QString());
    const struct {
        int row;
        const char* rx;
        const char* tx;
    } rows[] = {
        {1, "174.995", "174.995"}, // top of the whole top megahertz
        {2, "175.000", ""},        // high + 1 is out
        {3, "136.000", ""},        // low itself
        {4, "135.995", ""},        // just below
        {5, "479.5", ""},          // band 2 only
        {6, "", "999"},            // not used: TX alone is not looked at
        {7, "   ", "999"},         // blanks are not used either
        {8, "145.5", "0"},         // a TX of 0 is no transmit frequency
        {9, "145.5", "abc"},       // nor is a TX without a number
        {10, "600", "600"},        // both out, listed once
        {128, "145.5", "481"},
    };
    for (const auto& r : rows) {
        SetCell(*doc, r.row, ColRXFreq, QString::fromLatin1(r.rx));
        SetCell(*doc, r.row, ColTXFreq, QString::fromLatin1(r.tx));
    }
    EXPECT_FALSE(doc->ValidateBandLimits());
    EXPECT_EQ(Program().BandLimitReport, QStringLiteral("2,4,10,128,"));
}

TEST_F(ValidateTest, ValidateBandLimitsFollowsTheColumnOrderAndKeepsCursorAndSelection) {
    auto doc = OpenDocument();
    SwapColumns(*doc, ColRXFreq, ColGroupNotes);
    SwapColumns(*doc, ColTXFreq, ColName);
    FlexGrid& grid = *doc->MSFlexGrid1(0);
    Select(grid, 10, 3, 14, 5);
    int moves = 0;
    QObject::connect(&grid, &FlexGrid::RowColChange, [&] { ++moves; });
    SetCell(*doc, 3, ColTXFreq, QStringLiteral("300"));
    SetCell(*doc, 12, ColRXFreq, QStringLiteral("600"));

    EXPECT_FALSE(doc->ValidateBandLimits());

    EXPECT_EQ(Program().BandLimitReport, QStringLiteral("3,12,"));
    EXPECT_EQ(moves, 0);
    EXPECT_EQ(grid.row(), 10);
    EXPECT_EQ(grid.col(), 3);
    EXPECT_EQ(grid.rowSel(), 14);
    EXPECT_EQ(grid.colSel(), 5);
    EXPECT_TRUE(grid.redraw());
    EXPECT_FALSE(doc->RowChangeBusy);
}

TEST_F(ValidateTest, CheckBandLimitsUsesTheGivenLimitsAndCollapsesTheSelection) {
    auto doc = OpenDocument();
    FlexGrid& grid = *doc->MSFlexGrid1(0);
    Select(grid, 20, 4, 25, 7);
    bool busyWhileMoving = false;
    QObject::connect(&grid, &FlexGrid::SelChange, [&] { busyWhileMoving = doc->RowChangeBusy; });
    Program().BandLimitReport = QStringLiteral("stale,");

    // A radio that transmits only on 144-148 and 430-440: the PMR channels,
    // the bench channel and the top rows fail; RX-only rows pass.
    QStringList limits{"136", "174", "400", "480", "144", "148", "430", "440"};
    EXPECT_FALSE(doc->CheckBandLimits(limits));

    EXPECT_EQ(Program().BandLimitReport, QStringLiteral("7,8,100,127,128,"));
    EXPECT_EQ(grid.row(), 20);
    EXPECT_EQ(grid.col(), 4);
    EXPECT_EQ(grid.rowSel(), 20);
    EXPECT_EQ(grid.colSel(), 4);
    EXPECT_TRUE(busyWhileMoving);
    EXPECT_FALSE(doc->RowChangeBusy);
    EXPECT_TRUE(grid.redraw());
    EXPECT_EQ(limits.size(), 8);

    // A VFO outside fails the check without being listed or changed.
    SetVfos(*doc, QStringLiteral("145.500"), QStringLiteral("490.000"));
    limits = QStringList{"136", "174", "400", "480", "136", "174", "400", "480"};
    EXPECT_FALSE(doc->CheckBandLimits(limits));
    EXPECT_EQ(Program().BandLimitReport, QString());
    EXPECT_EQ(doc->MSFlexGrid1(2)->textMatrix(2, 2), QStringLiteral("490.000"));

    SetVfos(*doc, QStringLiteral("145.500"), QStringLiteral("480.995"));
    EXPECT_TRUE(doc->CheckBandLimits(limits));
}

TEST_F(ValidateTest, VfoDefaultsFollowTheFrequencyFormat) {
    Program().FrequencyFormat = FormatFiveDecimals;
    auto doc = OpenDocument({"130", "174", "420", "480"});
    SetVfos(*doc, QStringLiteral("50.000"), QStringLiteral("146.52"));
    EXPECT_FALSE(doc->ValidateVFOs());
    EXPECT_EQ(doc->MSFlexGrid1(2)->textMatrix(2, 1), QStringLiteral("130.02500"));
    EXPECT_EQ(doc->MSFlexGrid1(2)->textMatrix(2, 2), QStringLiteral("146.52"));

    SetVfos(*doc, QStringLiteral("146.520"), QStringLiteral("446.000"));
    EXPECT_TRUE(doc->ValidateVFOs());
    EXPECT_EQ(doc->MSFlexGrid1(2)->textMatrix(2, 1), QStringLiteral("146.520"));
}

// The editors' wrappers take the document's own limits, transmit apart from
// receive.
TEST_F(ValidateTest, TypedFrequenciesAreCorrectedAgainstTheImageLimits) {
    auto doc = OpenDocument({"136", "174", "400", "480", "144", "148", "430", "440"});
    EXPECT_EQ(doc->ValidateRXFreq(QStringLiteral("150")), QStringLiteral("150.000"));
    EXPECT_EQ(doc->ValidateTXFreq(QStringLiteral("150")), QStringLiteral("148.995"));
    EXPECT_EQ(doc->ValidateTXFreq(QStringLiteral("300")), QStringLiteral("430.000"));
    EXPECT_EQ(doc->ValidateRXFreq(QStringLiteral("145.5.5")), QString());
    QString vfo;
    EXPECT_EQ(doc->ValidateVFOFreq(vfo), QStringLiteral("136.000"));
    EXPECT_EQ(vfo, QStringLiteral("0"));
    EXPECT_TRUE(doc->IsFreqInRXBandLimits(QStringLiteral("174.995")));
    EXPECT_FALSE(doc->IsFreqInTXBandLimits(QStringLiteral("150")));
    EXPECT_TRUE(doc->IsFreqInTXBandLimits(QStringLiteral("148.995")));
    QString step = QStringLiteral("145.50");
    EXPECT_TRUE(doc->IsFreqStepValid(step));
    EXPECT_EQ(step, QStringLiteral("145.5"));
}

TEST_F(ValidateTest, DefaultsFillTheOptionCellsAndMoveTheTxIntoItsBands) {
    auto doc = OpenDocument();
    SwapColumns(*doc, ColTXFreq, ColBusyLck);
    SetLimits(*doc, {"136", "174", "400", "480", "144", "148", "430", "440"});
    SetCell(*doc, 40, ColRXFreq, QStringLiteral("420.000"));
    SetCell(*doc, 40, ColName, QStringLiteral("KEEP"));
    SetCell(*doc, 40, ColGroupNotes, QStringLiteral("notes"));
    SetCell(*doc, 40, ColScan, QStringLiteral("OFF")); // overwritten all the same

    doc->ApplyDefaults(40);

    const QStringList expected{"KEEP", "420.000", "430.000", "OFF", "OFF",
                               "HIGH", "ON",      "WIDE",    "OFF", "notes"};
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(Cell(*doc, 40, k), expected[k - 1]) << "logical column " << k;
    SetCell(*doc, 41, ColRXFreq, QStringLiteral("x")); // no number: no TX
    doc->ApplyDefaults(41);
    EXPECT_EQ(Cell(*doc, 41, ColTXFreq), QString());
}

TEST_F(ValidateTest, AutoShiftOverwritesTheTxFrequency) {
    auto doc = OpenDocument();
    SetCell(*doc, 3, ColRXFreq, QStringLiteral("145.300"));
    doc->ApplyAutoShift(3);
    EXPECT_EQ(Cell(*doc, 3, ColTXFreq), QStringLiteral("144.700"));
    SetCell(*doc, 5, ColRXFreq, QStringLiteral("442.000"));
    doc->ApplyAutoShift(5); // replaces 434.6 typed before
    EXPECT_EQ(Cell(*doc, 5, ColTXFreq), QStringLiteral("447.000"));
    SetCell(*doc, 6, ColRXFreq, QStringLiteral("x"));
    doc->ApplyAutoShift(6);
    EXPECT_EQ(Cell(*doc, 6, ColTXFreq), QStringLiteral("430.5375"));
}

TEST_F(ValidateTest, RowIsFilledOnlyWithEveryCellFromTxToBusyLock) {
    auto doc = OpenDocument();
    EXPECT_TRUE(doc->IsRowFilled(1));
    SetCell(*doc, 1, ColName, QString());
    SetCell(*doc, 1, ColGroupNotes, QString());
    SetCell(*doc, 1, ColTXDev, QStringLiteral(" "));
    EXPECT_TRUE(doc->IsRowFilled(1));
    SetCell(*doc, 1, ColBusyLck, QString());
    EXPECT_FALSE(doc->IsRowFilled(1));
    EXPECT_FALSE(doc->IsRowFilled(11)); // an unused row
    SetCell(*doc, 2, ColTXFreq, QString());
    EXPECT_FALSE(doc->IsRowFilled(2));
}

TEST_F(ValidateTest, LastEmptyRowIsTheOneAfterTheLastFilledRxCell) {
    auto doc = OpenDocument();
    EXPECT_EQ(doc->GetLastEmptyRow(), 129); // channel 128 is in use
    FlexGrid& grid = *doc->MSFlexGrid1(0);
    for (int r = 21; r < grid.rows(); ++r)
        SetCell(*doc, r, ColRXFreq, QString());
    SetCell(*doc, 11, ColRXFreq, QString()); // gaps do not matter
    EXPECT_EQ(doc->GetLastEmptyRow(), 21);
    SetCell(*doc, 60, ColRXFreq, QStringLiteral(" ")); // blanks count as filled
    EXPECT_EQ(doc->GetLastEmptyRow(), 61);
    for (int r = 1; r < grid.rows(); ++r)
        SetCell(*doc, r, ColRXFreq, QString());
    EXPECT_EQ(doc->GetLastEmptyRow(), 1);
}

TEST_F(ValidateTest, GridEditsCountAsChangesOnlyForALoadedDocument) {
    auto doc = OpenDocument();
    EXPECT_FALSE(doc->IsDataChanged());
    SetCell(*doc, 1, ColName, QStringLiteral("NEW"));
    EXPECT_TRUE(doc->IsDataChanged());

    auto empty = NewDocument();
    empty->MSFlexGrid1(0)->setTextMatrix(1, GridColumnOf(ColRXFreq), QStringLiteral("145.5"));
    EXPECT_FALSE(empty->IsDataChanged());
}

} // namespace
