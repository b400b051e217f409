// Keys and mouse of the grid: the events the program handles, then the
// grid's own navigation and selection.

#include "platform/widgets/FlexGrid.h"

#include "platform/core/Measures.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/KeyCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace platform {

namespace {

constexpr int ResizeGripPixels = 2;

int ButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return vbLeftButton;
    case Qt::RightButton:
        return vbRightButton;
    case Qt::MiddleButton:
        return vbMiddleButton;
    default:
        return 0;
    }
}

int MouseShift(Qt::KeyboardModifiers mods) {
    return ((mods & Qt::ShiftModifier) ? ShiftMaskShift : 0) |
           ((mods & Qt::ControlModifier) ? ShiftMaskCtrl : 0) |
           ((mods & Qt::AltModifier) ? ShiftMaskAlt : 0);
}

} // namespace

bool FlexGrid::event(QEvent* event) {
    // Tab and Shift+Tab are keys of the grid, not focus moves.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel &&
        (watched == verticalScrollBar() || watched == horizontalScrollBar())) {
        event->ignore(); // on to the parents, like a wheel over the cells
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void FlexGrid::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const QPointer<FlexGrid> alive(this);
    const int startRow = row_, startCol = col_;
    int keyCode = KeyDownCode(event);
    const int shift = ShiftState(event);
    if (keyCode != 0) {
        if (!RunGuarded([&] { emit KeyDown(keyCode, shift); }) || !alive)
            return;
        moveByKey(keyCode, shift);
    }
    int keyAscii = KeyAsciiCode(event);
    if (keyAscii != 0) {
        if (!RunGuarded([&] { emit KeyPress(keyAscii); }) || !alive)
            return;
    }
    // The view follows a current cell moved by a key, whoever moved it.
    if (row_ != startRow || col_ != startCol)
        ensureVisible(row_, col_);
}

void FlexGrid::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    int keyCode = KeyDownCode(event);
    if (keyCode != 0)
        RunGuarded([&] { emit KeyUp(keyCode, ShiftState(event)); });
}

// The next visible column the user can edit from col, one step at a time.
// With none on the step's side the cursor stays, unless it stands in a fixed
// column (code can put it there): then it goes to the first visible one, or
// to the first column after the fixed ones when every column is hidden.
int FlexGrid::nextVisibleCol(int col, int step) const {
    int c = step > 0 ? std::max(col + step, fixedCols_) : col + step;
    for (; c >= fixedCols_ && c < cols_; c += step) {
        if (colPixels(c) > 0)
            return c;
    }
    if (col >= fixedCols_ && col < cols_)
        return col;
    return step < 0 ? nextVisibleCol(fixedCols_ - 1, +1) : std::min(fixedCols_, cols_ - 1);
}

void FlexGrid::moveByKey(int keyCode, int shift) {
    if (rows_ <= fixedRows_ || cols_ <= fixedCols_)
        return;
    const bool extend = shift & ShiftMaskShift;
    const bool ctrl = shift & ShiftMaskCtrl;
    // The step is taken from the cell the cursor is in, fixed or not; the
    // result is then kept among the cells the user can edit.
    int r = extend ? rowSel_ : row_;
    int c = extend ? colSel_ : col_;
    const int page = std::max(1, verticalScrollBar()->pageStep());
    switch (keyCode) {
    case vbKeyUp:
        r = std::max(fixedRows_, r - 1);
        break;
    case vbKeyDown:
        r = std::min(rows_ - 1, r + 1);
        break;
    case vbKeyLeft:
        c = nextVisibleCol(c, -1);
        break;
    case vbKeyRight:
        c = nextVisibleCol(c, +1);
        break;
    case vbKeyPageUp:
        r = std::max(fixedRows_, r - page);
        break;
    case vbKeyPageDown:
        r = std::min(rows_ - 1, r + page);
        break;
    case vbKeyHome:
        c = nextVisibleCol(fixedCols_ - 1, +1);
        if (ctrl)
            r = fixedRows_;
        break;
    case vbKeyEnd:
        c = nextVisibleCol(cols_, -1);
        if (ctrl)
            r = rows_ - 1;
        break;
    default:
        return;
    }
    // A step along one axis leaves the other where it was, unless that is
    // a fixed row or column.
    r = std::max(r, fixedRows_);
    if (c < fixedCols_)
        c = nextVisibleCol(c, +1);
    if (extend)
        select({row_, col_, r, c});
    else
        select({r, c, r, c});
    ensureVisible(r, c);
}

// --- mouse -----------------------------------------------------------------

int FlexGrid::mouseX(const QPoint& viewportPos) const {
    return PixelsToTwips(viewport()->x() + viewportPos.x());
}

int FlexGrid::mouseY(const QPoint& viewportPos) const {
    return PixelsToTwips(viewport()->y() + viewportPos.y());
}

void FlexGrid::updateMouseCell(const QPoint& pos) {
    mouseRow_ = rowAtY(pos.y());
    mouseCol_ = colAtX(pos.x());
}

bool FlexGrid::hitCell(const QPoint& pos, int& row, int& col) const {
    row = rowAtY(pos.y());
    col = colAtX(pos.x());
    const QRect cell = cellRect(row, col);
    return pos.x() >= 0 && pos.y() >= 0 && pos.x() < cell.right() + 1 &&
           pos.y() < cell.bottom() + 1;
}

int FlexGrid::resizeBorderAt(const QPoint& pos) const {
    if (pos.y() >= fixedHeightPixels())
        return -1;
    for (int c = 0; c < cols_; ++c) {
        if (c >= fixedCols_ && c < leftCol_)
            continue;
        const int width = colPixels(c);
        const int edge = colX(c) + width;
        if (width > 0 && std::abs(pos.x() - edge) <= ResizeGripPixels)
            return c;
        if (edge > viewport()->width())
            break;
    }
    return -1;
}

void FlexGrid::pressAt(const QPoint& pos, Qt::KeyboardModifiers mods) {
    int r = 0, c = 0;
    if (!hitCell(pos, r, c) || rows_ <= fixedRows_ || cols_ <= fixedCols_)
        return;
    const bool extend = mods & Qt::ShiftModifier;
    const int lastRow = rows_ - 1, lastCol = cols_ - 1;
    if (r < fixedRows_ && c < fixedCols_) {
        drag_ = Drag::None;
        select({fixedRows_, fixedCols_, lastRow, lastCol});
    } else if (r < fixedRows_) {
        drag_ = Drag::Cols;
        select({fixedRows_, extend ? std::max(col_, fixedCols_) : c, lastRow, c});
    } else if (c < fixedCols_) {
        drag_ = Drag::Rows;
        select({extend ? std::max(row_, fixedRows_) : r, fixedCols_, r, lastCol});
    } else {
        drag_ = Drag::Cells;
        if (extend)
            select({row_, col_, r, c});
        else
            select({r, c, r, c});
        ensureVisible(r, c);
    }
}

void FlexGrid::dragTo(const QPoint& pos) {
    if (drag_ == Drag::Resize) {
        const int pixels = std::max(0, resizeStartWidth_ + pos.x() - resizeStartX_);
        colWidths_[resizeCol_] = PixelsToTwips(pixels);
        updateScrollBars();
        repaint();
        return;
    }
    // Above or left of the scrolling area the selection reaches for the row
    // or column just out of view, so dragging there scrolls back.
    int r = rowAtY(pos.y());
    int c = colAtX(pos.x());
    if (r < fixedRows_)
        r = std::max(fixedRows_, topRow_ - (pos.y() < 0 ? 1 : 0));
    if (c < fixedCols_)
        c = std::max(fixedCols_, leftCol_ - (pos.x() < 0 ? 1 : 0));
    if (pos.y() >= viewport()->height())
        r = std::min(rows_ - 1, rowAtY(viewport()->height() - 1) + 1);
    if (pos.x() >= viewport()->width())
        c = std::min(cols_ - 1, colAtX(viewport()->width() - 1) + 1);
    switch (drag_) {
    case Drag::Cells:
        select({row_, col_, r, c});
        ensureVisible(r, c);
        break;
    case Drag::Rows:
        select({row_, col_, r, cols_ - 1});
        ensureVisible(r, leftCol_);
        break;
    case Drag::Cols:
        select({row_, col_, rows_ - 1, c});
        ensureVisible(topRow_, c);
        break;
    default:
        break;
    }
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    updateMouseCell(pos);
    if (event->button() == Qt::LeftButton) {
        resizeCol_ = resizeBorderAt(pos);
        if (resizeCol_ >= 0) {
            drag_ = Drag::Resize;
            resizeStartX_ = pos.x();
            resizeStartWidth_ = colPixels(resizeCol_);
        } else {
            pressAt(pos, event->modifiers());
        }
    }
    pressed_ = true;
    RunGuarded([&] {
        emit MouseDown(ButtonCode(event->button()), MouseShift(event->modifiers()), mouseX(pos),
                       mouseY(pos));
    });
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    updateMouseCell(pos);
    if ((event->buttons() & Qt::LeftButton) && drag_ != Drag::None) {
        dragTo(pos);
        return;
    }
    viewport()->setCursor(resizeBorderAt(pos) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    updateMouseCell(pos);
    drag_ = Drag::None;
    const bool click = pressed_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    const QPointer<FlexGrid> alive(this);
    const bool done = RunGuarded([&] {
        emit MouseUp(ButtonCode(event->button()), MouseShift(event->modifiers()), mouseX(pos),
                     mouseY(pos));
    });
    if (done && click && alive)
        RunGuarded([&] { emit Click(); });
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    updateMouseCell(event->position().toPoint());
    pressed_ = false; // the release that follows is no click of its own
    RunGuarded([&] { emit DblClick(); });
}

} // namespace platform
