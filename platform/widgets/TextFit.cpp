#include "platform/widgets/TextFit.h"

#include <QLabel>
#include <algorithm>

namespace platform {

void UseDesignPointSize(QWidget* window) {
    QFont font = window->font();
    font.setPointSizeF(DesignPointSize);
    window->setFont(font);
}

void PlaceFitted(QWidget* widget, const QRect& rect) {
    widget->setGeometry(rect);
    const int extra = widget->sizeHint().width() - rect.width();
    if (extra <= 0)
        return;
    const auto* label = qobject_cast<const QLabel*>(widget);
    const bool centred = label && (label->alignment() & Qt::AlignHCenter);
    const int left = centred ? rect.left() - extra / 2 : rect.left();
    widget->setGeometry(left, rect.top(), rect.width() + extra, rect.height());
}

} // namespace platform
