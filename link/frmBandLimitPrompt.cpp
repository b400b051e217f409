#include "link/frmBandLimitPrompt.h"

#include "link/WindowGeometry.h"
#include "platform/core/ProgramTitle.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TextFit.h"

#include <QAbstractTextDocumentLayout>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t Unanswered = 0;
constexpr int IconLeft = 10;
constexpr int IconTop = 10;
constexpr int WindowWidth = 5835;
constexpr int WindowHeight = 3855;
// Room the design leaves right of the top line.
constexpr int RightMargin = 300;

QFont fixedPitchFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

int32_t& BandLimitPromptResult() {
    static int32_t result = Unanswered;
    return result;
}

frmBandLimitPrompt::frmBandLimitPrompt(QWidget* parent)
    : QDialog(parent), label1_(new QLabel(this)), frame1_(new QFrame(this)),
      text1_(new QPlainTextEdit(frame1_)), label2_(new QLabel(this)),
      command1_(new QPushButton(this)), command2_(new QPushButton(this)) {
    using clonelink::TwipsRect;
    setObjectName(QStringLiteral("frmBandLimitPrompt"));
    setWindowTitle(platform::ProgramTitle());
    platform::UseDesignPointSize(this);

    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setText(
        QStringLiteral("The band limits in the file do not match the band limits in the radio:"));
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    platform::PlaceFitted(label1_, TwipsRect(840, 180, 4695, 255));

    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::Box);
    frame1_->setGeometry(TwipsRect(840, 480, 4155, 2175));

    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setFont(fixedPitchFont());
    text1_->setBackgroundRole(QPalette::Button);
    text1_->viewport()->setBackgroundRole(QPalette::Button);
    text1_->setGeometry(TwipsRect(840, 120, 3015, 1995));

    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setText(QStringLiteral("Would you like to write the file band limits to the radio?"));
    label2_->setAlignment(Qt::AlignCenter);
    platform::PlaceFitted(label2_, TwipsRect(540, 2880, 4695, 255));

    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setText(QStringLiteral("&Yes"));
    command1_->setGeometry(TwipsRect(1590, 3300, 1275, 375));
    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));

    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setText(QStringLiteral("&No"));
    command2_->setGeometry(TwipsRect(2970, 3300, 1275, 375));
    connect(command2_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command2_Click(); }));

    // The window widens only when a caption has grown past the design's margin.
    const int captionsRight = std::max(label1_->geometry().right(), label2_->geometry().right());
    const int width = std::max(platform::TwipsToPixels(WindowWidth),
                               captionsRight + 1 + platform::TwipsToPixels(RightMargin));
    setFixedSize(width, platform::TwipsToPixels(WindowHeight));

    BandLimitPromptResult() = Unanswered;
}

void frmBandLimitPrompt::setComparisonText(const QString& text) {
    comparisonText_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text1_->setPlainText(shown);
    fitTextBox();
}

// The whole comparison stays in view: a fixed-pitch font with taller lines
// than the design's lengthens the box, its frame and the window, and moves
// what lies below down with it.
void frmBandLimitPrompt::fitTextBox() {
    const QTextDocument* document = text1_->document();
    int textHeight = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        textHeight += static_cast<int>(
            std::ceil(document->documentLayout()->blockBoundingRect(block).height()));
    const int margins = static_cast<int>(std::ceil(2 * document->documentMargin()));
    const int grow = textHeight + margins + 2 * text1_->frameWidth() - text1_->height();
    if (grow <= 0)
        return;
    text1_->resize(text1_->width(), text1_->height() + grow);
    frame1_->resize(frame1_->width(), frame1_->height() + grow);
    for (QWidget* below : {static_cast<QWidget*>(label2_), static_cast<QWidget*>(command1_),
                           static_cast<QWidget*>(command2_)})
        below->move(below->x(), below->y() + grow);
    setFixedSize(width(), height() + grow);
}

void frmBandLimitPrompt::Command1_Click() {
    BandLimitPromptResult() = platform::vbYes;
    accept();
}

void frmBandLimitPrompt::Command2_Click() {
    BandLimitPromptResult() = platform::vbNo;
    QDialog::reject();
}

void frmBandLimitPrompt::reject() {
    if (BandLimitPromptResult() == Unanswered)
        BandLimitPromptResult() = platform::vbNo;
    QDialog::reject();
}

void frmBandLimitPrompt::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this);
    const int extent = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    QPainter painter(this);
    icon.paint(&painter, QRect(IconLeft, IconTop, extent, extent));
}
