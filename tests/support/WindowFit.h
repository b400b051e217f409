#pragma once
// Whether a window shows its captions whole with the fonts at hand.

#include <QWidget>
#include <string>

// Every label, check box and button of window whose text is cut: wider than
// the control, outside the window, or running into a control beside it that
// is not a caption. One line for each, naming the control and what is wrong;
// empty for a window that fits. The window should be shown first.
std::string CutCaptions(const QWidget& window);
