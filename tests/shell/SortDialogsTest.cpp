// Memories > Sort... and Check for Duplicate Freqs, run for real from the menu:
// what the dialogs offer, what reaches the main window, and the tab rule.

#include "ShellFixture.h"

#include "document/frmDupReport.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TabStrip.h"
#include "program/ProgramValues.h"
#include "shell/frmDupCheck.h"
#include "shell/frmSort.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The real main window, recording what the dialogs hand it.
class RecordingMain : public frmMain {
public:
    QStringList calls;

    void TestSort(const QString& scope, int keyIndex, const QString& direction) override {
        calls << QStringLiteral("TestSort(%1, %2, %3)").arg(scope).arg(keyIndex).arg(direction);
        frmMain::TestSort(scope, keyIndex, direction);
    }
    void TestDups(bool& tones, bool& names, bool& deleting) override {
        const frmDupCheck* dialog = findChild<frmDupCheck*>();
        const auto text = [](bool b) {
            return b ? QStringLiteral("true") : QStringLiteral("false");
        };
        calls << QStringLiteral("TestDups(%1, %2, %3)")
                         .arg(text(tones), text(names), text(deleting)) +
                     (dialog && dialog->isVisible() ? " with the dialog shown" : "");
        frmMain::TestDups(tones, names, deleting);
    }
};

class SortDialogsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        auto window = std::make_unique<RecordingMain>();
        recording = window.get();
        main = std::move(window);
        main->MDIForm_Load(UvdFile());
        main->show();
        Settle();
        document = main->ActiveDocument();
    }
    void SetChannel(int row, const QString& name, const QString& rx) {
        ::SetChannel(document, row, rx, rx);
        document->MSFlexGrid1(0)->setTextMatrix(row, GridColumnOf(ColName), name);
    }
    QStringList Names(int first, int last) {
        QStringList names;
        for (int r = first; r <= last; ++r)
            names << Cell(document, r, ColName);
        return names;
    }

    RecordingMain* recording = nullptr;
    IDocument* document = nullptr;
};

} // namespace

TEST_F(SortDialogsTest, SortOffersTheCurrentCaptionsAndHandsOverItsChoice) {
    Program().ColumnTable[ColTXFreq].Caption = QStringLiteral("Shift");
    for (const auto& [row, name] : {std::pair<int, QString>{5, "ZZZ"}, {10, "MMM"}, {40, "AAA"}})
        SetChannel(row, name, "146.000");
    QStringList seen;
    dialogs.runModal([&](QDialog& dialog) {
        auto& sort = static_cast<frmSort&>(dialog);
        for (int i = 0; i < sort.Combo1()->count(); ++i)
            seen << sort.Combo1()->itemText(i);
        seen << QString::number(sort.Combo1()->currentIndex()) +
                    (sort.Option4()->isChecked() && sort.Option6()->isChecked() ? " Asc All" : "?");
        sort.Command6()->click();
    });
    main->mnuSort()->trigger();
    EXPECT_EQ(dialogs.shown().value(0).title, "Sort Memories");
    EXPECT_EQ(seen, (QStringList{"Name   ", "RX Freq   ", "Shift", "Group/Notes", "0 Asc All"}));
    EXPECT_EQ(Names(1, 6), (QStringList{"AAA", "GB3WH", "MMM", "UHF S", "ZZZ", ""}));

    // Selected from row 40 up to row 10, descending: rows 10 to 40 only.
    for (const auto& [row, name] :
         {std::pair<int, QString>{10, "MMM"}, {25, "BBB"}, {40, "AAA"}, {41, "CCC"}})
        SetChannel(row, name, "146.000");
    platform::FlexGrid& grid = *document->MSFlexGrid1(0);
    grid.setRow(40);
    grid.setRowSel(10);
    dialogs.runModal([](QDialog& dialog) {
        auto& sort = static_cast<frmSort&>(dialog);
        sort.Option5()->click();
        sort.Option3()->click();
        sort.Command6()->click();
    });
    main->mnuSort()->trigger();
    EXPECT_EQ(recording->calls,
              (QStringList{"TestSort(All, 0, Asc)", "TestSort(Selected, 0, Dec)"}));
    EXPECT_EQ(Names(9, 13), (QStringList{"", "MMM", "BBB", "AAA", ""}));
    EXPECT_EQ(Names(40, 41), (QStringList{"", "CCC"}));
}

TEST_F(SortDialogsTest, DuplicateCheckHandsOverItsChoiceOnceClosed) {
    SetChannel(3, "GB3WH", "145.600");
    dialogs.runModal([&](QDialog& dialog) {
        auto& check = static_cast<frmDupCheck&>(dialog);
        EXPECT_TRUE(check.Option1()->isChecked());
        EXPECT_FALSE(check.Check1()->isChecked() || check.Check2()->isChecked());
        check.Command1()->click();
    });
    main->mnuDupCheck()->trigger();
    EXPECT_EQ(dialogs.shown().value(0).title, "Duplicate Frequency Check");
    EXPECT_EQ(recording->calls, QStringList{"TestDups(false, false, false)"});
    const frmDupReport* report = main->findChild<frmDupReport*>();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->ReportText(), "Duplicates: 1, 3\r\n");

    dialogs.runModal(
        [](QDialog& dialog) { static_cast<frmDupCheck&>(dialog).Command2()->click(); });
    main->mnuDupCheck()->trigger();
    EXPECT_EQ(recording->calls.size(), 1);
}

// The items follow the last tab change of any document; a document that shows
// a settings tab still gets neither dialog.
TEST_F(SortDialogsTest, ADocumentOnItsConfigurationTabOpensNeitherDialog) {
    IDocument* onSettings = document;
    onSettings->SSTab1()->setTab(1);
    main->mnuFileNew_Click();
    IDocument* other = main->ActiveDocument();
    ASSERT_TRUE(other->OpenFile(UvdFile("other.uvd")));
    other->SSTab1()->setTab(1);
    other->SSTab1()->setTab(0);
    main->MdiArea()->setActiveSubWindow(main->MdiArea()->subWindowList()[0]);
    ASSERT_EQ(main->ActiveDocument(), onSettings);
    ASSERT_TRUE(Enabled("mnuSort") && Enabled("mnuDupCheck"));

    const QString settings = onSettings->MSFlexGrid1(1)->textMatrix(2, 2);
    main->mnuSort()->trigger();
    main->mnuDupCheck()->trigger();
    main->TestSort("All", 0, "Dec");
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(onSettings->MSFlexGrid1(1)->textMatrix(2, 2), settings);
    EXPECT_EQ(Names(1, 2), (QStringList{"GB3WH", "UHF S"}));
}
