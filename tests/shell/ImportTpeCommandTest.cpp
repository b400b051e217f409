// File > Import from TravelPlus .TPE... through the real main window: its open
// dialog, which keeps what the main window's previous file dialog left, and
// the import into the changed document without a question.

#include "ShellFixture.h"

#include "document/frmTravelPlus.h"
#include "platform/widgets/FlexGrid.h"
#include "program/ProgramValues.h"

#include <QAction>
#include <QPushButton>

namespace {

const QString TpeFilter = QStringLiteral("TravelPlus Files (*.tpe)|*.tpe|All Files (*.*)|*.*");

} // namespace

class ImportTpeCommandTest : public ShellTest {
protected:
    platform::FileDialogRequest LastFileDialog() const {
        platform::FileDialogRequest last;
        for (const platform::DialogCall& call : dialogs.shown())
            if (call.kind == platform::DialogKind::OpenFile ||
                call.kind == platform::DialogKind::SaveFile)
                last = call.file;
        return last;
    }
    void Import() { main->MenuItem(QStringLiteral("mnuImportTPE"))->trigger(); }
};

TEST_F(ImportTpeCommandTest, BeforeAnyOtherDialogItOpensOnTheFirstFilter) {
    Start(UvdFile());
    dialogs.cancelOpenFile();
    Import();
    const platform::FileDialogRequest request = LastFileDialog();
    EXPECT_EQ(request.title, QStringLiteral("Import TravelPlus"));
    EXPECT_EQ(request.filter, TpeFilter);
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.defaultExt, QString());
    EXPECT_EQ(dialogs.pending(), 0);
}

TEST_F(ImportTpeCommandTest, AChangedDocumentGetsTheDialogAtOnceWithWhatTheLastDialogLeft) {
    Start(UvdFile());
    IDocument* document = main->ActiveDocument();
    ChangeDocument(document);
    dialogs.answerSaveFile(tempPath(QStringLiteral("out.tw")), 2);
    main->mnuExportTW_Click();

    const QString list = tempPath(QStringLiteral("list.tpe"));
    WriteFileBytes(list, "Sequence Number,Country,State,Region,Location,Output Frequency,Input "
                         "Frequency,Call Sign,Repeater Notes,CTCSS Tones,Sponsor\r\n"
                         "1,XX,YY,Hills,Oakdale,146.940,-,w1abc/r,,100.0,Club A\r\n");
    dialogs.answerOpenFile(list).runModal(
        [](QDialog& dialog) { static_cast<frmTravelPlus&>(dialog).Command1()->click(); });
    Import();

    const platform::FileDialogRequest request = LastFileDialog();
    EXPECT_EQ(request.title, QStringLiteral("Import TravelPlus"));
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.defaultExt, QStringLiteral("tw"));
    EXPECT_TRUE(dialogs.messages().isEmpty()); // no unsaved-changes question
    const int row = WindowOf(document).GetLastEmptyRow() - 1;
    EXPECT_EQ(Cell(document, row, 1), QStringLiteral("OAKDAL"));
    EXPECT_EQ(Cell(document, row, 3), QStringLiteral("146.340"));
    EXPECT_EQ(dialogs.pending(), 0);
}
