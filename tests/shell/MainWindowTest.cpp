#include "ShellFixture.h"

#include "platform/core/Settings.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TabStrip.h"
#include "program/ProgramValues.h"
#include "shell/RecentFiles.h"
#include "shell/Version.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

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

// The recent-file items must follow the File menu's own items, and the toolbar
// dispatches by key.
TEST_F(ShellTest, MenusAndToolbarHoldTheirItemsInOrder) {
    Start();
    const auto names = [](const QList<QAction*>& items) {
        QStringList list;
        for (const QAction* item : items)
            list << item->objectName();
        return list;
    };
    EXPECT_EQ(names(main->menuBar()->actions()),
              (QStringList{"mnuFile", "mnuEdit", "mnuView", "mnuSettings", "mnuMemories",
                           "mnuTransfer", "mnuWindow", "mnuHelp"}));
    EXPECT_EQ(names(main->TopMenu("mnuFile")->actions()),
              (QStringList{"mnuFileNew",  "mnuFileOpen",   "mnuFileClose", "mnuFileBar0",
                           "mnuFileSave", "mnuFileSaveAs", "mnuFileBar1",  "mnuImportTW",
                           "mnuExportTW", "mnuSepTW",      "mnuIMport",    "mnuExportWizard",
                           "mnuTpeSep",   "mnuImportTPE",  "mnusep3",      "mnuPrint",
                           "mnusepimpt",  "mnuexit",       "mnuMRUSep",    "mnuMRU",
                           "mnuMRU",      "mnuMRU",        "mnuMRU",       "mnuMRU"}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(main->mnuMRU(i), main->TopMenu("mnuFile")->actions()[19 + i]) << i;
    EXPECT_EQ(main->MenuItem("mnuFileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(main->MenuItem("mnuFileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_TRUE(main->MenuItem("mnuFileSave")->shortcut().isEmpty());

    // Key=caption, empty for a separator.
    const QStringList buttons =
        QStringLiteral("New=New|Open=Open|Save=Save||Cut=Cut|Copy=Copy|Paste=Paste||Find=Find|"
                       "Print=Print||Move Up=Up|Move Down=Down|Insert Blank=Insert|Delete=Delete|"
                       "Clear=Clear||Read From Radio=Read|Write To Radio=Write")
            .split(QLatin1Char('|'));
    for (int position = 1; position <= 19; ++position) {
        const QString& button = buttons[position - 1];
        EXPECT_EQ(main->tbButton(position)->isSeparator(), button.isEmpty()) << position;
        EXPECT_EQ(main->tbButtonKey(position), button.section('=', 0, 0)) << position;
        EXPECT_EQ(main->tbButton(position)->text(), button.section('=', 1)) << position;
    }
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
    dialogs.answerMessage(platform::vbOK);
    Start(path);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains(QStringLiteral("Wrong file size!")));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
    EXPECT_EQ(platform::GetSetting("MRU", "mru0"), path);
}

TEST_F(ShellTest, OpenLastUsedOpensTheNewestRecentFileAndOffOpensNothing) {
    const QString path = UvdFile();
    platform::SaveSetting("MRU", "mru0", path);
    Start();
    EXPECT_EQ(Captions(), QStringList{path});
    main.reset();
    platform::SaveSetting("Settings", "OpenLastUsed", "False");
    Start();
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
}

TEST_F(ShellTest, OpenLastUsedWithAMissingFileAsksAndStaysEmpty) {
    const QString path = tempPath(QStringLiteral("gone.uvd"));
    platform::SaveSetting("MRU", "mru0", path);
    dialogs.answerMessage(platform::vbNo);
    Start();
    EXPECT_EQ(dialogs.messages(),
              QStringList{path + "\r\nThis file does not exist.\r\nSelect another?"});
    EXPECT_EQ(dialogs.shown()[0].icon, platform::vbExclamation);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("KG-UV Ferrowind"));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
}

// --- documents ---

// A closed document hands over to the one used before it, and its number is
// not given out again.
TEST_F(ShellTest, ClosingHandsOverToTheDocumentUsedBeforeAndNumbersAreNeverReused) {
    Start();
    main->mnuFileNew_Click();
    main->mnuFileNew_Click();
    EXPECT_EQ(main->ActiveDocument()->Caption(), QStringLiteral("KG-UV File 3"));
    const auto frames = main->MdiArea()->subWindowList(QMdiArea::CreationOrder);
    main->MdiArea()->setActiveSubWindow(frames[0]);
    main->MdiArea()->setActiveSubWindow(frames[1]);
    EXPECT_EQ(main->ActiveDocument()->Caption(), QStringLiteral("KG-UV File 2"));
    main->mnuFileClose_Click();
    Settle();
    EXPECT_EQ(main->ActiveDocument()->Caption(), QStringLiteral("KG-UV File 1"));
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

    // With nothing open, the document commands and operations do nothing.
    main->mnuFileClose_Click();
    main->mnuFileSaveAs_Click();
    main->mnuClearMem_Click();
    main->ScrollUp();
    main->ScrollDown();
    main->FillGrid();
    main->SetWriteBytes();
    main->Delete();
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    main->CopyWindowsClip();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    EXPECT_EQ(main->GetRow(), 0);
    QStringList limits(8, QStringLiteral("136"));
    EXPECT_FALSE(main->CheckBandLimits(limits));
    EXPECT_EQ(main->GetBandLimit(0), QString());
    main->tbToolBar_ButtonClick(QStringLiteral("Move Up"));
    main->tbToolBar_ButtonClick(QStringLiteral("No Such Key"));

    main->mnuFileNew_Click();
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 2")});
    EXPECT_TRUE(Enabled("mnuView"));
    EXPECT_FALSE(Enabled("mnuEdit"));
}

TEST_F(ShellTest, ActiveDocumentStaysWhileAModalWindowIsOpen) {
    Start();
    main->mnuFileNew_Click();
    IDocument* active = main->ActiveDocument();
    IDocument* seen = nullptr;
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
    dialogs.answerMessage(platform::vbCancel).answerMessage(platform::vbNo);
    main->mnuFileClose_Click();
    Settle();
    EXPECT_EQ(Captions(), QStringList{path});
    main->mnuFileClose_Click();
    Settle();
    EXPECT_TRUE(main->Documents().empty());
    EXPECT_EQ(dialogs.messages(), (QStringList{path + Changed, path + Changed}));
}

// Each document asks while it is active; a Cancel in the second puts back the
// one that was active before the exit.
TEST_F(ShellTest, ExitCancelledInTheSecondDocumentClosesNothingAndKeepsTheActiveOne) {
    const QString first = UvdFile(QStringLiteral("first.uvd"));
    const QString second = UvdFile(QStringLiteral("second.uvd"));
    Start(first);
    ChangeDocument(main->ActiveDocument());
    main->mnuFileNew_Click();
    ASSERT_TRUE(main->ActiveDocument()->OpenFile(second));
    ChangeDocument(main->ActiveDocument());
    main->mnuFileNew_Click();
    IDocument* empty = main->ActiveDocument();

    dialogs.answerMessage(platform::vbNo).answerMessage(platform::vbCancel);
    main->mnuexit_Click();
    Settle();
    EXPECT_EQ(dialogs.messages(), (QStringList{first + Changed, second + Changed}));
    EXPECT_EQ(Captions(), (QStringList{first, second, "KG-UV File 3"}));
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(platform::HasSetting("Settings", "FilePath"));
    EXPECT_FALSE(platform::HasSetting("Settings", "WindowState"));
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
    ChangeDocument(StartWithUnsavedData());
    dialogs.answerMessage(platform::vbYes).cancelSaveFile();
    main->mnuexit_Click();
    Settle();
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
    EXPECT_TRUE(Program().SaveCancelled);
    EXPECT_FALSE(platform::HasSetting("Settings", "WindowState"));
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

// A menu item's state can be left behind by another window; the toolbar button
// beside it runs the item's handler all the same.
TEST_F(ShellTest, ToolbarButtonsRunTheirItemsHandlersWhileTheItemsAreDisabled) {
    Start(UvdFile());
    IDocument* document = main->ActiveDocument();
    const auto click = [this](int position, const QString& item) {
        main->MenuItem(item)->setEnabled(false);
        ASSERT_TRUE(ButtonEnabled(position)) << position;
        QTest::mouseClick(main->tbToolBar()->widgetForAction(main->tbButton(position)),
                          Qt::LeftButton);
    };
    QStringList modals;
    const auto recordModal = [&modals](QDialog& d) {
        modals << d.objectName();
        return QDialog::Rejected;
    };

    click(1, QStringLiteral("mnuFileNew"));
    EXPECT_EQ(main->Documents().size(), 2u);
    main->MdiArea()->setActiveSubWindow(main->MdiArea()->subWindowList()[0]);
    ASSERT_EQ(main->ActiveDocument(), document);
    dialogs.cancelOpenFile();
    click(2, QStringLiteral("mnuFileOpen"));
    ChangeDocument(document);
    click(3, QStringLiteral("mnuFileSave"));
    EXPECT_FALSE(document->IsDataChanged());
    dialogs.answerModal(recordModal);
    click(9, QStringLiteral("mnuFind"));
    dialogs.answerPrint(false);
    click(10, QStringLiteral("mnuPrint"));
    dialogs.answerModal(recordModal).answerModal(recordModal);
    click(19, QStringLiteral("mnuWrite"));
    click(18, QStringLiteral("mnuRead"));
    EXPECT_EQ(modals, QStringList({"frmFind", "frmWriteRadio", "frmReadRadio"}));
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_EQ(dialogs.messages(), QStringList());
}
