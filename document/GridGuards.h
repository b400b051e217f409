#pragma once
// Scoped holds the document's grid passes take: the row-change busy mark, so
// their own cursor moves are not taken for the user's, the grid's drawing,
// so a pass over many cells paints once, and the hourglass pointer. Each puts back what it found,
// so a pass inside another leaves the outer one's hold in place.

#include "platform/widgets/FlexGrid.h"

#include <QWidget>

class BusyHold {
public:
    explicit BusyHold(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~BusyHold() { flag_ = previous_; }
    BusyHold(const BusyHold&) = delete;
    BusyHold& operator=(const BusyHold&) = delete;

private:
    bool& flag_;
    const bool previous_;
};

class RedrawOff {
public:
    explicit RedrawOff(platform::FlexGrid& grid) : grid_(grid), previous_(grid.redraw()) {
        grid_.setRedraw(false);
    }
    ~RedrawOff() { grid_.setRedraw(previous_); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    platform::FlexGrid& grid_;
    const bool previous_;
};

// The hourglass over the window while a pass runs.
class WaitPointer {
public:
    explicit WaitPointer(QWidget& window) : window_(window) { window_.setCursor(Qt::WaitCursor); }
    ~WaitPointer() { window_.unsetCursor(); }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;

private:
    QWidget& window_;
};
