#include "shell/ColorSwatch.h"

#include "platform/widgets/Colors.h"

#include <QPalette>

ColorSwatch::ColorSwatch(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

void ColorSwatch::setColor(int32_t color) {
    color_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::ColorFromNumber(color, pal));
    setPalette(pal);
}
