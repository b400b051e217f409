#include "link/frmBandLimitPrompt.h"

#include "link/WindowGeometry.h"
#include "platform/widgets/MsgBox.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace {

const QString ProgramTitle = QStringLiteral("KG-UV Ferrowind");
constexpr int32_t Unanswered = 0;
constexpr int IconLeft = 10;
constexpr int IconTop = 10;

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
    setWindowTitle(ProgramTitle);
    setFixedSize(platform::TwipsToPixels(5835), platform::TwipsToPixels(3855));

    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setText(
        QStringLiteral("The band limits in the file do not match the band limits in the radio:"));
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label1_->setGeometry(TwipsRect(840, 180, 4695, 255));

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
    label2_->setGeometry(TwipsRect(540, 2880, 4695, 255));

    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setText(QStringLiteral("&Yes"));
    command1_->setGeometry(TwipsRect(1590, 3300, 1275, 375));
    connect(command1_, &QPushButton::clicked, this, &frmBandLimitPrompt::Command1_Click);

    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setText(QStringLiteral("&No"));
    command2_->setGeometry(TwipsRect(2970, 3300, 1275, 375));
    connect(command2_, &QPushButton::clicked, this, &frmBandLimitPrompt::Command2_Click);

    BandLimitPromptResult() = Unanswered;
}

void frmBandLimitPrompt::setComparisonText(const QString& text) {
    comparisonText_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text1_->setPlainText(shown);
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
