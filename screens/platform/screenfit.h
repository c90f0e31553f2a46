// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that fit the screen they open on: at the designed size nothing
// changes; where the design at the current scale is larger than the
// screen's free area, the window opens at the largest size that fits.
#pragma once

#include <QRect>
#include <QSize>

class QMainWindow;
class QWidget;

// The largest outer size within `available`, given the window frame's
// extra width and height, and the top-left corner that keeps the window
// on that area nearest `wanted`.
QRect fittedGeometry(QSize inner, QPoint wanted, QSize frame, const QRect& available);

// A resizable window: shrunk and moved to fit, its own minimum permitting.
void fitToScreen(QWidget& window);

// A window whose client has a fixed size: where it does not fit, the client
// goes into a scroll area, so every control stays reachable.
void scrollWhenTooLarge(QMainWindow& window);

// A fixed-size window whose controls sit on the window itself: where it
// does not fit, they move into a scroll area that fills the window at the
// largest size that fits, keeping their places and their focus order. A
// window that fits stays where it was put, or where the window system puts it.
void fitFixedWindow(QWidget& window);
// The same on a given free area of a screen.
void fitFixedWindow(QWidget& window, const QRect& available);
