#include "support/WindowFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <algorithm>

namespace {

// Text of a caption; empty for anything else or a picture.
QString CaptionText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return QString();
}

// The width the caption's text needs. A push button's hint has a style
// minimum that says nothing about its text, so it is measured from the text.
int NeededWidth(const QWidget* widget) {
    const auto* button = qobject_cast<const QPushButton*>(widget);
    if (!button)
        return widget->sizeHint().width();
    const QStyle* style = button->style();
    const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text()).width() +
           margins;
}

// Where the text lies in window coordinates: as wide as it needs, placed by
// the caption's alignment, one wrapped line block high for a wrapped label.
QRect TextRect(const QWidget* widget, const QWidget& window) {
    const QRect box(widget->mapTo(&window, QPoint(0, 0)), widget->size());
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label && label->wordWrap())
        return QRect(box.topLeft(), QSize(box.width(), label->heightForWidth(box.width())));
    const int width = std::min(NeededWidth(widget), box.width());
    int left = box.left();
    if (label && (label->alignment() & Qt::AlignHCenter))
        left += (box.width() - width) / 2;
    else if (label && (label->alignment() & Qt::AlignRight))
        left += box.width() - width;
    return QRect(left, box.top(), width, box.height());
}

QString Name(const QWidget* widget) {
    const QString name = widget->objectName();
    return (name.isEmpty() ? QStringLiteral("\"") + CaptionText(widget) + QStringLiteral("\"")
                           : name);
}

void CheckSiblings(const QWidget* caption, const QRect& text, const QWidget& window,
                   QStringList& cut) {
    for (const QObject* object : caption->parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(object);
        if (!sibling || sibling == caption || !sibling->isVisible() ||
            !CaptionText(sibling).isEmpty())
            continue;
        const QRect other(sibling->mapTo(&window, QPoint(0, 0)), sibling->size());
        if (text.intersects(other))
            cut << Name(caption) + QStringLiteral(" runs into ") + sibling->objectName() +
                       QStringLiteral(" (") + sibling->metaObject()->className() +
                       QStringLiteral(")");
    }
}

} // namespace

std::string CutCaptions(const QWidget& window) {
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || CaptionText(widget).isEmpty())
            continue;
        const int needed = NeededWidth(widget);
        if (needed > widget->width())
            cut << Name(widget) +
                       QStringLiteral(" needs %1 px, has %2").arg(needed).arg(widget->width());
        const QRect text = TextRect(widget, window);
        if (!window.rect().contains(text))
            cut << Name(widget) + QStringLiteral(" lies outside the window");
        CheckSiblings(widget, text, window, cut);
    }
    return cut.join(QLatin1Char('\n')).toStdString();
}
