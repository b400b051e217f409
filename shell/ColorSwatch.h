#pragma once
// A label that shows one colour as its background and keeps the colour's
// number (a system colour stays one), as the colour dialogs' swatches do.

#include <QLabel>
#include <cstdint>

class ColorSwatch : public QLabel {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    int32_t color() const { return color_; }
    void setColor(int32_t color);

private:
    int32_t color_ = 0;
};
