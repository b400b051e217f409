#pragma once
// The windows are laid out in twips for a small 8.25 pt dialog font. Fonts
// found elsewhere are often wider; these keep every caption whole while the
// controls stay where they were placed.

#include <QRect>
#include <QWidget>

namespace platform {

// The point size the windows were laid out for.
constexpr double DesignPointSize = 8.25;

// The window and every control in it that names no size of its own take the
// design point size.
void UseDesignPointSize(QWidget* window);

// Places a label or button at rect, widened only as far as its text needs. A
// centred label grows to both sides and keeps its centre; any other grows to
// the right.
void PlaceFitted(QWidget* widget, const QRect& rect);

} // namespace platform
