#pragma once
// Control placement of the transfer windows, written in twips as the windows
// were laid out.

#include "platform/core/Measures.h"

#include <QFont>
#include <QRect>
#include <QString>

namespace clonelink {

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(platform::TwipsToPixels(left), platform::TwipsToPixels(top),
                 platform::TwipsToPixels(width), platform::TwipsToPixels(height));
}

inline QFont ArialFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace clonelink
