#include "link/ProgressBox.h"

#include "link/CloneProtocol.h"
#include "platform/core/Measures.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/Colors.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace clonelink {

namespace {

// The box's drawing colour: the text is printed in it and the bar filled with
// it, so that text under the bar comes out white.
constexpr int32_t DrawColor = 0x400000;

} // namespace

ProgressBox::ProgressBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tbflood"));
    setFont(QFont(QStringLiteral("Arial")));
    setAttribute(Qt::WA_OpaquePaintEvent);
    draw();
}

QSize ProgressBox::sizeHint() const {
    return QSize(platform::TwipsToPixels(5505), platform::TwipsToPixels(375));
}

void ProgressBox::UpdateProgress(int max, int value, bool showPercent, const QString& label,
                                 const QString& suffix) {
    if (value > max)
        return;
    if (max <= 0)
        throw platform::RuntimeError(380, QStringLiteral("Invalid property value"));
    max_ = max;
    value_ = value;
    measured_ = label + suffix;
    text_ = showPercent ? label + QStringLiteral(" ") + QString::number(Percent(value, max)) +
                              QStringLiteral("%") + suffix
                        : label;
    draw();
    update();
    emit drawn(text_, value_, max_);
}

void ProgressBox::draw() {
    const QSize size = this->size().isEmpty() ? sizeHint() : this->size();
    canvas_ = QImage(size, QImage::Format_RGB32);
    canvas_.fill(platform::ColorFromNumber(platform::ColorButtonFace, palette()));
    QPainter painter(&canvas_);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const double unitsPerPixel = static_cast<double>(max_) / size.width();
    // The text is centred by the width of label and suffix alone, in the box's
    // own units, halves dropped; with a percent it sits a little right of centre.
    const double textUnits = metrics.horizontalAdvance(measured_) * unitsPerPixel;
    const double left = std::floor((max_ - textUnits) / 2) / unitsPerPixel;
    const int heightTwips = platform::PixelsToTwips(size.height());
    const int textTwips = platform::PixelsToTwips(metrics.height());
    const int top = platform::TwipsToPixels((heightTwips - textTwips) / 2);
    painter.setPen(platform::ColorFromNumber(DrawColor, palette()));
    painter.drawText(QPointF(left, top + metrics.ascent()), text_);
    const int barWidth = static_cast<int>(std::lround(value_ / unitsPerPixel));
    if (barWidth > 0) {
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.fillRect(QRect(0, 0, barWidth, size.height()),
                         platform::ColorFromNumber(DrawColor, palette()));
    }
}

void ProgressBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

void ProgressBox::resizeEvent(QResizeEvent*) {
    draw();
}

} // namespace clonelink
