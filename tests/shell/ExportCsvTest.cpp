// File > Export to .CSV run for real through the main window on a document
// opened from a file: the options, the preview, the file's exact bytes, the
// replace question and a failed write.

#include "ShellFixture.h"

#include "document/frmDocument.h"
#include "image/clsVUROVA.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "shell/frmExportCSV.h"
#include "shell/frmPreview.h"
#include "support/TestBytes.h"
#include "support/WindowFit.h"

#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

namespace {

const QByteArray ThreeChannelsFile =
    "#,Name,RX Freq,TX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,Busy Lck,Group/Notes\r\n"
    "1,CALL,146.520,146.520,OFF,OFF,HIGH,ON,WIDE,OFF,SIMPLEX\r\n"
    "2,RPT1,146.940,146.340,OFF,100.0,HIGH,ON,WIDE,OFF,CLUB\r\n"
    "3,UHF,446.000,446.000,OFF,OFF,LOW,OFF,NARR,OFF,\r\n"
    "\r\n";

// Memory grid row cells in logical column order, "," between.
void SetRow(IDocument* document, int row, const char* cells) {
    const QStringList texts = QString::fromLatin1(cells).split(QLatin1Char(','));
    for (int k = ColName; k <= ColGroupNotes; ++k)
        document->MSFlexGrid1(0)->setTextMatrix(row, GridColumnOf(k), texts.at(k - 1));
}

using Options = std::array<bool, 3>; // as GetExportData takes them

// A real document that notes the options each export text was asked with.
class RecordingDocument : public frmDocument {
public:
    explicit RecordingDocument(QList<Options>& asked) : asked_(asked) {}
    QString GetExportData(bool& includeUnused, bool& useQuotes, bool& leaveOutNumber) override {
        asked_.append({includeUnused, useQuotes, leaveOutNumber});
        return frmDocument::GetExportData(includeUnused, useQuotes, leaveOutNumber);
    }

private:
    QList<Options>& asked_;
};

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class ExportCsvTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        dir = tempDir.path();
        ASSERT_FALSE(dir.contains(QLatin1Char('.'))) << dir.toStdString();
        const QString uvd = tempPath(QStringLiteral("radio.uvd"));
        WriteUvdFile(uvd);
        main = std::make_unique<frmMain>([this] { return new RecordingDocument(asked); });
        main->MDIForm_Load(uvd);
        main->show();
        Settle();
        document = main->ActiveDocument();
        ASSERT_EQ(document->Caption(), uvd);
        SetRow(document, 1, "CALL,146.520,146.520,OFF,OFF,HIGH,ON,WIDE,OFF,SIMPLEX");
        SetRow(document, 2, "RPT1,146.940,146.340,OFF,100.0,HIGH,ON,WIDE,OFF,CLUB");
        SetRow(document, 3, "UHF,446.000,446.000,OFF,OFF,LOW,OFF,NARR,OFF,");
    }

    // File > Export to .CSV with the dialog really shown; act drives it and
    // arms the dialogs it opens. Returns whether the dialog was still open
    // when act was done.
    bool RunExport(const std::function<void(frmExportCSV&)>& act) {
        bool open = false;
        dialogs.runModal([&](QDialog& d) {
            act(static_cast<frmExportCSV&>(d));
            open = d.isVisible();
            if (open)
                static_cast<frmExportCSV&>(d).Command5()->click();
        });
        main->mnuExportWizard()->trigger();
        EXPECT_EQ(dialogs.pending(), 0);
        return open;
    }

    // One export to path with the boxes ticked as given; the dialog closes.
    void ExportTo(const QString& path, bool includeUnused = false, bool useQuotes = false,
                  bool leaveOutNumber = false) {
        const bool open = RunExport([&](frmExportCSV& d) {
            dialogs.answerSaveFile(path);
            d.Check6()->setChecked(includeUnused);
            d.Check7()->setChecked(useQuotes);
            d.Check8()->setChecked(leaveOutNumber);
            d.Command4()->click();
        });
        EXPECT_FALSE(open);
    }

    // The text the preview showed.
    QString Preview() {
        QString shown;
        EXPECT_TRUE(RunExport([&](frmExportCSV& d) {
            dialogs.runModal([&](QDialog& p) {
                auto& preview = static_cast<frmPreview&>(p);
                EXPECT_EQ(preview.windowTitle(), QStringLiteral("Preview"));
                shown = preview.Text1()->toPlainText();
                preview.Command1()->click();
            });
            d.Command3()->click();
        }));
        return shown;
    }

    QString dir;
    QList<Options> asked;
    IDocument* document = nullptr;
};

TEST_F(ExportCsvTest, ExportWithoutOptionsWritesTheGridWithCsvAddedAndCloses) {
    const QString out = dir + QStringLiteral("/out");
    ExportTo(out);
    EXPECT_EQ(ReadFileBytes(out + QStringLiteral(".csv")), ThreeChannelsFile);
    EXPECT_EQ(Entries(dir), QStringList({"out.csv", "radio.uvd"}));
    EXPECT_EQ(asked, QList<Options>({{false, false, false}}));

    const platform::DialogCall& save = dialogs.shown().at(1);
    EXPECT_EQ(save.kind, platform::DialogKind::SaveFile);
    EXPECT_EQ(save.title, QStringLiteral("Save As..."));
    EXPECT_EQ(save.file.filter, QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*"));
    EXPECT_EQ(save.file.filterIndex, 1);
    EXPECT_EQ(save.file.defaultExt, QString());
    EXPECT_EQ(save.file.fileName, QString());
    EXPECT_EQ(dialogs.shown().at(0).title, QStringLiteral("CSV Export"));
}

TEST_F(ExportCsvTest, QuotesAndUnusedChannelsWithoutTheNumberField) {
    ExportTo(dir + QStringLiteral("/quoted"), false, true, false);
    const QByteArray quoted = ReadFileBytes(dir + QStringLiteral("/quoted.csv"));
    EXPECT_TRUE(quoted.startsWith("\"#\",\"Name\",\"RX Freq\",")) << quoted.constData();
    const QList<QByteArray> quotedLines = quoted.split('\n');
    ASSERT_EQ(quotedLines.size(), 6);
    EXPECT_TRUE(quotedLines.at(3).endsWith("\"OFF\",\"\"\r")) << quotedLines.at(3).constData();

    ExportTo(dir + QStringLiteral("/all"), true, false, true);
    const QList<QByteArray> lines = ReadFileBytes(dir + QStringLiteral("/all.csv")).split('\n');
    ASSERT_EQ(lines.size(), 129 + 2); // the empty line and the text after its CR LF
    EXPECT_EQ(lines.at(0),
              "Name,RX Freq,TX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,Busy Lck,Group/Notes\r");
    EXPECT_EQ(lines.at(3), "UHF,446.000,446.000,OFF,OFF,LOW,OFF,NARR,OFF,\r");
    for (int i = 4; i <= 128; ++i)
        EXPECT_EQ(lines.at(i), ",,,,,,,,,\r") << i;
    EXPECT_EQ(lines.at(129), "\r");
    EXPECT_EQ(lines.at(130), "");
    EXPECT_EQ(asked, QList<Options>({{false, true, false}, {true, false, true}}));
}

// The column settings' order moves header and data fields; captions the user
// gave and hidden columns change nothing. Emptied, the grid gives the header.
TEST_F(ExportCsvTest, ColumnLayoutAndAnEmptyGrid) {
    document->SaveGrid(); // the grid is rebuilt from the image, as Column Settings does
    auto& table = Program().ColumnTable;
    std::swap(table[ColName].Order, table[ColGroupNotes].Order);
    table[ColRXFreq].Caption = QStringLiteral("Receive");
    table[ColTXDev].Visible = false;
    document->Initgrid();
    document->FillGrid();
    ASSERT_EQ(document->MSFlexGrid1(0)->colWidth(GridColumnOf(ColTXDev)), 0);
    ExportTo(dir + QStringLiteral("/layout"));
    EXPECT_EQ(ReadFileBytes(dir + QStringLiteral("/layout.csv")),
              "#,Group/Notes,RX Freq,TX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,Busy Lck,Name\r\n"
              "1,SIMPLEX,146.520,146.520,OFF,OFF,HIGH,ON,WIDE,OFF,CALL\r\n"
              "2,CLUB,146.940,146.340,OFF,100.0,HIGH,ON,WIDE,OFF,RPT1\r\n"
              "3,,446.000,446.000,OFF,OFF,LOW,OFF,NARR,OFF,UHF\r\n"
              "\r\n");

    document->ClearAll();
    ExportTo(dir + QStringLiteral("/empty"));
    EXPECT_EQ(ReadFileBytes(dir + QStringLiteral("/empty.csv")),
              "#,Group/Notes,RX Freq,TX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,Busy Lck,Name\r\n"
              "\r\n");
}

TEST_F(ExportCsvTest, PreviewShowsTheTextCutAt32767CharactersAndTheFileAll) {
    EXPECT_EQ(
        Preview().toStdString(),
        QString::fromLatin1(ThreeChannelsFile.chopped(2)).replace("\r\n", "\n").toStdString());

    // Long cell texts, as a paste could leave them in the grid.
    platform::FlexGrid& grid = *document->MSFlexGrid1(0);
    for (int r = 1; r <= 3; ++r)
        grid.setTextMatrix(r, GridColumnOf(ColGroupNotes), QString(12000, QLatin1Char('a' + r)));
    const QString shown = Preview();
    const QByteArray file = [&] {
        ExportTo(dir + QStringLiteral("/long"));
        return ReadFileBytes(dir + QStringLiteral("/long.csv"));
    }();
    ASSERT_GT(file.size(), 36000);
    const QString text = QString::fromLatin1(file.chopped(2));
    EXPECT_EQ(shown, text.left(frmExportCSV::PreviewLimit).replace("\r\n", "\n"));
    EXPECT_TRUE(file.endsWith(QByteArray(12000, 'd') + "\r\n\r\n"));

    // Preview reads the boxes as Export does: Check6, Check7, Check8.
    RunExport([&](frmExportCSV& d) {
        dialogs.runModal([](QDialog& p) { static_cast<frmPreview&>(p).Command1()->click(); });
        d.Check6()->setChecked(true);
        d.Command3()->click();
    });
    EXPECT_EQ(asked.last(), Options({true, false, false}));
}

TEST_F(ExportCsvTest, ReplaceQuestionNamesTheFileWrittenAndEachAnswerDoesWhatItSays) {
    const QString out = dir + QStringLiteral("/out");
    const QString existing = out + QStringLiteral(".csv");
    WriteFileBytes(existing, "old");
    const QString question =
        existing + QStringLiteral(" already exists.\r\nDo you want to replace it?");

    // No: the save dialog again, cancelled there. Cancel at the question.
    EXPECT_TRUE(RunExport([&](frmExportCSV& d) {
        dialogs.answerSaveFile(out).answerMessage(platform::vbNo).cancelSaveFile();
        d.Command4()->click();
        dialogs.answerSaveFile(out).answerMessage(platform::vbCancel);
        d.Command4()->click();
    }));
    EXPECT_EQ(ReadFileBytes(existing), "old");
    EXPECT_EQ(dialogs.messages(), QStringList({question, question}));
    const platform::DialogCall& box = dialogs.shown().last();
    EXPECT_EQ(box.title, QStringLiteral("Save As"));
    EXPECT_EQ(box.icon, platform::vbExclamation);
    EXPECT_EQ(box.buttons, platform::vbYesNoCancel);

    EXPECT_FALSE(RunExport([&](frmExportCSV& d) {
        dialogs.answerSaveFile(out).answerMessage(platform::vbYes);
        d.Command4()->click();
    }));
    EXPECT_EQ(ReadFileBytes(existing), ThreeChannelsFile);
    EXPECT_EQ(Entries(dir), QStringList({"out.csv", "radio.uvd"}));
}

// A dot anywhere in the path, folders included, keeps ".csv" off; the notes
// reach the file in the single-byte code page.
TEST_F(ExportCsvTest, DottedFolderGetsNoExtensionAndTextIsWrittenInTheCodePage) {
    ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("a.b")));
    document->MSFlexGrid1(0)->setTextMatrix(3, GridColumnOf(ColGroupNotes),
                                            QStringLiteral("CAF\u00C9"));
    ExportTo(dir + QStringLiteral("/a.b/out"));
    const QByteArray file = ReadFileBytes(dir + QStringLiteral("/a.b/out"));
    EXPECT_TRUE(file.endsWith(Bytes({',', 0x43, 0x41, 0x46, 0xC9, '\r', '\n', '\r', '\n'})))
        << file.toHex().constData();
    EXPECT_EQ(Entries(dir + QStringLiteral("/a.b")), QStringList({"out"}));
}

TEST_F(ExportCsvTest, QuotesArePreselectedUnderADecimalComma) {
    bool ticked = true;
    RunExport([&](frmExportCSV& d) {
        ticked = d.Check7()->isChecked();
        EXPECT_FALSE(d.Check6()->isChecked());
        EXPECT_FALSE(d.Check8()->isChecked());
    });
    EXPECT_FALSE(ticked);

    LocaleGuard comma(CommaLocale());
    RunExport([&](frmExportCSV& d) { ticked = d.Check7()->isChecked(); });
    EXPECT_TRUE(ticked);
}

// A folder that is a regular file cannot hold the export: the error box, the
// dialog stays open, nothing is created.
TEST_F(ExportCsvTest, FailedWriteShowsTheErrorAndKeepsTheDialogOpen) {
    WriteFileBytes(dir + QStringLiteral("/plain"), "x");
    EXPECT_TRUE(RunExport([&](frmExportCSV& d) {
        dialogs.answerSaveFile(dir + QStringLiteral("/plain/out")).answerMessage(platform::vbOK);
        d.Command4()->click();
    }));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(
        dialogs.messages().at(0).startsWith(QStringLiteral("Error 75: Path/File access error (")))
        << dialogs.messages().at(0).toStdString();
    EXPECT_EQ(dialogs.shown().last().title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.shown().last().icon, platform::vbExclamation);
    EXPECT_EQ(dialogs.shown().last().buttons, platform::vbOKOnly);
    EXPECT_EQ(Entries(dir), QStringList({"plain", "radio.uvd"}));
    EXPECT_EQ(ReadFileBytes(dir + QStringLiteral("/plain")), "x");
}

TEST_F(ExportCsvTest, ExportDialogAndPreviewShowTheirCaptionsWhole) {
    frmExportCSV dialog(main.get());
    dialog.show();
    EXPECT_EQ(CutCaptions(dialog), "");
    frmPreview preview(&dialog);
    preview.show();
    EXPECT_EQ(CutCaptions(preview), "");
    // 9000 x 6000 twips: the box 200 narrower and 1000 lower, the button 800
    // above the bottom, centred.
    preview.resize(600, 400);
    EXPECT_EQ(preview.Text1()->size(), QSize(587, 333));
    EXPECT_EQ(preview.Command1()->pos(), QPoint(259, 347));
}
