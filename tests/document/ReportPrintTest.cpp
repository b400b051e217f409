// File > Print of the duplicate report on a machine without a printer: the
// text goes to a PDF file the user names, from half an inch in and three
// quarters down, page after page.

#include "document/frmDupReport.h"
#include "platform/widgets/MsgBox.h"
#include "support/PdfPages.h"
#include "support/ScriptedResponder.h"
#include "support/TestUtil.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace {

constexpr double Tolerance = 20;
constexpr double Left = 720;
constexpr double Top = 1080;

class ReportPrintTest : public TempDirTest {
protected:
    void TearDown() override {
        if (window)
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void PrintReport(const QString& text) {
        frmDupReport::ShowReport(text);
        window = frmDupReport::Instance();
        window->mnuPrint()->trigger();
    }
    static void ExpectFirstWordAtOrigin(const QString& pdf, int page, const QString& text) {
        const QList<PdfWord> words = PdfPageWords(pdf, page);
        ASSERT_FALSE(words.isEmpty());
        EXPECT_EQ(words.first().text, text);
        EXPECT_NEAR(words.first().left, Left, Tolerance);
        EXPECT_NEAR(words.first().top, Top, Tolerance);
    }

    ScriptedResponder dialogs;
    QPointer<frmDupReport> window;
};

TEST_F(ReportPrintTest, OneLineOnOnePageAtTheOrigin) {
    const QString pdf = tempPath(QStringLiteral("report.pdf"));
    dialogs.answerSaveFile(pdf);
    PrintReport(QStringLiteral("Duplicates: 17, 40, 5\r\n"));
    const platform::DialogCall& call = dialogs.shown().first();
    EXPECT_EQ(call.title, QStringLiteral("Print to File"));
    EXPECT_EQ(call.file.filter, QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*"));
    EXPECT_EQ(call.file.defaultExt, QStringLiteral("pdf"));
    ASSERT_EQ(PdfPageCount(pdf), 1);
    ExpectFirstWordAtOrigin(pdf, 1, QStringLiteral("Duplicates:"));
    EXPECT_EQ(PdfPageLines(pdf, 1).join(' ').simplified(), QStringLiteral("Duplicates: 17, 40, 5"));
}

TEST_F(ReportPrintTest, ALongReportGoesOnAtTheOriginOfTheNextPage) {
    QStringList lines;
    for (int n = 1; n <= 100; ++n)
        lines << QStringLiteral("Line%1 146.520").arg(n);
    const QString pdf = tempPath(QStringLiteral("long.pdf"));
    dialogs.answerSaveFile(pdf);
    PrintReport(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    ASSERT_EQ(PdfPageCount(pdf), 2);
    ExpectFirstWordAtOrigin(pdf, 1, QStringLiteral("Line1"));
    const QList<PdfWord> second = PdfPageWords(pdf, 2);
    ASSERT_FALSE(second.isEmpty());
    ExpectFirstWordAtOrigin(pdf, 2, second.first().text);
    EXPECT_EQ(second.last().text, QStringLiteral("146.520"));
    EXPECT_TRUE(FindWord(second, QStringLiteral("Line100")));
}

TEST_F(ReportPrintTest, AnEmptyReportStillMakesItsPage) {
    const QString pdf = tempPath(QStringLiteral("empty.pdf"));
    dialogs.answerSaveFile(pdf);
    PrintReport(QString());
    EXPECT_EQ(PdfPageCount(pdf), 1);
}

TEST_F(ReportPrintTest, CancelPrintsNothingAndAnExistingFileIsAskedAbout) {
    const QString existing = tempPath(QStringLiteral("old.pdf"));
    WriteFileBytes(existing, "old");
    const QString chosen = tempPath(QStringLiteral("new.pdf"));
    // No to replacing shows the dialog again.
    dialogs.answerSaveFile(existing).answerMessage(platform::vbNo).answerSaveFile(chosen);
    PrintReport(QStringLiteral("Duplicates: 1, 2\r\n"));
    EXPECT_EQ(dialogs.messages(),
              QStringList{existing + " already exists.\r\nDo You want to replace it?"});
    EXPECT_EQ(ReadFileBytes(existing), QByteArray("old"));
    EXPECT_EQ(PdfPageCount(chosen), 1);

    dialogs.cancelSaveFile();
    window->mnuPrint()->trigger();
    EXPECT_EQ(QDir(tempDir.path()).entryList(QDir::Files), QStringList({"new.pdf", "old.pdf"}));
}

TEST_F(ReportPrintTest, AFileThatCannotBeWrittenIsReportedAndNotMade) {
    const QString pdf = tempPath(QStringLiteral("missing/report.pdf"));
    dialogs.answerSaveFile(pdf).answerMessage(platform::vbOK);
    PrintReport(QStringLiteral("Duplicates: 17, 40, 5\r\n"));
    EXPECT_EQ(dialogs.messages(), QStringList{"Unable to print to " + pdf + "."});
    EXPECT_EQ(dialogs.shown().last().icon, platform::vbExclamation);
    EXPECT_EQ(dialogs.shown().last().buttons, platform::vbOKOnly);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

} // namespace
