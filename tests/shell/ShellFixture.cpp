#include "ShellFixture.h"

#include "document/frmDocument.h"
#include "document/frmStatus.h"
#include "image/clsVUROVA.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/TextEdit.h"
#include "program/ProgramValues.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTest>

void WriteUvdFile(const QString& path) {
    clsVUROVA image;
    for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch)
        image.BlankMemory(ch);
    const char* limits[8] = {"136", "174", "400", "480", "136", "174", "400", "480"};
    for (int i = 0; i < 8; ++i)
        image.setBandLimit(i, QString::fromLatin1(limits[i]));
    image.setRXFrequency(1, QStringLiteral("145.6"));
    image.setTXFrequency(1, QStringLiteral("145"));
    image.setName(1, QStringLiteral("GB3WH"));
    image.setRXFrequency(2, QStringLiteral("433.5"));
    image.setTXFrequency(2, QStringLiteral("433.5"));
    image.setName(2, QStringLiteral("UHF S"));
    image.setRXFrequency(clsVUROVA::VfoA, QStringLiteral("145.5"));
    image.setRXFrequency(clsVUROVA::VfoB, QStringLiteral("433.5"));
    image.SaveFile(path);
}

frmDocument& WindowOf(IDocument* document) {
    return dynamic_cast<frmDocument&>(*document);
}

QString Cell(IDocument* document, int row, int logicalColumn) {
    return document->MSFlexGrid1(0)->textMatrix(row, GridColumnOf(logicalColumn));
}

void SetChannel(IDocument* document, int row, const QString& rx, const QString& tx) {
    platform::FlexGrid* grid = document->MSFlexGrid1(0);
    grid->setTextMatrix(row, GridColumnOf(2), rx);
    grid->setTextMatrix(row, GridColumnOf(3), tx);
}

void ShellTest::TearDown() {
    main.reset();
    Settle();
}

frmMain& ShellTest::Start(const QString& commandLine) {
    main = std::make_unique<frmMain>();
    main->MDIForm_Load(commandLine);
    main->show();
    Settle();
    return *main;
}

QString ShellTest::UvdFile(const QString& name) {
    const QString path = tempPath(name);
    WriteUvdFile(path);
    // Saved once through a document, the file is in the form the program
    // writes, so opening it alone changes nothing.
    frmDocument document;
    EXPECT_TRUE(document.OpenFile(path));
    document.SaveFile(path);
    return path;
}

void ShellTest::ChangeDocument(IDocument* document) {
    document->MSFlexGrid1(0)->setTextMatrix(5, GridColumnOf(2), QStringLiteral("146.5"));
}

void ShellTest::EditChannel4(IDocument* document) {
    document->MSFlexGrid1(0)->setTextMatrix(4, GridColumnOf(1), QStringLiteral("EDITED"));
    SetChannel(document, 4, QStringLiteral("145.675"), QStringLiteral("145.075"));
}

IDocument* ShellTest::StartWithUnsavedData() {
    Start();
    IDocument* document = main->ActiveDocument();
    EXPECT_TRUE(document->OpenFile(UvdFile()));
    document->setCaption(QStringLiteral("KG-UV File 1"));
    return document;
}

void ShellTest::Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void ShellTest::TypeIntoCell(IDocument* document, int row, int logicalColumn, const QString& text) {
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    platform::FlexGrid* grid = document->MSFlexGrid1(0);
    grid->setRow(row);
    grid->setCol(GridColumnOf(logicalColumn));
    ASSERT_TRUE(grid->takeFocus());
    for (const QChar ch : text)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    ASSERT_TRUE(document->TxtGrid()->isVisible());
    ASSERT_EQ(document->TxtGrid()->text(), text);
}

bool ShellTest::Enabled(const QString& name) const {
    const QAction* item = main->MenuItem(name);
    EXPECT_NE(item, nullptr) << name.toStdString();
    return item && item->isEnabled();
}

bool ShellTest::ButtonEnabled(int position) const {
    return main->tbButton(position)->isEnabled();
}

QStringList ShellTest::Captions() const {
    QStringList captions;
    for (IDocument* document : main->Documents())
        captions << document->Caption();
    return captions;
}

QString ShellTest::Report() const {
    const frmStatus* status = main->findChild<frmStatus*>();
    if (!status)
        return QString();
    return (status->isVisible() ? QString() : QStringLiteral("hidden ")) + status->windowTitle() +
           QLatin1Char('\n') + status->Text1()->toPlainText();
}
