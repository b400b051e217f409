// The document window: its tabs and grids as built, placement and column
// layout through the settings store, the close prompt, opening files, the
// mouse-wheel hook and TW files.

#include "DocumentFixture.h"

#include "document/HexCompareView.h"
#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ListEdit.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"
#include "support/ScriptedResponder.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

using platform::FlexGrid;

namespace {

const QString S = QStringLiteral("Settings");

// A wheel turn; one the user makes goes on to the parents of a control that
// does not take it.
void Wheel(QWidget* target, int delta, bool byUser = false) {
    const QPoint pos(10, 10);
    QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    if (byUser)
        QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::instance()->notify(target, &event); // sendEvent would clear it
}

} // namespace

TEST_F(DocumentTest, NewWindowBuildsTabsAndGridsWithTheirTexts) {
    auto doc = NewDocument();
    platform::TabStrip& tabs = *doc->SSTab1();
    QStringList captions;
    QList<bool> visible;
    for (int i = 0; i < tabs.tabs(); ++i) {
        captions << tabs.tabCaption(i);
        visible << tabs.tabVisible(i);
    }
    EXPECT_EQ(captions, QStringList({"Main Memories", "Configuration Settings", "VFO Settings",
                                     "FM Broadcast Memories", "Band Limits", "Tab 5", "Tab 6",
                                     "Tab 7", "** Hex Compare **"}));
    EXPECT_EQ(visible, QList<bool>({true, true, true, true, false, false, false, false, false}));
    EXPECT_EQ(tabs.tab(), 0);
    EXPECT_EQ(doc->GetCurrentGrid(), 0);
    EXPECT_EQ(doc->EditGrid, 0);
    for (int g = 0; g < 7; ++g)
        EXPECT_EQ(doc->MSFlexGrid1(g)->isVisible(), g == 0) << g;
    EXPECT_FALSE(doc->Frame3()->isVisible());
    EXPECT_FALSE(doc->TxtGrid()->isVisible());
    EXPECT_FALSE(doc->CboGrid()->isVisible());
    EXPECT_EQ(doc->Frame3()->HexGridA()->parentWidget(), doc->Frame3());
    EXPECT_EQ(doc->MSFlexGrid1(7), nullptr);

    const FlexGrid& memory = *doc->MSFlexGrid1(0);
    EXPECT_EQ(memory.rows(), 129);
    EXPECT_EQ(RowTexts(memory, 0),
              QStringList({"#", "Name   ", "RX Freq   ", "TX Freq   ", "Decode ", "Encode ",
                           "TX Pwr", "Scan", "TX Dev", "Busy Lck", "Group/Notes"}));
    EXPECT_EQ(Widths(memory),
              QList<int>({510, 990, 1350, 1350, 990, 990, 870, 630, 870, 1110, 2500}));
    EXPECT_EQ(memory.textMatrix(128, 0), QStringLiteral("128"));
    EXPECT_EQ(memory.rowHeight(5), platform::HeightTwips(doc->CboGrid()));
    EXPECT_EQ(memory.colAlignment(3), platform::flexAlignLeftCenter);
    // Editors and grids share one parent, so an editor can lie over a cell.
    EXPECT_EQ(doc->TxtGrid()->parentWidget(), memory.parentWidget());
    EXPECT_EQ(doc->CboGrid()->parentWidget(), memory.parentWidget());

    const FlexGrid& config = *doc->MSFlexGrid1(1);
    EXPECT_EQ(config.rows(), 27);
    EXPECT_EQ(config.fixedCols(), 2);
    EXPECT_EQ(RowTexts(config, 0), QStringList({"Menu #", "Function", "Setting"}));
    EXPECT_EQ(Widths(config), QList<int>({850, 3250, 2000}));
    EXPECT_EQ(
        ColumnTexts(config, 0, 1).mid(0, 14),
        QStringList({"3", "5", "6", "7", "9", "10", "11", "12", "14", "19", "20", "22", "25", ""}));
    EXPECT_EQ(config.textMatrix(6, 1), QStringLiteral("Transmit Over Time Alarm"));
    EXPECT_EQ(config.textMatrix(26, 1), QStringLiteral("Current VFO"));
    EXPECT_EQ(config.rowHeight(26), memory.rowHeight(0));

    const FlexGrid& vfo = *doc->MSFlexGrid1(2);
    EXPECT_EQ(vfo.rows(), 12);
    EXPECT_EQ(RowTexts(vfo, 0), QStringList({"", "VFO A", "VFO B"}));
    EXPECT_EQ(Widths(vfo), QList<int>({2500, 1500, 1500}));
    EXPECT_EQ(ColumnTexts(vfo, 0, 1),
              QStringList({"Display Mode", "RX Frequency", "Squelch Level", "Frequency Step",
                           "TX Power", "Encode DCS/CTCSS", "Decode DCS/CTCSS", "TX Deviation",
                           "Shift Direction", "Offset Frequency", "Start Channel"}));

    const FlexGrid& fm = *doc->MSFlexGrid1(3);
    EXPECT_EQ(fm.rows(), 10);
    EXPECT_EQ(RowTexts(fm, 0), QStringList({"#", "Bank 1", "Bank 2"}));
    EXPECT_EQ(Widths(fm), QList<int>({510, 1000, 1000}));
    EXPECT_EQ(ColumnTexts(fm, 0, 1), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));

    const FlexGrid& band = *doc->MSFlexGrid1(4);
    EXPECT_EQ(band.rows(), 5);
    EXPECT_EQ(RowTexts(band, 0), QStringList({"", "Low Limit", "High Limit"}));
    EXPECT_EQ(ColumnTexts(band, 0, 1), QStringList({"Band 1 Receive", "Band 1 Transmit",
                                                    "Band 2 Receive", "Band 2 Transmit"}));
    EXPECT_FALSE(doc->Image().IsFileLoaded());
}

TEST_F(DocumentTest, WindowSizeAndStateSurviveCloseAndReopen) {
    // While it still loads (caption "Document") a window stores no size.
    auto doc = std::make_unique<frmDocument>();
    EXPECT_EQ(doc->Caption(), QStringLiteral("Document"));
    doc->show();
    doc->resize(500, 300);
    EXPECT_FALSE(platform::HasSetting(S, QStringLiteral("DocWidth")));
    doc = NewDocument();
    EXPECT_EQ(doc->WidthTwips(), 8430);
    EXPECT_EQ(doc->HeightTwips(), 4725);
    doc->resize(600, 400);
    ASSERT_TRUE(doc->close());
    EXPECT_EQ(mainWindow.calls, QStringList{"CheckGUI"});
    EXPECT_EQ(doc->Caption(), QString());

    auto again = NewDocument();
    EXPECT_EQ(again->WidthTwips(), 9000);
    EXPECT_EQ(again->HeightTwips(), 6000);
    EXPECT_EQ(again->WindowState(), 0);

    // Maximised: only the state is stored; minimised: nothing.
    again->setWindowState(2);
    ASSERT_TRUE(again->close());
    EXPECT_EQ(platform::GetSetting(S, QStringLiteral("DocWindowState")), QStringLiteral("2"));
    EXPECT_EQ(platform::GetSetting(S, QStringLiteral("DocWidth")), QStringLiteral("9000"));
    auto third = NewDocument();
    EXPECT_EQ(third->WindowState(), 2);
    platform::SaveSetting(S, QStringLiteral("DocWindowState"), QStringLiteral("0"));
    third->setWindowState(1);
    ASSERT_TRUE(third->close());
    EXPECT_EQ(platform::GetSetting(S, QStringLiteral("DocWindowState")), QStringLiteral("0"));
}

TEST_F(DocumentTest, ColumnLayoutSurvivesCloseAndReopen) {
    auto doc = NewDocument();
    auto& table = Program().ColumnTable;
    std::swap(table[1].Order, table[2].Order);
    table[7].Visible = false;
    table[10].Caption = QStringLiteral("Notes ");
    doc->Initgrid();
    doc->MSFlexGrid1(0)->setColWidth(3, 1500); // TX Freq
    doc->MSFlexGrid1(0)->setColWidth(0, 900);
    doc->MSFlexGrid1(1)->setColWidth(1, 4000);
    doc->MSFlexGrid1(3)->setColWidth(2, 1234);
    ASSERT_TRUE(doc->close());
    // The keys and text forms the shell's column dialog and later windows read.
    const auto stored = [](const char* section, const char* key) {
        return platform::GetSetting(QString::fromLatin1(section), QString::fromLatin1(key),
                                    QStringLiteral("<missing>"));
    };
    EXPECT_EQ(stored("Settings", "Order1"), QStringLiteral("2"));
    EXPECT_EQ(stored("Settings", "Order2"), QStringLiteral("1"));
    EXPECT_EQ(stored("Settings", "Visible7"), QStringLiteral("False"));
    EXPECT_EQ(stored("Settings", "Visible8"), QStringLiteral("True"));
    EXPECT_EQ(stored("Settings", "Caption10"), QStringLiteral("Notes "));
    EXPECT_EQ(stored("Settings", "Caption1"), QStringLiteral("Name   "));
    EXPECT_EQ(stored("Grid0Settings", "ColWid3"), QStringLiteral("1500"));
    EXPECT_EQ(stored("Grid0Settings", "ColWid7"), QStringLiteral("630"));
    EXPECT_EQ(stored("Grid1Settings", "ColWid1"), QStringLiteral("4000"));
    EXPECT_EQ(stored("Grid4Settings", "ColWid2"), QStringLiteral("1500"));
    EXPECT_EQ(stored("Grid5Settings", "ColWid0"), QStringLiteral("<missing>"));
    EXPECT_EQ(stored("Settings", "DocWindowState"), QStringLiteral("0"));
    EXPECT_EQ(stored("Settings", "DocWidth"), QStringLiteral("8430"));
    EXPECT_NE(stored("Settings", "DocLeft"), QStringLiteral("<missing>"));
    EXPECT_NE(stored("Settings", "DocTop"), QStringLiteral("<missing>"));

    ResetProgramValues(); // a fresh start of the program
    auto again = NewDocument();
    EXPECT_EQ(table[1].Order, 2);
    EXPECT_EQ(table[2].Order, 1);
    EXPECT_FALSE(table[7].Visible);
    EXPECT_EQ(table[7].Width, 630);
    EXPECT_EQ(table[3].Width, 1500);
    EXPECT_EQ(table[10].Caption, QStringLiteral("Notes "));
    const FlexGrid& memory = *again->MSFlexGrid1(0);
    EXPECT_EQ(RowTexts(memory, 0),
              QStringList({"#", "RX Freq   ", "Name   ", "TX Freq   ", "Decode ", "Encode ",
                           "TX Pwr", "Scan", "TX Dev", "Busy Lck", "Notes "}));
    EXPECT_EQ(Widths(memory),
              QList<int>({510, 1350, 990, 1500, 990, 990, 870, 0, 870, 1110, 2500}));
    EXPECT_EQ(again->MSFlexGrid1(1)->colWidth(1), 4000);
    EXPECT_EQ(again->MSFlexGrid1(3)->colWidth(2), 1234);
    EXPECT_EQ(again->MSFlexGrid1(2)->colWidth(1), 1500);
    // A hidden column comes back at the width it kept.
    table[7].Visible = true;
    again->Initgrid();
    EXPECT_EQ(again->MSFlexGrid1(0)->colWidth(7), 630);
}

// A hand-edited or damaged store never stops a window from loading; what does
// not make sense is skipped and the defaults stay.
TEST_F(DocumentTest, BadStoredValuesAreSkipped) {
    // Order2 stays 2, so Order1 = 2 makes it twice 2; "&H384" is 900.
    const char* const stored[][3] = {
        {"Settings", "DocWindowState", "7"},   {"Settings", "DocWidth", "wide"},
        {"Settings", "DocHeight", "-300"},     {"Settings", "Order1", "2"},
        {"Settings", "Order3", "9"},           {"Settings", "Order9", "3"},
        {"Settings", "Visible6", "maybe"},     {"Settings", "Caption4", ""},
        {"Grid0Settings", "ColWid3", "40000"}, {"Grid0Settings", "ColWid4", "-1"},
        {"Grid0Settings", "ColWid5", "abc"},   {"Grid0Settings", "ColWid6", "&H384"},
        {"Grid1Settings", "ColWid1", "99999"}, {"Grid2Settings", "ColWid0", "zz"}};
    for (const auto& [section, key, value] : stored)
        platform::SaveSetting(section, key, value);

    auto doc = NewDocument();
    EXPECT_EQ(doc->WindowState(), 0);
    EXPECT_EQ(doc->WidthTwips(), 8430);
    EXPECT_EQ(doc->HeightTwips(), 4725);
    const auto& table = Program().ColumnTable;
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(table[static_cast<size_t>(n)].Order, n) << n;
    EXPECT_TRUE(table[6].Visible);
    EXPECT_EQ(table[4].Caption, QString());
    EXPECT_EQ(Widths(*doc->MSFlexGrid1(0)),
              QList<int>({510, 990, 1350, 1350, 990, 990, 900, 630, 870, 1110, 2500}));
    EXPECT_EQ(doc->MSFlexGrid1(1)->colWidth(1), 3250);
    EXPECT_EQ(doc->MSFlexGrid1(2)->colWidth(0), 2500);
}

TEST_F(DocumentTest, ClosePromptAnswers) {
    const QString path = RealisticFile();
    auto doc = NewDocument();
    ASSERT_TRUE(doc->OpenFile(path));
    doc->MSFlexGrid1(0)->setTextMatrix(3, 1, QStringLiteral("S20X"));
    const QString prompt = path + QStringLiteral("\r\n\r\nThe KG-UV data has changed.\r\n"
                                                 "Do you want to save the changes?");
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbCancel);
    EXPECT_FALSE(doc->close());
    ExpectLastBox(dialogs, prompt, "KG-UV Ferrowind", platform::vbExclamation,
                  platform::vbYesNoCancel);
    EXPECT_EQ(doc->Caption(), path);

    // Yes, and the save did not happen (Save As cancelled): the window stays
    // open as for Cancel.
    Program().SaveCancelled = true;
    bool cancelledFlagSeen = true;
    mainWindow.saveData = [&] {
        cancelledFlagSeen = Program().SaveCancelled;
        Program().SaveCancelled = true;
        return false;
    };
    dialogs.answerMessage(platform::vbYes);
    EXPECT_FALSE(doc->close());
    EXPECT_FALSE(cancelledFlagSeen);
    EXPECT_TRUE(mainWindow.calls.contains(QStringLiteral("SaveData")));
    EXPECT_FALSE(mainWindow.calls.contains(QStringLiteral("CheckGUI")));

    // Yes, and the main window saves: the file holds the edit.
    mainWindow.saveData = [&] {
        doc->SaveFile(doc->Caption());
        return true;
    };
    dialogs.answerMessage(platform::vbYes);
    EXPECT_TRUE(doc->close());
    EXPECT_EQ(doc->Caption(), QString());
    EXPECT_TRUE(mainWindow.calls.contains(QStringLiteral("CheckGUI")));
    clsVUROVA saved;
    saved.OpenFile(path);
    EXPECT_EQ(saved.Name(3), QStringLiteral("S20X"));
}

TEST_F(DocumentTest, ClosePromptNoClosesWithoutSaving) {
    const QString path = RealisticFile();
    const QByteArray before = ReadFileBytes(path);
    auto doc = NewDocument();
    ASSERT_TRUE(doc->OpenFile(path));
    doc->MSFlexGrid1(0)->setTextMatrix(3, 2, QString()); // channel 3 deleted
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbNo);
    EXPECT_TRUE(doc->close());
    EXPECT_FALSE(mainWindow.calls.contains(QStringLiteral("SaveData")));
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(DocumentTest, OpenFileRefusals) {
    auto doc = NewDocument();
    ScriptedResponder dialogs;
    const QString twText = QStringLiteral("TW Files must be imported (not opened).\r\n\r\n"
                                          "To import a TW file:\r\nSelect File -> Import From "
                                          ".TW...");
    for (const QString& name :
         {QStringLiteral("a.tw"), QStringLiteral("b.TW"), QStringLiteral("cTw")}) {
        dialogs.answerMessage(platform::vbOK);
        EXPECT_FALSE(doc->OpenFile(tempPath(name)));
        ExpectLastBox(dialogs, twText, "Error", platform::vbInformation);
    }

    const QString shortFile = tempPath(QStringLiteral("short.uvd"));
    WriteFileBytes(shortFile, QByteArray(12290, '\0'));
    const QString badSum = tempPath(QStringLiteral("badsum.uvd"));
    QByteArray bytes = ReadFileBytes(RealisticFile());
    bytes[12291] = static_cast<char>(bytes[12291] + 1);
    WriteFileBytes(badSum, bytes);
    const QString missing = tempPath(QStringLiteral("missing.uvd"));
    const QString folder = tempPath(QStringLiteral("folder.uvd"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString prefix = QStringLiteral("Error opening file: \r\n");
    struct Case {
        QString path;
        QString reason;
    };
    for (const Case& c : {Case{shortFile, "Wrong file size!"},
                          Case{badSum, "Checksum mismatch, file may be corrupt!"},
                          Case{missing, "No such file or directory"}, Case{folder, ""}}) {
        dialogs.answerMessage(platform::vbOK);
        EXPECT_FALSE(doc->OpenFile(c.path)) << c.path.toStdString();
        const platform::DialogCall& box = dialogs.shown().last();
        EXPECT_TRUE(box.text.startsWith(prefix + c.path + QStringLiteral("\r\n")));
        if (!c.reason.isEmpty())
            EXPECT_EQ(box.text, prefix + c.path + QStringLiteral("\r\n") + c.reason);
        else
            EXPECT_GT(box.text.size(), (prefix + c.path + QStringLiteral("\r\n")).size());
        EXPECT_EQ(box.icon, platform::vbExclamation);
        EXPECT_EQ(box.title, QStringLiteral("Error"));
    }
    // Nothing of the document changed.
    EXPECT_EQ(doc->Caption(), QStringLiteral("KG-UV File 1"));
    EXPECT_FALSE(doc->Image().IsFileLoaded());
    EXPECT_EQ(doc->MSFlexGrid1(0)->textMatrix(1, 1), QString());
    EXPECT_FALSE(mainWindow.calls.contains(QStringLiteral("EnableGUI")));
}

TEST_F(DocumentTest, OpenFileAcceptsAnyImageWithoutChecksum) {
    const QString path = tempPath(QStringLiteral("raw.img"));
    WriteFileBytes(path, ReadFileBytes(RealisticFile()).left(12288));
    auto doc = NewDocument();
    ASSERT_TRUE(doc->OpenFile(path));
    EXPECT_EQ(doc->Caption(), path);
    EXPECT_EQ(mainWindow.calls, QStringList{"EnableGUI"});
    EXPECT_EQ(doc->MSFlexGrid1(0)->col(), 1);
    EXPECT_EQ(doc->MSFlexGrid1(0)->textMatrix(5, 1), QStringLiteral("GB3ZB"));
}

TEST_F(DocumentTest, ActivationAndDoubleClickFollowTheImage) {
    auto doc = NewDocument();
    doc->Form_Activate();
    EXPECT_EQ(mainWindow.calls, QStringList{"InitGUI"});

    // The shell disables the tab strip of a document without data.
    doc->SSTab1()->setEnabled(false);
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    QTest::mouseDClick(doc->MSFlexGrid1(0)->viewport(), Qt::LeftButton);
    ExpectLastBox(dialogs,
                  "You must open a saved file or read from the radio before you can edit data!",
                  "KG-UV Ferrowind", platform::vbExclamation);

    ASSERT_TRUE(doc->OpenFile(RealisticFile()));
    doc->SSTab1()->setEnabled(true);
    doc->Form_DblClick(); // asks nothing now
    mainWindow.calls.clear();
    doc->Form_Activate();
    EXPECT_EQ(mainWindow.calls, QStringList{"EnableGUI"});
}

TEST_F(DocumentTest, WheelHookScrollsOncePerMessage) {
    auto plain = NewDocument();
    EXPECT_FALSE(plain->WheelHooked());
    Wheel(plain->MSFlexGrid1(0)->viewport(), -120);
    EXPECT_TRUE(mainWindow.calls.isEmpty());

    platform::SaveSetting(S, QStringLiteral("ScrollWheel"), QStringLiteral("True"));
    auto doc = NewDocument();
    auto inactive = NewDocument();
    // The main window scrolls the active document, so only that one passes
    // the wheel on.
    doc->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(doc.get()));
    EXPECT_TRUE(doc->WheelHooked());
    EXPECT_TRUE(Program().ScrollWheel);
    Wheel(doc->MSFlexGrid1(0)->viewport(), -120);
    Wheel(doc->MSFlexGrid1(0)->viewport(), 360); // a fast turn is still one message
    Wheel(doc->MSFlexGrid1(0)->viewport(), -480);
    EXPECT_EQ(mainWindow.calls, QStringList({"ScrollDown", "ScrollUp", "ScrollDown"}));
    // Over the tabs the wheel scrolls the grid too and leaves the tab alone.
    Wheel(doc->SSTab1()->tabBar(), 120, true);
    EXPECT_EQ(mainWindow.calls.mid(3), QStringList{"ScrollUp"});
    EXPECT_EQ(doc->SSTab1()->tab(), 0);

    // The hook is decided at load: the older window stays without it.
    Wheel(plain->MSFlexGrid1(0)->viewport(), -120);
    Wheel(inactive->MSFlexGrid1(0)->viewport(), -120);
    EXPECT_EQ(mainWindow.calls.size(), 4);
    ASSERT_TRUE(doc->close());
    EXPECT_FALSE(doc->WheelHooked());
}

TEST_F(DocumentTest, TwExportAndImport) {
    auto source = NewDocument();
    ASSERT_TRUE(source->OpenFile(RealisticFile()));
    const QString tw = tempPath(QStringLiteral("radio.tw"));
    source->ExportTWFile(tw);
    EXPECT_FALSE(source->IsDataChanged());

    auto doc = NewDocument();
    {
        // A TW file carries no band limits: the new window's zero limits make
        // the check after the fill warn about the channels and the VFOs.
        ScriptedResponder dialogs;
        dialogs.answerMessage(platform::vbOK).answerMessage(platform::vbOK);
        doc->ImportTWFile(tw);
    }
    EXPECT_TRUE(doc->IsTWFile());
    EXPECT_EQ(doc->MSFlexGrid1(0)->textMatrix(1, 1), QStringLiteral("GB3WH"));
    EXPECT_EQ(doc->MSFlexGrid1(0)->textMatrix(1, 2), QStringLiteral("145.600"));

    // A truncated file is refused with the image's message; nothing changes
    // beyond what writing the unchanged grids back does anyway.
    const QString broken = tempPath(QStringLiteral("broken.tw"));
    WriteFileBytes(broken, ReadFileBytes(tw).left(100));
    doc->SaveGrid();
    const QByteArray before = doc->GetBytArry();
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    doc->ImportTWFile(broken);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(
        QStringLiteral("Error reading TW file: may be unsupported or corrupt.")));
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Error"));
    EXPECT_EQ(doc->GetBytArry(), before);
    EXPECT_EQ(doc->MSFlexGrid1(0)->textMatrix(1, 1), QStringLiteral("GB3WH"));
    doc->setCaption(QString());
    source->setCaption(QString());
}

// In the main window's MDI area the frame carries the placement: it takes the
// stored size and state, its outer size is what is stored, and closing it runs
// the close prompt.
TEST_F(DocumentTest, InsideAnMdiFrame) {
    platform::SaveSetting(S, QStringLiteral("DocWidth"), QStringLiteral("9000"));
    platform::SaveSetting(S, QStringLiteral("DocHeight"), QStringLiteral("6000"));
    QMdiArea area;
    area.resize(1000, 800);
    area.show();
    auto* doc = new frmDocument; // owned by its frame from here on
    QMdiSubWindow* frame = area.addSubWindow(doc);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    doc->setCaption(QStringLiteral("KG-UV File 1"));
    frame->show();
    EXPECT_EQ(frame->size(), QSize(600, 400));
    EXPECT_EQ(doc->WidthTwips(), 9000);

    frame->resize(700, 500);
    EXPECT_EQ(platform::GetSetting(S, QStringLiteral("DocWidth")), QStringLiteral("10500"));
    EXPECT_EQ(platform::GetSetting(S, QStringLiteral("DocHeight")), QStringLiteral("7500"));

    ASSERT_TRUE(doc->OpenFile(RealisticFile()));
    doc->MSFlexGrid1(0)->setTextMatrix(1, 1, QStringLiteral("CHANGED"));
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbCancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    dialogs.answerMessage(platform::vbNo);
    doc->CloseMe();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(doc->Caption(), QString());
}

TEST_F(DocumentTest, TinyWindowKeepsTheLastGoodLayout) {
    auto doc = NewDocument();
    const QRect grid = doc->MSFlexGrid1(0)->geometry();
    doc->resize(20, 20);
    EXPECT_EQ(doc->MSFlexGrid1(0)->geometry().size(), grid.size());
    doc->resize(600, 400);
    const auto twips = [](int t) { return platform::PixelsToTwips(platform::TwipsToPixels(t)); };
    EXPECT_EQ(platform::WidthTwips(doc->MSFlexGrid1(0)), twips(9000 - 350));
    EXPECT_EQ(platform::HeightTwips(doc->MSFlexGrid1(0)), twips(6000 - 950));
    EXPECT_EQ(platform::HeightTwips(doc->MSFlexGrid1(6)), twips(6000 - 1950));
}

TEST_F(DocumentTest, InitgridReportsAFontSizeThatIsNoNumber) {
    auto doc = NewDocument();
    Program().GridFontSize = QStringLiteral("big");
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    doc->Initgrid();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Error 13: Type mismatch")});
    // The grids keep what they had and go on drawing it.
    EXPECT_EQ(doc->MSFlexGrid1(0)->textMatrix(0, 1), QStringLiteral("Name   "));
    for (int g = 0; g < frmDocument::GridCount; ++g)
        EXPECT_TRUE(doc->MSFlexGrid1(g)->redraw()) << g;
}
