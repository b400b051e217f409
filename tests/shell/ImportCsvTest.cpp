// File > Import From .CSV... through the real main window: the file dialog,
// the start dialog, the error log, and no question about unsaved changes.

#include "ShellFixture.h"

#include "document/ImportStartGroup.h"
#include "document/frmImportSelect.h"
#include "document/frmStatus.h"
#include "platform/core/Codec.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString CsvFilter = QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");

// Some of the picture is not the background: the window drew something.
bool DrewSomething(QWidget& window) {
    const QImage picture = window.grab().toImage();
    const QRgb first = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != first)
                return true;
    return false;
}

} // namespace

class ImportCsvTest : public ShellTest {
protected:
    QString CsvFile(const QString& text) {
        const QString path = tempPath(QStringLiteral("channels.csv"));
        WriteFileBytes(path, platform::TextToBytes(text));
        return path;
    }
};

TEST_F(ImportCsvTest, ImportsIntoTheChangedDocumentWithoutAsking) {
    Start(UvdFile());
    IDocument* document = main->ActiveDocument();
    EditChannel4(document);
    const QString csv = CsvFile(QStringLiteral("Name,RX Freq\r\nA,146.52\r\nB,999\r\n"));
    dialogs.answerOpenFile(csv);
    dialogs.runModal([](QDialog& dialog) {
        auto& select = static_cast<frmImportSelect&>(dialog);
        EXPECT_TRUE(DrewSomething(select));
        select.Frame2()->Option5()->click();
        select.Frame2()->Text1()->setText(QStringLiteral("10"));
        select.Command1()->click();
    });
    QString log;
    dialogs.runModal([&](QDialog& dialog) {
        auto& status = static_cast<frmStatus&>(dialog);
        log = status.Text1()->toPlainText();
        EXPECT_EQ(status.windowTitle(), QStringLiteral("Error Log"));
        EXPECT_TRUE(DrewSomething(status));
        status.Command1()->click();
    });
    main->MenuItem(QStringLiteral("mnuIMport"))->trigger();

    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    ASSERT_EQ(dialogs.shown().first().kind, platform::DialogKind::OpenFile);
    EXPECT_EQ(dialogs.shown().first().file.title, QStringLiteral("Import CSV"));
    EXPECT_EQ(dialogs.shown().first().file.filter, CsvFilter);
    EXPECT_EQ(Cell(document, 10, 1), QStringLiteral("A"));
    EXPECT_EQ(Cell(document, 10, 2), QStringLiteral("146.520"));
    EXPECT_EQ(Cell(document, 4, 1), QStringLiteral("EDITED"));
    EXPECT_EQ(log, QStringLiteral(
                       "Memory not imported - RX frequency outside of band limits. Line 2: 999\n"));
    EXPECT_TRUE(document->IsDataChanged());
}

TEST_F(ImportCsvTest, CancelledDialogImportsNothing) {
    const QString path = UvdFile();
    Start(path);
    dialogs.cancelOpenFile();
    main->mnuIMport_Click();
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_FALSE(main->ActiveDocument()->IsDataChanged());
    EXPECT_EQ(Captions(), QStringList{path});
}
