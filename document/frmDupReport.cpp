#include "document/frmDupReport.h"

#include "platform/core/Measures.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FixedPitchFont.h"
#include "platform/widgets/Printer.h"

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

using platform::TwipsToPixels;

namespace {

constexpr int InitialWidth = 6000;
constexpr int InitialHeight = 4500;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;
constexpr int FontPointSize = 9;

QPointer<frmDupReport>& TheReportWindow() {
    static QPointer<frmDupReport> window;
    return window;
}

// The report's page: half an inch in and three quarters down from the
// printable area's corner, Courier 10.
constexpr double PrintLeft = 720;
constexpr double PrintTop = 1080;
constexpr int PrintPointSize = 10;

QFont ReportFont() {
    return platform::FixedPitchFont(platform::FixedsysFace(), FontPointSize);
}

} // namespace

frmDupReport::frmDupReport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDupReport"));
    setWindowTitle(QStringLiteral("Duplicate Frequency Report"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    mnuFile_ = menuBar_->addMenu(QStringLiteral("&File"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint_ = mnuFile_->addAction(QStringLiteral("&Print"));
    mnuPrint_->setObjectName(QStringLiteral("mnuPrint"));
    connect(mnuPrint_, &QAction::triggered, this, platform::Guarded([this] { mnuPrint_Click(); }));

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setFont(ReportFont());
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    command1_ = new QPushButton(QStringLiteral("&OK"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setMinimumSize(TwipsToPixels(ButtonWidth), TwipsToPixels(ButtonHeight));
    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addWidget(text1_, 1);
    layout->addWidget(command1_, 0, Qt::AlignHCenter);
    resize(TwipsToPixels(InitialWidth), TwipsToPixels(InitialHeight));
}

QString frmDupReport::ReportText() const {
    QString text = text1_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void frmDupReport::mnuPrint_Click() {
    platform::Printer printer;
    if (printer.printsToFile()) {
        platform::FileDialogRequest request;
        request.title = QStringLiteral("Print to File");
        request.filter = QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*");
        request.defaultExt = QStringLiteral("pdf");
        const QString path = platform::AskSaveFileName(this, request);
        if (path.isEmpty())
            return;
        printer.device().setOutputFileName(path);
    }
    if (!printer.startDoc())
        return;
    printer.setOrigin(PrintLeft, PrintTop);
    printer.setFont(platform::FixedPitchFont(QStringLiteral("Courier"), PrintPointSize));
    printer.setCurrentX(0);
    printer.setCurrentY(0);
    try {
        printer.print(ReportText());
    } catch (...) {
        printer.endDoc();
        throw;
    }
    printer.endDoc();
}

void frmDupReport::Command1_Click() {
    close();
}

frmDupReport* frmDupReport::Instance(QWidget* parent) {
    auto& window = TheReportWindow();
    if (!window) {
        window = new frmDupReport(parent); // deletes itself when closed
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return window;
}

void frmDupReport::ShowReport(const QString& text, QWidget* parent) {
    frmDupReport* window = Instance(parent);
    window->Text1()->setPlainText(text);
    window->show();
    window->raise();
}
