#include "document/frmStatus.h"

#include "platform/core/Measures.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Dialogs.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>

using platform::PixelsToTwips;
using platform::TwipsToPixels;

namespace {
// Margins of the layout, twips.
constexpr int TextLeft = 120;
constexpr int TextTop = 120;
constexpr int TextWidthMargin = 350;
constexpr int TextHeightMargin = 1300;
constexpr int ButtonTopMargin = 1000;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;
constexpr int InitialWidth = 7500;
constexpr int InitialHeight = 5400;

QPointer<frmStatus>& TheStatusWindow() {
    static QPointer<frmStatus> window;
    return window;
}
} // namespace

frmStatus::frmStatus(QWidget* parent)
    : QDialog(parent), text1_(new QPlainTextEdit(this)),
      command1_(new QPushButton(QStringLiteral("&Close"), this)) {
    setObjectName(QStringLiteral("frmStatus"));
    text1_->setObjectName(QStringLiteral("Text1"));
    command1_->setObjectName(QStringLiteral("Command1"));
    text1_->setReadOnly(true);
    // A vertical scroll bar only: long lines (a list of channel numbers has
    // no blanks) wrap at the box's edge.
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text1_->setGeometry(TwipsToPixels(TextLeft), TwipsToPixels(TextTop), 100, 100);
    command1_->resize(TwipsToPixels(ButtonWidth), TwipsToPixels(ButtonHeight));
    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));
    resize(TwipsToPixels(InitialWidth), TwipsToPixels(InitialHeight));
    LayOut();
}

void frmStatus::Command1_Click() {
    close();
}

void frmStatus::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut();
}

// Each measure on its own: one the window is too small for is skipped and
// the control keeps its last good size.
void frmStatus::LayOut() {
    const int innerW = PixelsToTwips(width());
    const int innerH = PixelsToTwips(height());
    const int textW = innerW - TextWidthMargin;
    const int textH = innerH - TextHeightMargin;
    if (textW > 0)
        text1_->resize(TwipsToPixels(textW), text1_->height());
    if (textH > 0)
        text1_->resize(text1_->width(), TwipsToPixels(textH));
    const int buttonTop = innerH - ButtonTopMargin;
    if (buttonTop >= 0)
        command1_->move(command1_->x(), TwipsToPixels(buttonTop));
    const int buttonLeft = (innerW - PixelsToTwips(command1_->width())) / 2;
    if (buttonLeft >= 0)
        command1_->move(TwipsToPixels(buttonLeft), command1_->y());
}

frmStatus* frmStatus::Instance(QWidget* parent) {
    auto& window = TheStatusWindow();
    if (!window) {
        window = new frmStatus(parent); // deletes itself when closed
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return window;
}

void frmStatus::ShowText(const QString& caption, const QString& text, bool modal, QWidget* parent) {
    frmStatus* window = Instance(parent);
    window->setWindowTitle(caption);
    window->Text1()->setPlainText(text);
    if (modal) {
        // A window already open without modality only becomes modal when it is
        // shown afresh.
        window->hide();
        platform::ExecModal(window);
        return;
    }
    window->show();
    window->raise();
}
