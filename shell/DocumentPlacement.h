#pragma once
// Where a new document window goes in the main window's workspace. As a
// multiple-document frame places a window it is given no position for: one
// title-bar step down and right of the window placed before, and back at the
// top left when it would reach past the part of the workspace the user sees.

#include <QPoint>
#include <QSize>
#include <optional>

class QMdiSubWindow;
class QWidget;

namespace shell {

// The step between cascaded windows: a frame's title bar and its edge.
int CascadeStep(const QWidget* frame);

class DocumentPlacer {
public:
    // The top-left corner for a window of the given size in the workspace,
    // remembered as the last one placed. A remembered corner the workspace no
    // longer holds starts the cascade again at the top left.
    QPoint next(const QSize& window, const QSize& workspace, int step);

    // Moves a frame just shown in its workspace to the next corner. A frame
    // shown maximized or minimized keeps where the workspace put it.
    void place(QMdiSubWindow* frame);

private:
    std::optional<QPoint> last_;
};

} // namespace shell
