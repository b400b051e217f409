#include "platform/widgets/ControlGeometry.h"

#include "platform/core/Measures.h"
#include "platform/core/RuntimeError.h"

namespace platform {

namespace {

int CheckedExtent(int twips) {
    if (twips < 0)
        throw RuntimeError(ErrInvalidPropertyValue, QStringLiteral("Invalid property value"));
    return TwipsToPixels(twips);
}

} // namespace

int LeftTwips(const QWidget* widget) {
    return PixelsToTwips(widget->x());
}
int TopTwips(const QWidget* widget) {
    return PixelsToTwips(widget->y());
}
int WidthTwips(const QWidget* widget) {
    return PixelsToTwips(widget->width());
}
int HeightTwips(const QWidget* widget) {
    return PixelsToTwips(widget->height());
}

void SetLeftTwips(QWidget* widget, int twips) {
    widget->move(TwipsToPixels(twips), widget->y());
}
void SetTopTwips(QWidget* widget, int twips) {
    widget->move(widget->x(), TwipsToPixels(twips));
}

void SetWidthTwips(QWidget* widget, int twips) {
    widget->resize(CheckedExtent(twips), widget->height());
}

void SetHeightTwips(QWidget* widget, int twips) {
    widget->resize(widget->width(), CheckedExtent(twips));
}

void MoveTwips(QWidget* widget, int left, int top, int width, int height) {
    const int w = CheckedExtent(width);
    const int h = CheckedExtent(height);
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), w, h);
}

} // namespace platform
