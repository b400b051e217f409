// Ways the program once lost a user's data or reported a failure as success:
// a window back from minimized taken for a closed one, saves after a cell the
// image refused, a full disk, a named pipe, an image whose first channel is
// empty, and a recent file clicked before a save moved the list.

#include "ShellFixture.h"

#include "document/frmDocument.h"
#include "image/clsVUROVA.h"
#include "platform/core/Settings.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "shell/RecentFiles.h"
#include "support/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const QString TypeMismatchBox = QStringLiteral("Error 13: Type mismatch");
const QString FullDiskBox =
    QStringLiteral("Error 75: Path/File access error (No space left on device)");

QMdiSubWindow* FrameOf(const frmMain& main, IDocument* document) {
    for (QMdiSubWindow* frame : main.MdiArea()->subWindowList())
        if (frame->widget() == document->Window())
            return frame;
    return nullptr;
}

clsVUROVA& ImageOf(IDocument* document) {
    return dynamic_cast<frmDocument*>(document)->Image();
}

void ExpectErrorBox(const ScriptedResponder& dialogs, const QString& text) {
    ASSERT_FALSE(dialogs.shown().isEmpty());
    const platform::DialogCall& box = dialogs.shown().last();
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, QStringLiteral("Error"));
    EXPECT_EQ(box.icon, platform::vbExclamation);
}

} // namespace

// On its way back from minimized Qt hides the frame for a moment while the
// document inside is still hidden; that is no close.
TEST_F(ShellTest, DocumentBackFromMinimizedStaysOpenActiveAndAskedAbout) {
    const QString path = UvdFile();
    for (const bool maximize : {false, true}) {
        SCOPED_TRACE(maximize ? "maximized" : "restored");
        Start(path);
        IDocument* document = main->ActiveDocument();
        QMdiSubWindow* frame = FrameOf(*main, document);
        frame->showMinimized();
        Settle();
        if (maximize)
            frame->showMaximized();
        else
            frame->showNormal();
        Settle();
        EXPECT_EQ(main->Documents(), std::vector<IDocument*>{document});
        EXPECT_EQ(main->ActiveDocument(), document);
        EXPECT_TRUE(Enabled("mnuFileSave"));
        EXPECT_TRUE(Enabled("mnuWrite"));

        EditChannel4(document);
        const int before = static_cast<int>(dialogs.messages().size());
        dialogs.answerMessage(platform::vbCancel);
        main->mnuexit_Click();
        EXPECT_EQ(dialogs.messages().mid(before), QStringList{path + Changed});
        EXPECT_EQ(Captions(), QStringList{path});
        main.reset();
        Settle();
    }
}

TEST_F(ShellTest, SaveAfterBringingBackTheMinimizedOfTwoDocumentsSavesThatOne) {
    const QString a = UvdFile(QStringLiteral("a.uvd"));
    const QString b = UvdFile(QStringLiteral("b.uvd"));
    const QByteArray bBefore = ReadFileBytes(b);
    Start(a);
    IDocument* first = main->ActiveDocument();
    main->mnuFileNew_Click();
    dialogs.answerOpenFile(b);
    main->mnuFileOpen_Click();
    IDocument* second = main->ActiveDocument();
    ASSERT_EQ(Captions(), QStringList({a, b}));

    // Restored by its own button.
    FrameOf(*main, first)->showMinimized();
    Settle();
    FrameOf(*main, first)->showNormal();
    main->MdiArea()->setActiveSubWindow(FrameOf(*main, first));
    Settle();
    ASSERT_EQ(main->ActiveDocument(), first);
    EditChannel4(first);
    main->mnuFileSave_Click();
    clsVUROVA saved;
    saved.OpenFile(a);
    EXPECT_EQ(saved.Name(4), QStringLiteral("EDITED"));
    EXPECT_EQ(ReadFileBytes(b), bBefore);

    // Activated while the other one is maximized, which maximizes it.
    FrameOf(*main, first)->showMinimized();
    FrameOf(*main, second)->showMaximized();
    Settle();
    main->MdiArea()->setActiveSubWindow(FrameOf(*main, first));
    Settle();
    EXPECT_EQ(main->Documents(), std::vector<IDocument*>({first, second}));
    ASSERT_EQ(main->ActiveDocument(), first);
    first->MSFlexGrid1(0)->setTextMatrix(4, GridColumnOf(1), QStringLiteral("AGAIN"));
    main->mnuFileSave_Click();
    saved.OpenFile(a);
    EXPECT_EQ(saved.Name(4), QStringLiteral("AGAIN"));
    EXPECT_EQ(ReadFileBytes(b), bBefore);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// Frames still on their way out when the main window goes (one closed, one
// back from minimized) must not call into it: the sanitizer run catches it.
TEST_F(ShellTest, MainWindowDestroyedWithDocumentsOpenAndClosing) {
    Start(UvdFile());
    IDocument* restored = main->ActiveDocument();
    main->mnuFileNew_Click();
    main->mnuFileNew_Click();
    FrameOf(*main, restored)->showMinimized();
    Settle();
    FrameOf(*main, restored)->showNormal();
    main->mnuFileClose_Click(); // deleted later, after the main window
    EXPECT_EQ(main->Documents().size(), 2u);
    main.reset();
    Settle();
}

// ANI ID "12 34" is refused (13) before the VFO grid is copied: nothing may
// then act as if the image held the grids.
TEST_F(ShellTest, RefusedCellStopsWriteSaveAndExportAndCloseAsks) {
    const QString target = UvdFile(QStringLiteral("target.uvd"));
    const QString tw = tempPath(QStringLiteral("target.tw"));
    WriteFileBytes(tw, "old tw");
    const QByteArray targetBefore = ReadFileBytes(target);
    platform::SaveSetting("Settings", "OpenLastUsed", "False");
    IDocument* document = StartWithUnsavedData();
    const QStringList recent = shell::ReadRecentFiles();
    document->MSFlexGrid1(1)->setTextMatrix(17, 2, QStringLiteral("12 34"));
    const QStringList squelch = ImageOf(document).SquelchSetting_OPT();
    const QString level = document->MSFlexGrid1(2)->textMatrix(3, 1);
    ASSERT_TRUE(squelch.contains(level));
    document->MSFlexGrid1(2)->setTextMatrix(
        3, 1, squelch.at((squelch.indexOf(level) + 1) % squelch.size()));

    // No transfer window is armed: one that opened would fail the test.
    dialogs.answerMessage(platform::vbOK);
    main->mnuWrite_Click();
    EXPECT_EQ(dialogs.messages(), QStringList{TypeMismatchBox});
    ExpectErrorBox(dialogs, TypeMismatchBox);

    dialogs.answerSaveFile(target).answerMessage(platform::vbYes).answerMessage(platform::vbOK);
    EXPECT_FALSE(main->SaveData());
    EXPECT_TRUE(Program().SaveCancelled);
    dialogs.answerSaveFile(tw).answerMessage(platform::vbYes).answerMessage(platform::vbOK);
    main->mnuExportTW_Click();
    ExpectErrorBox(dialogs, TypeMismatchBox);
    EXPECT_EQ(dialogs.messages().count(TypeMismatchBox), 3);
    EXPECT_EQ(dialogs.messages().size(), 5); // and the two replace questions
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
    EXPECT_EQ(shell::ReadRecentFiles(), recent);
    EXPECT_EQ(ReadFileBytes(target), targetBefore);
    EXPECT_EQ(ReadFileBytes(tw), QByteArray("old tw"));

    dialogs.answerMessage(platform::vbOK).answerMessage(platform::vbCancel);
    main->mnuFileClose_Click();
    Settle();
    EXPECT_EQ(dialogs.messages().mid(5),
              QStringList({TypeMismatchBox, QStringLiteral("KG-UV File 1") + Changed}));
    EXPECT_EQ(main->Documents(), std::vector<IDocument*>{document});
}

TEST_F(ShellTest, FullDiskKeepsTheOldFilesAndTheChange) {
    FullDisk disk(tempPath(QStringLiteral("disk")));
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    const QString path = disk.path(QStringLiteral("home.uvd"));
    const QString tw = disk.path(QStringLiteral("home.tw"));
    WriteFileBytes(path, ReadFileBytes(UvdFile()));
    WriteFileBytes(tw, "old tw");
    const QByteArray before = ReadFileBytes(path);
    Start(path);
    IDocument* document = main->ActiveDocument();
    EditChannel4(document);
    ASSERT_TRUE(disk.fill());

    dialogs.answerMessage(platform::vbOK);
    EXPECT_FALSE(main->SaveData());
    EXPECT_EQ(dialogs.messages(), QStringList{FullDiskBox});
    ExpectErrorBox(dialogs, FullDiskBox);
    dialogs.answerSaveFile(tw).answerMessage(platform::vbYes).answerMessage(platform::vbOK);
    main->mnuExportTW_Click();
    ExpectErrorBox(dialogs, FullDiskBox);

    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(ReadFileBytes(tw), QByteArray("old tw"));
    EXPECT_EQ(QDir(disk.path(QString())).entryList(QDir::Files),
              QStringList({"filler", "home.tw", "home.uvd"}));
    EXPECT_TRUE(document->IsDataChanged());
    EXPECT_EQ(Cell(document, 4, 1), QStringLiteral("EDITED"));
}

// Opening a named pipe would wait for a writer for ever.
TEST_F(ShellTest, NamedPipeIsRefusedBeforeItIsOpened) {
    const NamedPipe pipe(tempPath(QStringLiteral("pipe.uvd")));
    const NamedPipe twPipe(tempPath(QStringLiteral("pipe.tw")));
    ASSERT_TRUE(pipe.made() && twPipe.made());
    const QString refused = QStringLiteral("Error opening file: \r\n") + pipe.path() +
                            QStringLiteral("\r\nnot a regular file");
    platform::SaveSetting("Settings", "OpenLastUsed", "False");

    dialogs.answerMessage(platform::vbOK);
    Start(pipe.path());
    EXPECT_EQ(dialogs.messages(), QStringList{refused});
    ExpectErrorBox(dialogs, refused);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});

    const QString path = UvdFile();
    dialogs.answerOpenFile(path);
    main->mnuFileOpen_Click();
    IDocument* document = main->ActiveDocument();
    ASSERT_EQ(Captions(), QStringList{path});
    const QByteArray image = WindowOf(document).GetBytArry();
    platform::SaveSetting("MRU", "mru1", pipe.path());

    dialogs.answerOpenFile(pipe.path()).answerMessage(platform::vbOK);
    main->mnuFileOpen_Click();
    dialogs.answerMessage(platform::vbOK);
    main->mnuMRU_Click(1);
    dialogs.answerOpenFile(twPipe.path()).answerMessage(platform::vbOK);
    main->mnuImportTW_Click();
    EXPECT_EQ(dialogs.messages().mid(1),
              QStringList({refused, refused,
                           QStringLiteral("Error reading TW file: may be unsupported or corrupt."
                                          "Path/File access error (not a regular file)")}));
    ExpectErrorBox(dialogs, dialogs.messages().last());
    EXPECT_EQ(Captions(), QStringList{path});
    EXPECT_EQ(main->ActiveDocument(), document);
    EXPECT_EQ(WindowOf(document).GetBytArry(), image);
    EXPECT_FALSE(document->IsDataChanged());
    EXPECT_FALSE(pipe.readerWasBlocked());
    EXPECT_FALSE(twPipe.readerWasBlocked());
}

// Channel 1 zero-filled by another tool: the image still holds data.
TEST_F(ShellTest, ZeroFirstRecordIsStillSavedAndAskedAbout) {
    const QString path = UvdFile(QStringLiteral("zero.uvd"));
    {
        clsVUROVA image;
        image.OpenFile(path);
        QByteArray bytes = image.GetBytArry();
        bytes.replace(16, 17, QByteArray(17, '\0'));
        image.Sbyt(bytes);
        image.SaveFile(path);
    }
    Start(path);
    IDocument* document = main->ActiveDocument();
    EXPECT_EQ(Cell(document, 1, 2), QString());
    document->MSFlexGrid1(0)->setTextMatrix(2, GridColumnOf(1), QStringLiteral("RENAME"));
    main->mnuFileSave_Click();
    clsVUROVA saved;
    saved.OpenFile(path);
    EXPECT_EQ(saved.Name(2), QStringLiteral("RENAME"));

    EditChannel4(document);
    dialogs.answerMessage(platform::vbCancel);
    main->mnuFileClose_Click();
    Settle();
    EXPECT_EQ(dialogs.messages(), QStringList{path + Changed});
    EXPECT_EQ(Captions(), QStringList{path});
}

// The save puts radio.uvd at the top of the list; the file clicked is still
// the one opened.
TEST_F(ShellTest, RecentFileClickedBeforeASaveIsTheOneOpened) {
    const QString a = UvdFile(QStringLiteral("a.uvd"));
    const QString b = UvdFile(QStringLiteral("b.uvd"));
    const QString radio = tempPath(QStringLiteral("radio.uvd"));
    platform::SaveSetting("Settings", "OpenLastUsed", "False");
    platform::SaveSetting("MRU", "mru0", a);
    platform::SaveSetting("MRU", "mru1", b);
    IDocument* document = StartWithUnsavedData();
    ChangeDocument(document);

    dialogs.answerMessage(platform::vbYes).answerSaveFile(radio);
    main->mnuMRU_Click(0);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("KG-UV File 1") + Changed});
    EXPECT_EQ(Captions(), QStringList{a});
    EXPECT_EQ(ImageOf(document).GetBytArry(), ReadFileBytes(a));
    EXPECT_EQ(shell::ReadRecentFiles(), QStringList({a, radio, b, "", ""}));
    clsVUROVA saved;
    saved.OpenFile(radio);
    EXPECT_EQ(saved.RXFrequency(5), QStringLiteral("146.500"));
}
