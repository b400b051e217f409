#include "platform/widgets/TextWindow.h"

#include "platform/core/Measures.h"
#include "platform/widgets/Application.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

namespace platform {

TextWindow::TextWindow(const QString& buttonCaption, const Layout& layout, QWidget* parent)
    : QDialog(parent), layout_(layout), text1_(new QPlainTextEdit(this)),
      command1_(new QPushButton(buttonCaption, this)) {
    text1_->setObjectName(QStringLiteral("Text1"));
    command1_->setObjectName(QStringLiteral("Command1"));
    // A vertical scroll bar only: long lines (a list of channel numbers has
    // no blanks) wrap at the box's edge.
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text1_->setGeometry(TwipsToPixels(layout_.textLeft), TwipsToPixels(layout_.textTop), 100, 100);
    command1_->resize(TwipsToPixels(layout_.buttonWidth), TwipsToPixels(layout_.buttonHeight));
    connect(command1_, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    resize(TwipsToPixels(layout_.initialWidth), TwipsToPixels(layout_.initialHeight));
    Form_Resize();
}

namespace {

// Longer than any line of the box can hold, short enough to break in no time.
constexpr int LongestWordBrokenAtBoundaries = 4096;

bool HasLongWord(const QString& text) {
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > LongestWordBrokenAtBoundaries)
            return true;
    }
    return false;
}

} // namespace

void TextWindow::SetText(const QString& text) {
    text1_->clear(); // the old text is not laid out again under the new mode
    text1_->setWordWrapMode(HasLongWord(text) ? QTextOption::WrapAnywhere
                                              : QTextOption::WrapAtWordBoundaryOrAnywhere);
    text1_->setPlainText(text);
}

void TextWindow::Command1_Click() {
    close();
}

void TextWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void TextWindow::Form_Resize() {
    const int innerW = PixelsToTwips(width());
    const int innerH = PixelsToTwips(height());
    const int textW = innerW - layout_.textWidthMargin;
    const int textH = innerH - layout_.textHeightMargin;
    if (textW > 0)
        text1_->resize(TwipsToPixels(textW), text1_->height());
    if (textH > 0)
        text1_->resize(text1_->width(), TwipsToPixels(textH));
    const int buttonTop = innerH - layout_.buttonFromBottom;
    if (buttonTop >= 0)
        command1_->move(command1_->x(), TwipsToPixels(buttonTop));
    const int buttonLeft = (innerW - PixelsToTwips(command1_->width())) / 2;
    if (buttonLeft >= 0)
        command1_->move(TwipsToPixels(buttonLeft), command1_->y());
}

} // namespace platform
