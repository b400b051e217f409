#pragma once
// Position and size of a control in twips, relative to its parent widget, the
// way the program lays out its windows.
//
// Values are whole pixels underneath (15 twips each); reading gives back the
// pixel position in twips, so sums of read values compose exactly: an editor
// placed at grid Left + CellLeft, Top + CellTop lies over the cell pixel for
// pixel when the editor and the grid share one parent.
//
// A negative width or height is refused with error 380 "Invalid property
// value" and the control keeps its size.

#include <QWidget>

namespace platform {

constexpr int ErrInvalidPropertyValue = 380;

int LeftTwips(const QWidget* widget);
int TopTwips(const QWidget* widget);
int WidthTwips(const QWidget* widget);
int HeightTwips(const QWidget* widget);

void SetLeftTwips(QWidget* widget, int twips);
void SetTopTwips(QWidget* widget, int twips);
void SetWidthTwips(QWidget* widget, int twips);
void SetHeightTwips(QWidget* widget, int twips);
void MoveTwips(QWidget* widget, int left, int top, int width, int height);

} // namespace platform
