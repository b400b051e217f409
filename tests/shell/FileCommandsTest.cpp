// The File commands end to end through the real main window with real
// documents: the dialogs they ask for, the prompts, what reaches the disk.

#include "ShellFixture.h"

#include "image/clsVUROVA.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "shell/ReadMe.h"
#include "shell/RecentFiles.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString UvdFilter = QStringLiteral("KG-UV Files (*.uvd)|*.uvd|All Files (*.*)|*.*");
const QString TwFilter = QStringLiteral("TW Files (*.tw)|*.tw|All Files (*.*)|*.*");

QString Replace(const QString& path) {
    return path + QStringLiteral(" already exists.\r\nDo You want to replace it?");
}

} // namespace

class FileCommandsTest : public ShellTest {
protected:
    // The file dialogs shown, in order.
    QList<platform::FileDialogRequest> FileDialogs() const {
        QList<platform::FileDialogRequest> requests;
        for (const platform::DialogCall& call : dialogs.shown())
            if (call.kind == platform::DialogKind::OpenFile ||
                call.kind == platform::DialogKind::SaveFile)
                requests << call.file;
        return requests;
    }
};

TEST_F(FileCommandsTest, OpenEditSaveAndReopenShowsTheEdit) {
    const QString path = UvdFile();
    Start();
    dialogs.answerOpenFile(path);
    main->mnuFileOpen_Click();
    IDocument* document = main->ActiveDocument();
    ASSERT_EQ(Captions(), QStringList{path});
    EXPECT_EQ(shell::ReadRecentFiles().first(), path);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown().first().kind, platform::DialogKind::OpenFile);
    EXPECT_EQ(dialogs.shown().first().file.title, QStringLiteral("Open"));
    EXPECT_EQ(dialogs.shown().first().file.filter, UvdFilter);
    EXPECT_TRUE(dialogs.shown().first().file.fileName.isEmpty());

    EditChannel4(document);
    main->mnuFileSave_Click(); // a document with a file: no dialog
    EXPECT_EQ(dialogs.shown().size(), 1);
    EXPECT_FALSE(document->IsDataChanged());
    EXPECT_FALSE(Program().SaveCancelled);

    main->mnuFileClose_Click();
    Settle();
    ASSERT_TRUE(main->Documents().empty());
    dialogs.answerOpenFile(path);
    main->mnuFileOpen_Click(); // no document: a new one first
    IDocument* reopened = main->ActiveDocument();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->Caption(), path);
    EXPECT_EQ(Cell(reopened, 4, 1), QStringLiteral("EDITED"));
    EXPECT_EQ(Cell(reopened, 4, 2), QStringLiteral("145.675"));
    EXPECT_EQ(Cell(reopened, 4, 3), QStringLiteral("145.075"));
    EXPECT_EQ(Cell(reopened, 1, 1), QStringLiteral("GB3WH"));
}

TEST_F(FileCommandsTest, SaveOfANewDocumentAsksForANameAndTakesIt) {
    IDocument* document = StartWithUnsavedData();
    const QString source = tempPath(QStringLiteral("home.uvd"));
    const QString path = tempPath(QStringLiteral("new.uvd"));
    dialogs.answerSaveFile(path);
    EXPECT_TRUE(main->SaveData());

    ASSERT_EQ(FileDialogs().size(), 1);
    const platform::FileDialogRequest request = FileDialogs().first();
    EXPECT_EQ(dialogs.shown().first().kind, platform::DialogKind::SaveFile);
    EXPECT_EQ(request.title, QStringLiteral("Save As"));
    EXPECT_EQ(request.filter, UvdFilter);
    EXPECT_EQ(request.defaultExt, QStringLiteral("uvd"));
    EXPECT_EQ(document->Caption(), path);
    EXPECT_EQ(shell::ReadRecentFiles().first(), path);
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(source));
    EXPECT_FALSE(Program().SaveCancelled);
}

// Asked No, Save As asks again; Cancel writes nothing. Yes replaces the file,
// keeps the old one and moves the window to the new name.
TEST_F(FileCommandsTest, SaveAsOverAnExistingFileAsksNoAsksAgainYesReplaces) {
    const QString path = UvdFile();
    const QByteArray before = ReadFileBytes(path);
    const QString other = tempPath(QStringLiteral("other.uvd"));
    WriteFileBytes(other, "not a radio file");
    Start(path);
    IDocument* document = main->ActiveDocument();
    EditChannel4(document);
    dialogs.answerSaveFile(other).answerMessage(platform::vbNo).cancelSaveFile();
    main->mnuFileSaveAs_Click();

    EXPECT_EQ(dialogs.messages(), QStringList{Replace(other)});
    EXPECT_EQ(dialogs.shown().at(1).title, QStringLiteral("Save As"));
    EXPECT_EQ(dialogs.shown().at(1).icon, platform::vbExclamation);
    EXPECT_EQ(dialogs.shown().at(1).buttons, platform::vbYesNo);
    EXPECT_EQ(FileDialogs().size(), 2);
    EXPECT_EQ(ReadFileBytes(other), QByteArray("not a radio file"));
    EXPECT_EQ(Captions(), QStringList{path});
    EXPECT_EQ(shell::ReadRecentFiles().first(), path);

    dialogs.answerSaveFile(other).answerMessage(platform::vbYes);
    main->mnuFileSaveAs_Click();
    EXPECT_EQ(Captions(), QStringList{other});
    EXPECT_EQ(shell::ReadRecentFiles().mid(0, 2), QStringList({other, path}));
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_FALSE(document->IsDataChanged());
    // The grids were rebuilt from the saved image.
    EXPECT_EQ(Cell(document, 4, 2), QStringLiteral("145.675"));
    clsVUROVA saved;
    saved.OpenFile(other);
    EXPECT_EQ(saved.Name(4), QStringLiteral("EDITED"));
}

TEST_F(FileCommandsTest, UnwritableSaveAsOrExportTargetKeepsCaptionListAndOldFile) {
    const QString path = UvdFile();
    Start(path);
    EditChannel4(main->ActiveDocument());
    const QStringList recentBefore = shell::ReadRecentFiles();

    // Root may write anywhere, but not below a regular file, and not over a
    // folder.
    const QString belowAFile = path + QStringLiteral("/new.uvd");
    const QString folder = tempPath(QStringLiteral("folder.uvd"));
    ASSERT_TRUE(QDir().mkpath(folder));
    dialogs.answerSaveFile(belowAFile).answerMessage(platform::vbOK);
    main->mnuFileSaveAs_Click();
    dialogs.answerSaveFile(folder).answerMessage(platform::vbYes).answerMessage(platform::vbOK);
    main->mnuFileSaveAs_Click();
    dialogs.answerSaveFile(belowAFile + QStringLiteral(".tw")).answerMessage(platform::vbOK);
    main->mnuExportTW_Click();

    const QStringList messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 4);
    EXPECT_EQ(messages.at(1), Replace(folder));
    for (const platform::DialogCall& call : dialogs.shown()) {
        if (call.kind != platform::DialogKind::Message || call.text == Replace(folder))
            continue;
        EXPECT_TRUE(call.text.startsWith(QStringLiteral("Error "))) << call.text.toStdString();
        EXPECT_TRUE(call.text.contains(QStringLiteral(": ")));
        EXPECT_EQ(call.title, QStringLiteral("Error"));
        EXPECT_EQ(call.icon, platform::vbExclamation);
    }
    EXPECT_EQ(Captions(), QStringList{path});
    EXPECT_EQ(shell::ReadRecentFiles(), recentBefore);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_FALSE(QFileInfo::exists(belowAFile));
}

TEST_F(FileCommandsTest, FailedSaveDataReportsItAndSetsSaveCancelled) {
    IDocument* document = StartWithUnsavedData();
    const QString unwritable = tempPath(QStringLiteral("home.uvd/x.uvd"));
    document->setCaption(unwritable); // holds a file that cannot be written
    dialogs.answerMessage(platform::vbOK);
    EXPECT_FALSE(main->SaveData());
    EXPECT_TRUE(Program().SaveCancelled);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().startsWith(QStringLiteral("Error ")));
    EXPECT_EQ(document->Caption(), unwritable);
    EXPECT_FALSE(shell::ReadRecentFiles().contains(unwritable));
}

TEST_F(FileCommandsTest, OpenWithChangesEndsWhenTheAskedForSaveDidNotHappen) {
    const QString other = UvdFile(QStringLiteral("other.uvd"));
    IDocument* document = StartWithUnsavedData();
    ChangeDocument(document);

    dialogs.answerMessage(platform::vbYes).cancelSaveFile();
    main->mnuFileOpen_Click();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("KG-UV File 1") + Changed});
    EXPECT_EQ(dialogs.shown().first().title, QStringLiteral("KG-UV Ferrowind"));
    EXPECT_EQ(dialogs.shown().first().icon, platform::vbExclamation);
    EXPECT_EQ(dialogs.shown().first().buttons, platform::vbYesNoCancel);
    EXPECT_EQ(FileDialogs().size(), 1); // the Save As dialog only
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});

    dialogs.answerMessage(platform::vbCancel);
    main->mnuFileOpen_Click();
    EXPECT_EQ(FileDialogs().size(), 1);

    dialogs.answerMessage(platform::vbNo).answerOpenFile(other);
    main->mnuFileOpen_Click();
    EXPECT_EQ(Captions(), QStringList{other}); // replaced in the same window
    EXPECT_FALSE(document->IsDataChanged());
}

TEST_F(FileCommandsTest, CancelledDialogsChangeNothingAndOpenKeepsTheLastDefaultExtension) {
    const QString path = UvdFile();
    const QByteArray before = ReadFileBytes(path);
    Start(path);
    IDocument* document = main->ActiveDocument();
    document->MSFlexGrid1(0)->setTextMatrix(4, GridColumnOf(1), QStringLiteral("EDITED"));
    const QStringList recent = shell::ReadRecentFiles();
    dialogs.cancelOpenFile().cancelSaveFile().cancelOpenFile().cancelSaveFile().cancelOpenFile();
    main->mnuFileOpen_Click();
    main->mnuFileSaveAs_Click();
    main->mnuImportTW_Click();
    main->mnuExportTW_Click();
    main->mnuFileOpen_Click();
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(Captions(), QStringList{path});
    EXPECT_EQ(Cell(document, 4, 1), QStringLiteral("EDITED"));
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(shell::ReadRecentFiles(), recent);
    EXPECT_EQ(QDir(tempDir.path()).entryList(QDir::Files), QStringList{"home.uvd"});

    // The program has one file dialog: an open dialog gets no default
    // extension of its own and keeps the one the last save dialog set.
    QStringList extensions;
    for (const platform::FileDialogRequest& request : FileDialogs())
        extensions << request.title + QLatin1Char('=') + request.defaultExt;
    EXPECT_EQ(extensions, QStringList({"Open=", "Save As=uvd", "Import from TW...=uvd",
                                       "Export to TW...=tw", "Open=tw"}));
}

TEST_F(FileCommandsTest, ExportToTwAndImportItIntoAnotherWindow) {
    const QString path = UvdFile();
    Start(path);
    EditChannel4(main->ActiveDocument());
    const QString tw = tempPath(QStringLiteral("export.tw"));
    WriteFileBytes(tw, "old");
    dialogs.answerSaveFile(tw).answerMessage(platform::vbYes);
    main->mnuExportTW_Click();

    ASSERT_EQ(FileDialogs().size(), 1);
    EXPECT_EQ(FileDialogs().first().title, QStringLiteral("Export to TW..."));
    EXPECT_EQ(FileDialogs().first().filter, TwFilter);
    EXPECT_EQ(FileDialogs().first().defaultExt, QStringLiteral("tw"));
    EXPECT_EQ(dialogs.messages(), QStringList{Replace(tw)});
    EXPECT_EQ(dialogs.shown().at(1).title, QStringLiteral("Save As"));
    EXPECT_NE(ReadFileBytes(tw), QByteArray("old"));
    EXPECT_EQ(Captions(), QStringList{path});
    EXPECT_FALSE(shell::ReadRecentFiles().contains(tw));

    // Into a second window holding another file with the same limits.
    const QString second = UvdFile(QStringLiteral("second.uvd"));
    main->mnuFileNew_Click();
    dialogs.answerOpenFile(second).answerOpenFile(tw);
    main->mnuFileOpen_Click();
    main->mnuImportTW_Click();
    EXPECT_EQ(FileDialogs().at(2).title, QStringLiteral("Import from TW..."));
    EXPECT_EQ(FileDialogs().at(2).filter, TwFilter);
    IDocument* imported = main->ActiveDocument();
    EXPECT_EQ(imported->Caption(), second);
    EXPECT_EQ(Cell(imported, 4, 2), QStringLiteral("145.675"));
    EXPECT_EQ(Cell(imported, 1, 2), QStringLiteral("145.600"));
}

TEST_F(FileCommandsTest, NewAddsAWindowAndLeavesTheOthers) {
    const QString path = UvdFile();
    Start(path);
    main->mnuFileNew_Click();
    main->MenuItem(QStringLiteral("mnuWindowNewWindow"))->trigger();
    EXPECT_EQ(Captions(), QStringList({path, "KG-UV File 2", "KG-UV File 3"}));
    EXPECT_EQ(main->ActiveDocument()->Caption(), QStringLiteral("KG-UV File 3"));
}

// --- Help > ReadMe ---

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

TEST_F(FileCommandsTest, ReadMeOpensTheFileBesideTheProgramAndNothingWithoutIt) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    shell::SetProgramFolder(tempDir.path());
    Start();
    main->mnuReadMe_Click();
    EXPECT_TRUE(catcher.opened.isEmpty());

    WriteFileBytes(tempPath(QStringLiteral("readme.txt")), "read me");
    main->mnuReadMe_Click();
    EXPECT_EQ(catcher.opened,
              QList<QUrl>{QUrl::fromLocalFile(tempPath(QStringLiteral("readme.txt")))});

    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    shell::SetProgramFolder(QString());
}

#include "FileCommandsTest.moc"
