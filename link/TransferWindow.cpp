#include "link/TransferWindow.h"

#include "link/ProgressBox.h"
#include "link/WindowGeometry.h"
#include "platform/widgets/Application.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace clonelink {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    return button;
}

} // namespace

TransferWindow::TransferWindow(QWidget* parent) : QDialog(parent) {}

TransferWindow::~TransferWindow() = default;

QLabel* TransferWindow::makeLabel(const char* name, const QString& text, const QRect& rect,
                                  const QFont& font) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setGeometry(rect);
    return label;
}

void TransferWindow::build(const TransferWindowSetup& setup) {
    command1_ = makeButton(this, "Command1", setup.command1Text, setup.command1Rect);
    command2_ = makeButton(this, "Command2", QStringLiteral("&Cancel"), setup.command2Rect);
    tbflood_ = new ProgressBox(this);
    text1_ = new QPlainTextEdit(this);

    setObjectName(QLatin1String(setup.objectName));
    setWindowTitle(setup.title);
    // The details box lies below the client area: it takes every status line
    // but is never in view.
    setFixedSize(platform::TwipsToPixels(5670), platform::TwipsToPixels(2445));
    tbflood_->setFont(ArialFont(9.75, true));
    tbflood_->setGeometry(setup.tbfloodRect);
    text1_->setObjectName(QStringLiteral("Text1"));
    if (setup.text1ScrollBarAlwaysOn)
        text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setGeometry(setup.text1Rect);

    core_ = new LinkCore(setup.options, text1_, tbflood_, this);

    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));
    connect(command2_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command2_Click(); }));
}

void TransferWindow::Command2_Click() {
    reject();
}

void TransferWindow::reject() {
    core_->abandon();
    QDialog::reject();
}

} // namespace clonelink
