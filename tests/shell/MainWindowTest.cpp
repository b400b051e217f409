#include "ShellFixture.h"

#include "platform/core/Settings.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TabStrip.h"
#include "program/ProgramValues.h"
#include "shell/RecentFiles.h"
#include "shell/Version.h"
#include "support/ScriptedResponder.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString Changed =
    QStringLiteral("\r\n\r\nThe KG-UV data has changed.\r\nDo you want to save the changes?");

const QStringList kAlwaysOn = {"mnuFile", "mnuTransfer", "mnuWindow", "mnuHelp", "mnuabout"};
const QStringList kOnWithDocument = {"mnuView", "mnuSettings"};
const QStringList kDataOnly = {"mnuEdit",      "mnuMemories", "mnuFileSave", "mnuFileSaveAs",
                               "mnuImportTW",  "mnuExportTW", "mnuIMport",   "mnuExportWizard",
                               "mnuImportTPE", "mnuPrint",    "mnuWrite"};
const QStringList kNeverTouched = {"mnuFileNew", "mnuFileOpen", "mnuFileClose", "mnuRead"};

} // namespace

// --- start-up ---

TEST_F(ShellTest, StartsWithOneEmptyDocumentInTheNoDataState) {
    Start();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("KG-UV Ferrowind v1.0.0 (BETA)"));
    EXPECT_EQ(main->StatusPanel1()->text(),
              QStringLiteral("KG-UV Ferrowind v1.0.0 - KG-UV Ferrowind developers"));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
    ASSERT_NE(main->ActiveDocument(), nullptr);
    EXPECT_TRUE(main->IsFormLoaded());

    for (const QString& name : kAlwaysOn + kOnWithDocument + kNeverTouched)
        EXPECT_TRUE(Enabled(name)) << name.toStdString();
    for (const QString& name : kDataOnly)
        EXPECT_FALSE(Enabled(name)) << name.toStdString();
    for (int position = 1; position <= 19; ++position)
        EXPECT_EQ(ButtonEnabled(position), position <= 2 || position == 18) << position;
    IDocument* document = main->ActiveDocument();
    for (int i = 0; i < 7; ++i)
        EXPECT_FALSE(document->MSFlexGrid1(i)->isEnabled()) << i;
    EXPECT_FALSE(document->SSTab1()->isEnabled());
}

TEST(Version, CaptionsShowTheNumbersWithoutLeadingZeros) {
    EXPECT_EQ(shell::MainCaption({0, 1, 2}), QStringLiteral("KG-UV Ferrowind v0.1.2 (BETA)"));
    EXPECT_EQ(shell::StatusPanelText({0, 1, 2}),
              QStringLiteral("KG-UV Ferrowind v0.1.2 - KG-UV Ferrowind developers"));
}

TEST_F(ShellTest, MenuTreeAndToolbarCarryTheirNamesAndCaptions) {
    Start();
    const QList<QPair<QString, QString>> items = {
        {"mnuFile", "&File"},
        {"mnuFileNew", "&New"},
        {"mnuFileOpen", "&Open..."},
        {"mnuFileClose", "&Close"},
        {"mnuFileSave", "&Save"},
        {"mnuFileSaveAs", "Save &As..."},
        {"mnuImportTW", "Import From .TW..."},
        {"mnuExportTW", "Export to .TW..."},
        {"mnuIMport", "&Import From .CSV..."},
        {"mnuExportWizard", "&Export to .CSV..."},
        {"mnuImportTPE", "Import from TravelPlus .TPE..."},
        {"mnuPrint", "&Print..."},
        {"mnuexit", "E&xit"},
        {"mnuEdit", "&Edit"},
        {"mnuEditCut", "Cu&t"},
        {"mnuEditCopy", "&Copy"},
        {"mnuEditPaste", "&Paste"},
        {"mnuView", "&View"},
        {"mnuViewToolbar", "&Toolbar"},
        {"mnuViewStatusBar", "Status &Bar"},
        {"mnuSettings", "&Settings"},
        {"mnuGridFont", "Grid &Font..."},
        {"mnuGridColors", "Grid &Colors..."},
        {"mnuColumnSettings", "&Column Settings..."},
        {"mnuOptions", "&Options..."},
        {"mnuAutoShift", "Use Auto-&Shift"},
        {"mnuAutoSizeColumns", "&Auto-Size Columns"},
        {"mnuMemories", "&Memories"},
        {"mnuFind", "&Find..."},
        {"mnuSort", "Sort..."},
        {"mnuDupCheck", "Check for &Duplicate Freqs"},
        {"mnuClearMem", "&Clear All Memories"},
        {"mnuEditBandLimits", "&Band Limits..."},
        {"mnuTransfer", "&Transfer"},
        {"mnuPort", "&Port..."},
        {"mnuRead", "&Read from Radio"},
        {"mnuWrite", "&Write To Radio"},
        {"mnuWindow", "&Window"},
        {"mnuWindowNewWindow", "&New Window"},
        {"mnuWindowCascade", "&Cascade"},
        {"mnuWindowTileHorizontal", "Tile &Horizontal"},
        {"mnuWindowTileVertical", "Tile &Vertical"},
        {"mnuWindowArrangeIcons", "&Arrange Icons"},
        {"mnuHelp", "&Help"},
        {"mnuReadMe", "&ReadMe..."},
        {"mnuabout", "&About..."},
    };
    for (const auto& [name, caption] : items) {
        ASSERT_NE(main->MenuItem(name), nullptr) << name.toStdString();
        EXPECT_EQ(main->MenuItem(name)->text(), caption) << name.toStdString();
    }
    EXPECT_EQ(main->MenuItem("mnuFileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(main->MenuItem("mnuFileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_TRUE(main->MenuItem("mnuViewToolbar")->isChecked());
    EXPECT_TRUE(main->MenuItem("mnuViewStatusBar")->isChecked());
    EXPECT_EQ(main->tbToolBar()->objectName(), QStringLiteral("tbToolBar"));
    EXPECT_EQ(main->sbStatusBar()->objectName(), QStringLiteral("sbStatusBar"));

    const QStringList keys = {"New",
                              "Open",
                              "Save",
                              "",
                              "Cut",
                              "Copy",
                              "Paste",
                              "",
                              "Find",
                              "Print",
                              "",
                              "Move Up",
                              "Move Down",
                              "Insert Blank",
                              "Delete",
                              "Clear",
                              "",
                              "Read From Radio",
                              "Write To Radio"};
    const QStringList captions = {"New",    "Open",  "Save",  "",     "Cut",  "Copy", "Paste",
                                  "",       "Find",  "Print", "",     "Up",   "Down", "Insert",
                                  "Delete", "Clear", "",      "Read", "Write"};
    for (int position = 1; position <= 19; ++position) {
        const int i = position - 1;
        EXPECT_EQ(main->tbButton(position)->isSeparator(), keys[i].isEmpty()) << position;
        EXPECT_EQ(main->tbButtonKey(position), keys[i]) << position;
        EXPECT_EQ(main->tbButton(position)->text(), captions[i]) << position;
    }
    main->HideToolbarCaptions();
    for (int position = 1; position <= 19; ++position)
        EXPECT_EQ(main->tbButton(position)->text(), QString()) << position;
    EXPECT_FALSE(main->tbButton(1)->icon().isNull());
}

TEST_F(ShellTest, MenusHoldTheirItemsInOrderWithTheirSeparators) {
    Start();
    const auto names = [this](const QString& menu) {
        QStringList list;
        for (const QAction* item : main->TopMenu(menu)->actions())
            list << (item->isSeparator() && item->objectName().isEmpty() ? "-"
                                                                         : item->objectName());
        return list;
    };
    EXPECT_EQ(main->menuBar()->actions().size(), 8);
    QStringList top;
    for (const QAction* menu : main->menuBar()->actions())
        top << menu->objectName();
    EXPECT_EQ(top, (QStringList{"mnuFile", "mnuEdit", "mnuView", "mnuSettings", "mnuMemories",
                                "mnuTransfer", "mnuWindow", "mnuHelp"}));
    EXPECT_EQ(names("mnuFile"),
              (QStringList{"mnuFileNew",  "mnuFileOpen",   "mnuFileClose", "mnuFileBar0",
                           "mnuFileSave", "mnuFileSaveAs", "mnuFileBar1",  "mnuImportTW",
                           "mnuExportTW", "mnuSepTW",      "mnuIMport",    "mnuExportWizard",
                           "mnuTpeSep",   "mnuImportTPE",  "mnusep3",      "mnuPrint",
                           "mnusepimpt",  "mnuexit",       "mnuMRUSep",    "mnuMRU",
                           "mnuMRU",      "mnuMRU",        "mnuMRU",       "mnuMRU"}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(main->mnuMRU(i), main->TopMenu("mnuFile")->actions()[19 + i]) << i;
    for (const QString& separator : QStringList{"mnuFileBar0", "mnuFileBar1", "mnuSepTW",
                                                "mnuTpeSep", "mnusep3", "mnusepimpt", "mnuMRUSep"})
        EXPECT_TRUE(main->MenuItem(separator)->isSeparator()) << separator.toStdString();
    EXPECT_EQ(names("mnuEdit"), (QStringList{"mnuEditCut", "mnuEditCopy", "mnuEditPaste"}));
    EXPECT_EQ(names("mnuView"), (QStringList{"mnuViewToolbar", "mnuViewStatusBar"}));
    EXPECT_EQ(names("mnuSettings"),
              (QStringList{"mnuGridFont", "mnuGridColors", "mnuColumnSettings", "mnuOptions",
                           "mnusepgrid", "mnuAutoShift", "mnusepdebug", "mnuAutoSizeColumns"}));
    EXPECT_EQ(names("mnuMemories"),
              (QStringList{"mnuFind", "mnuSort", "mnuDupCheck", "mnusep888", "mnuClearMem",
                           "mnuBandSep", "mnuEditBandLimits"}));
    EXPECT_EQ(names("mnuTransfer"), (QStringList{"mnuPort", "mnusepct", "mnuRead", "mnuWrite"}));
    // The list of open windows follows once the menu opens.
    EXPECT_EQ(names("mnuWindow"), (QStringList{"mnuWindowNewWindow", "mnuWindowBar0",
                                               "mnuWindowCascade", "mnuWindowTileHorizontal",
                                               "mnuWindowTileVertical", "mnuWindowArrangeIcons"}));
    EXPECT_EQ(names("mnuHelp"), (QStringList{"mnuReadMe", "mnuabout"}));
    for (const QString& name : QStringList{"mnuAutoShift", "mnuViewToolbar", "mnuViewStatusBar"})
        EXPECT_TRUE(main->MenuItem(name)->isCheckable()) << name.toStdString();
    for (const QString& name : QStringList{"mnuFileClose", "mnuFileSave", "mnuPrint", "mnuRead"})
        EXPECT_TRUE(main->MenuItem(name)->shortcut().isEmpty()) << name.toStdString();
}

TEST_F(ShellTest, CommandLineWithQuotedPathOpensItInsteadOfTheLastUsedFile) {
    const QString last = UvdFile(QStringLiteral("last.uvd"));
    platform::SaveSetting("MRU", "mru0", last);
    const QString wanted = UvdFile(QStringLiteral("wanted.uvd"));
    Start(QLatin1Char('"') + wanted + QLatin1Char('"'));
    EXPECT_EQ(Captions(), QStringList{wanted});
    EXPECT_EQ(platform::GetSetting("MRU", "mru0"), wanted);
    EXPECT_EQ(platform::GetSetting("MRU", "mru1"), last);
    EXPECT_TRUE(Enabled("mnuFileSave"));
    EXPECT_TRUE(main->ActiveDocument()->MSFlexGrid1(0)->isEnabled());
}

TEST_F(ShellTest, CommandLineWithoutQuotesIsTakenWhole) {
    const QString path = UvdFile(QStringLiteral("plain.uvd"));
    Start(path);
    EXPECT_EQ(Captions(), QStringList{path});
}

TEST_F(ShellTest, RelativeCommandLinePathNamesAFileInTheStartFolder) {
    // The stored working folder holds a file of the same name; the one meant
    // is the one beside the user.
    const QString stored = tempPath(QStringLiteral("stored"));
    const QString here = tempPath(QStringLiteral("here"));
    ASSERT_TRUE(QDir().mkpath(stored) && QDir().mkpath(here));
    WriteUvdFile(stored + QStringLiteral("/radio.uvd"));
    WriteUvdFile(here + QStringLiteral("/radio.uvd"));
    platform::SaveSetting("Settings", "FilePath", stored);
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(here));
    Start(QStringLiteral("./radio.uvd"));
    const QString expected = QDir(here).absoluteFilePath(QStringLiteral("radio.uvd"));
    QDir::setCurrent(before);
    EXPECT_EQ(Captions(), QStringList{expected});
    EXPECT_EQ(platform::GetSetting("MRU", "mru0"), expected);
}

TEST_F(ShellTest, CommandLineOfTwoQuotesOpensNothing) {
    Start(QStringLiteral("\"\""));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
    EXPECT_EQ(platform::GetSetting("MRU", "mru0"), QString());
}

TEST_F(ShellTest, RefusedCommandLineFileStillEntersTheRecentList) {
    const QString path = tempPath(QStringLiteral("short.uvd"));
    WriteFileBytes(path, QByteArray(100, '\0'));
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbOK);
    Start(path);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains(QStringLiteral("Wrong file size!")));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
    EXPECT_EQ(platform::GetSetting("MRU", "mru0"), path);
}

TEST_F(ShellTest, OpenLastUsedOpensTheNewestRecentFile) {
    const QString path = UvdFile();
    platform::SaveSetting("MRU", "mru0", path);
    Start();
    EXPECT_EQ(Captions(), QStringList{path});
}

TEST_F(ShellTest, OpenLastUsedWithAMissingFileAsksAndStaysEmpty) {
    const QString path = tempPath(QStringLiteral("gone.uvd"));
    platform::SaveSetting("MRU", "mru0", path);
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbNo);
    Start();
    EXPECT_EQ(dialogs.messages(),
              QStringList{path + "\r\nThis file does not exist.\r\nSelect another?"});
    EXPECT_EQ(dialogs.shown()[0].icon, platform::vbExclamation);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("KG-UV Ferrowind"));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
}

TEST_F(ShellTest, OpenLastUsedOffOpensNothing) {
    platform::SaveSetting("MRU", "mru0", UvdFile());
    platform::SaveSetting("Settings", "OpenLastUsed", "False");
    Start();
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
}

// --- documents ---

TEST_F(ShellTest, DocumentNumbersAreNeverReused) {
    Start();
    main->mnuFileNew_Click();
    main->mnuFileNew_Click();
    EXPECT_EQ(main->ActiveDocument()->Caption(), QStringLiteral("KG-UV File 3"));
    main->MdiArea()->setActiveSubWindow(main->MdiArea()->subWindowList()[1]);
    EXPECT_EQ(main->ActiveDocument()->Caption(), QStringLiteral("KG-UV File 2"));
    main->mnuFileClose_Click();
    Settle();
    main->mnuFileNew_Click();
    EXPECT_EQ(Captions(), (QStringList{"KG-UV File 1", "KG-UV File 3", "KG-UV File 4"}));
}

TEST_F(ShellTest, EnablingFollowsTheActiveDocument) {
    const QString path = UvdFile();
    Start(path);
    IDocument* withData = main->ActiveDocument();
    main->mnuFileNew_Click();
    IDocument* empty = main->ActiveDocument();
    EXPECT_FALSE(Enabled("mnuWrite"));
    EXPECT_FALSE(ButtonEnabled(3));

    main->MdiArea()->setActiveSubWindow(main->MdiArea()->subWindowList()[0]);
    EXPECT_EQ(main->ActiveDocument(), withData);
    for (const QString& name : kAlwaysOn + kOnWithDocument + kDataOnly)
        EXPECT_TRUE(Enabled(name)) << name.toStdString();
    for (int position = 1; position <= 19; ++position)
        EXPECT_TRUE(ButtonEnabled(position)) << position;
    EXPECT_TRUE(withData->SSTab1()->isEnabled());
    // With an active document that is not closing, CheckGUI changes nothing.
    main->CheckGUI();
    EXPECT_TRUE(Enabled("mnuEdit"));
    EXPECT_TRUE(ButtonEnabled(19));

    main->MdiArea()->setActiveSubWindow(main->MdiArea()->subWindowList()[1]);
    EXPECT_EQ(main->ActiveDocument(), empty);
    EXPECT_FALSE(Enabled("mnuEdit"));
    EXPECT_FALSE(ButtonEnabled(19));
    EXPECT_FALSE(empty->MSFlexGrid1(0)->isEnabled());
}

TEST_F(ShellTest, ClosingTheLastDocumentLeavesTheNoDocumentState) {
    Start(UvdFile());
    main->mnuFileClose_Click();
    Settle();
    EXPECT_TRUE(main->Documents().empty());
    EXPECT_EQ(main->ActiveDocument(), nullptr);
    EXPECT_FALSE(main->IsFormLoaded());
    for (const QString& name : kOnWithDocument + kDataOnly)
        EXPECT_FALSE(Enabled(name)) << name.toStdString();
    for (const QString& name : kAlwaysOn + kNeverTouched)
        EXPECT_TRUE(Enabled(name)) << name.toStdString();
    for (int position = 1; position <= 19; ++position)
        EXPECT_EQ(ButtonEnabled(position), position <= 2 || position == 18) << position;

    // With nothing open, the document commands do nothing.
    main->mnuFileClose_Click();
    main->mnuFileSaveAs_Click();
    main->mnuClearMem_Click();
    main->ScrollDown();
    main->FillGrid();
    main->Delete();
    QStringList limits(8);
    EXPECT_FALSE(main->CheckBandLimits(limits));
    EXPECT_EQ(main->GetBandLimit(0), QString());
    main->tbToolBar_ButtonClick(QStringLiteral("Move Up"));
    main->tbToolBar_ButtonClick(QStringLiteral("No Such Key"));

    main->mnuFileNew_Click();
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 2")});
    EXPECT_TRUE(Enabled("mnuView"));
    EXPECT_FALSE(Enabled("mnuEdit"));
}

TEST_F(ShellTest, ClosingTheActiveDocumentHandsOverToTheOneUsedBefore) {
    Start();
    main->mnuFileNew_Click();
    main->mnuFileNew_Click();
    const auto frames = main->MdiArea()->subWindowList(QMdiArea::CreationOrder);
    main->MdiArea()->setActiveSubWindow(frames[0]);
    main->MdiArea()->setActiveSubWindow(frames[2]);
    main->mnuFileClose_Click();
    Settle();
    EXPECT_EQ(main->ActiveDocument()->Caption(), QStringLiteral("KG-UV File 1"));
}

TEST_F(ShellTest, ActiveDocumentStaysWhileAModalWindowIsOpen) {
    Start();
    main->mnuFileNew_Click();
    IDocument* active = main->ActiveDocument();
    IDocument* seen = nullptr;
    ScriptedResponder dialogs;
    dialogs.runModal([&](QDialog& dialog) {
        seen = main->ActiveDocument();
        dialog.accept();
    });
    QDialog dialog(main.get());
    platform::ExecModal(&dialog);
    EXPECT_EQ(seen, active);
    EXPECT_EQ(main->ActiveDocument(), active);
}

// --- close prompts ---

TEST_F(ShellTest, CloseAsksAboutChangesAndCancelKeepsTheDocument) {
    const QString path = UvdFile();
    Start(path);
    ChangeDocument(main->ActiveDocument());
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbCancel).answerMessage(platform::vbNo);
    main->mnuFileClose_Click();
    Settle();
    EXPECT_EQ(Captions(), QStringList{path});
    main->mnuFileClose_Click();
    Settle();
    EXPECT_TRUE(main->Documents().empty());
    EXPECT_EQ(dialogs.messages(), (QStringList{path + Changed, path + Changed}));
}

TEST_F(ShellTest, ExitCancelledInTheSecondDocumentClosesNothingAndWritesNoSettings) {
    const QString first = UvdFile(QStringLiteral("first.uvd"));
    const QString second = UvdFile(QStringLiteral("second.uvd"));
    Start(first);
    ChangeDocument(main->ActiveDocument());
    main->mnuFileNew_Click();
    ASSERT_TRUE(main->ActiveDocument()->OpenFile(second));
    ChangeDocument(main->ActiveDocument());

    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbNo).answerMessage(platform::vbCancel);
    main->mnuexit_Click();
    Settle();
    EXPECT_EQ(dialogs.messages(), (QStringList{first + Changed, second + Changed}));
    EXPECT_EQ(Captions(), (QStringList{first, second}));
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(platform::HasSetting("Settings", "FilePath"));
    EXPECT_FALSE(platform::HasSetting("Settings", "WindowState"));
}

TEST_F(ShellTest, ExitCancelledLeavesTheActiveDocumentAsItWas) {
    const QString path = UvdFile();
    Start(path);
    ChangeDocument(main->ActiveDocument());
    main->mnuFileNew_Click();
    IDocument* empty = main->ActiveDocument();

    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbCancel);
    main->mnuexit_Click();
    Settle();
    EXPECT_EQ(dialogs.messages(), QStringList{path + Changed});
    EXPECT_EQ(main->ActiveDocument(), empty);
    EXPECT_EQ(main->MdiArea()->activeSubWindow()->widget(), empty->Window());
    EXPECT_FALSE(Enabled("mnuWrite"));
    EXPECT_FALSE(ButtonEnabled(3));
}

TEST_F(ShellTest, ExitSavesTheDocumentThatAskedEvenWhenAnotherIsActive) {
    const QString path = UvdFile();
    const QByteArray before = ReadFileBytes(path);
    Start(path);
    ChangeDocument(main->ActiveDocument());
    main->mnuFileNew_Click(); // the empty document is the active one now

    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbYes);
    bool unloaded = false;
    QObject::connect(main.get(), &frmMain::Unloaded, [&] { unloaded = true; });
    main->mnuexit_Click();
    Settle();
    EXPECT_EQ(dialogs.messages(), QStringList{path + Changed});
    EXPECT_TRUE(unloaded);
    EXPECT_TRUE(main->Documents().empty());
    EXPECT_NE(ReadFileBytes(path), before);
    EXPECT_TRUE(platform::HasSetting("Settings", "FilePath"));
}

TEST_F(ShellTest, SaveAnsweredYesOnANewDocumentThatIsNotSavedKeepsItOpen) {
    Start();
    IDocument* document = main->ActiveDocument();
    ASSERT_TRUE(document->OpenFile(UvdFile()));
    document->setCaption(QStringLiteral("KG-UV File 1"));
    ChangeDocument(document);
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbYes).cancelSaveFile();
    main->mnuexit_Click();
    Settle();
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
    EXPECT_TRUE(Program().SaveCancelled);
    EXPECT_FALSE(platform::HasSetting("Settings", "WindowState"));
}

// --- recent files through the menu ---

TEST_F(ShellTest, RecentFileClickMovesItToTheTopAndOpensIt) {
    const QString a = UvdFile(QStringLiteral("a.uvd"));
    const QString b = UvdFile(QStringLiteral("b.uvd"));
    const QString c = UvdFile(QStringLiteral("c.uvd"));
    platform::SaveSetting("Settings", "OpenLastUsed", "False");
    platform::SaveSetting("MRU", "mru0", a);
    platform::SaveSetting("MRU", "mru1", b);
    platform::SaveSetting("MRU", "mru2", c);
    platform::SaveSetting("MRU", "mru3", "/x/d.uvd");
    Start();
    EXPECT_EQ(main->mnuMRU(2)->text(), QStringLiteral("&3 c.uvd"));
    main->mnuMRU(2)->trigger();
    EXPECT_EQ(Captions(), QStringList{c});
    EXPECT_EQ(shell::ReadRecentFiles(), (QStringList{c, a, b, "/x/d.uvd", ""}));
    // The menu shows the new order once the File menu opens.
    emit main->TopMenu("mnuFile")->aboutToShow();
    EXPECT_EQ(main->mnuMRU(0)->text(), QStringLiteral("&1 c.uvd"));
    EXPECT_EQ(main->mnuMRU(1)->text(), QStringLiteral("&2 a.uvd"));
}

TEST_F(ShellTest, RecentFileClickOnAChangedDocumentAsksFirst) {
    const QString a = UvdFile(QStringLiteral("a.uvd"));
    const QString b = UvdFile(QStringLiteral("b.uvd"));
    platform::SaveSetting("MRU", "mru1", b);
    Start(a);
    ChangeDocument(main->ActiveDocument());
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbCancel);
    main->mnuMRU_Click(1);
    EXPECT_EQ(dialogs.messages(), QStringList{a + Changed});
    EXPECT_EQ(Captions(), QStringList{a});
    EXPECT_EQ(platform::GetSetting("MRU", "mru0"), a);
}

TEST_F(ShellTest, RecentFileWithNoDocumentOpensANewOne) {
    const QString a = UvdFile(QStringLiteral("a.uvd"));
    platform::SaveSetting("Settings", "OpenLastUsed", "False");
    platform::SaveSetting("MRU", "mru0", a);
    Start();
    main->mnuFileClose_Click();
    Settle();
    main->mnuMRU_Click(0);
    EXPECT_EQ(Captions(), QStringList{a});
}

// --- small commands ---

TEST_F(ShellTest, ViewTogglesAndAutoShift) {
    Start();
    main->MenuItem("mnuViewToolbar")->trigger();
    EXPECT_FALSE(main->MenuItem("mnuViewToolbar")->isChecked());
    EXPECT_FALSE(main->tbToolBar()->isVisible());
    main->mnuViewToolbar_Click();
    EXPECT_TRUE(main->tbToolBar()->isVisible());
    main->MenuItem("mnuViewStatusBar")->trigger();
    EXPECT_FALSE(main->sbStatusBar()->isVisible());

    EXPECT_FALSE(main->AutoShiftChecked());
    main->MenuItem("mnuAutoShift")->trigger();
    EXPECT_TRUE(main->AutoShiftChecked());
    EXPECT_EQ(platform::GetSetting("Settings", "AutoShift"), QStringLiteral("True"));
    main->mnuAutoShift_Click();
    EXPECT_EQ(platform::GetSetting("Settings", "AutoShift"), QStringLiteral("False"));
}

TEST_F(ShellTest, TransferMenuNamesTheRadio) {
    Start();
    emit main->TopMenu("mnuTransfer")->aboutToShow();
    EXPECT_EQ(main->MenuItem("mnuRead")->text(), QStringLiteral("Read From KG-UV"));
    EXPECT_EQ(main->MenuItem("mnuWrite")->text(), QStringLiteral("Write To KG-UV"));
}

TEST_F(ShellTest, AboutShowsItsWindowModally) {
    Start();
    ScriptedResponder dialogs;
    dialogs.answerModal([](QDialog&) { return 0; });
    main->MenuItem("mnuabout")->trigger();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].objectName, QStringLiteral("frmAbout"));
}

TEST_F(ShellTest, ClearAllMemoriesAsksFirst) {
    const QString path = UvdFile();
    Start(path);
    IDocument* document = main->ActiveDocument();
    const int rx = GridColumnOf(2);
    ScriptedResponder dialogs;
    dialogs.answerMessage(platform::vbNo).answerMessage(platform::vbYes);
    main->mnuClearMem_Click();
    EXPECT_FALSE(document->MSFlexGrid1(0)->textMatrix(1, rx).isEmpty());
    main->mnuClearMem_Click();
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("This will clear all main memory data. Are you sure?"));
    EXPECT_EQ(dialogs.shown()[0].icon, platform::vbQuestion);
    EXPECT_EQ(dialogs.shown()[0].buttons, platform::vbYesNo);
}

TEST_F(ShellTest, WindowArrangementsDoWhatTheySay) {
    Start();
    main->resize(900, 700);
    main->mnuFileNew_Click();
    Settle();
    const auto frames = main->MdiArea()->subWindowList(QMdiArea::CreationOrder);
    const QRect space = main->MdiArea()->viewport()->rect();

    main->mnuWindowTileHorizontal_Click();
    EXPECT_EQ(frames[0]->geometry(), QRect(0, 0, space.width(), space.height() / 2));
    EXPECT_EQ(frames[1]->geometry().top(), space.height() / 2);
    EXPECT_EQ(frames[1]->geometry().width(), space.width());

    main->mnuWindowTileVertical_Click();
    EXPECT_EQ(frames[0]->geometry(), QRect(0, 0, space.width() / 2, space.height()));
    EXPECT_EQ(frames[1]->geometry().left(), space.width() / 2);

    frames[0]->resize(300, 200);
    frames[1]->resize(320, 220);
    main->mnuWindowCascade_Click();
    EXPECT_EQ(frames[0]->geometry(), QRect(0, 0, 300, 200));
    EXPECT_GT(frames[1]->geometry().top(), 0);
    EXPECT_EQ(frames[1]->geometry().left(), frames[1]->geometry().top());
    EXPECT_EQ(frames[1]->size(), QSize(320, 220));

    frames[0]->showMinimized();
    frames[1]->showMinimized();
    main->mnuWindowArrangeIcons_Click();
    EXPECT_EQ(frames[0]->geometry().left(), 0);
    EXPECT_EQ(frames[1]->geometry().left(), frames[0]->geometry().width());
    EXPECT_EQ(frames[0]->geometry().bottom(), space.bottom());
}

TEST_F(ShellTest, WindowMenuListsTheDocumentsWithTheActiveOneChecked) {
    Start();
    main->mnuFileNew_Click();
    QMenu* menu = main->TopMenu("mnuWindow");
    emit menu->aboutToShow();
    QStringList listed;
    QString checked;
    for (QAction* item : menu->actions())
        if (item->text().contains(QStringLiteral("KG-UV File"))) {
            listed << item->text();
            if (item->isChecked())
                checked = item->text();
        }
    EXPECT_EQ(listed, (QStringList{"&1 KG-UV File 1", "&2 KG-UV File 2"}));
    EXPECT_EQ(checked, QStringLiteral("&2 KG-UV File 2"));
}

TEST_F(ShellTest, WheelScrollsTheCurrentGridThreeRows) {
    Start(UvdFile());
    platform::FlexGrid* grid = main->ActiveDocument()->MSFlexGrid1(0);
    grid->setTopRow(2);
    main->ScrollUp();
    EXPECT_EQ(grid->topRow(), 1);
    main->ScrollUp();
    EXPECT_EQ(grid->topRow(), 1);
    main->ScrollDown();
    EXPECT_EQ(grid->topRow(), 4);
}

TEST_F(ShellTest, NamedAccessorsReachTheSameControls) {
    Start();
    EXPECT_EQ(main->mnuFileOpen(), main->MenuItem("mnuFileOpen"));
    EXPECT_EQ(main->mnuFileOpen()->objectName(), QStringLiteral("mnuFileOpen"));
    EXPECT_EQ(main->mnuTransfer()->objectName(), QStringLiteral("mnuTransfer"));
    EXPECT_EQ(main->mnuTransfer()->menuAction(), main->MenuItem("mnuTransfer"));
    EXPECT_EQ(main->mnuabout()->text(), QStringLiteral("&About..."));
}
