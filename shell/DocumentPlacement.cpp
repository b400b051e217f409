#include "shell/DocumentPlacement.h"

#include <QMdiSubWindow>
#include <QRect>
#include <QStyle>

namespace shell {

int CascadeStep(const QWidget* frame) {
    return frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame) + 2;
}

QPoint DocumentPlacer::next(const QSize& window, const QSize& workspace, int step) {
    const QRect space(QPoint(0, 0), workspace);
    QPoint corner = last_ ? *last_ + QPoint(step, step) : QPoint(0, 0);
    if (!space.contains(QRect(corner, window)))
        corner = QPoint(0, 0);
    last_ = corner;
    return corner;
}

void DocumentPlacer::place(QMdiSubWindow* frame) {
    const QWidget* workspace = frame->parentWidget();
    if (!workspace || frame->isMaximized() || frame->isMinimized())
        return;
    frame->move(next(frame->size(), workspace->size(), CascadeStep(frame)));
}

} // namespace shell
