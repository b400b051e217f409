#include "document/frmDupReport.h"

#include "platform/core/Measures.h"
#include "platform/widgets/Application.h"

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
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

QFont ReportFont() {
    QFont font(QStringLiteral("Fixedsys"));
    font.setPointSize(FontPointSize);
    // Where the face is missing, another fixed-pitch one keeps the columns.
    font.setStyleHint(QFont::TypeWriter);
    return font;
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
