#pragma once

#include <QMargins>
#include <QRect>
#include <QRectF>

class QWidget;

namespace somnar {

// A window's frame rectangle (pixels, any values, however absurd) cut to the size of the area
// where it is larger and moved so that it lies wholly inside it. Values that are not numbers
// centre the window.
QRect FitOnScreen(const QRectF &frame, const QRect &area);

// The available area (without panels) of the screen that shows most of the rectangle, or of
// the primary screen when none shows any of it.
QRect AvailableArea(const QRectF &frame);

// The frame the window manager puts around the window: measured once the window is on the
// screen, before that an allowance for a title bar and borders.
QMargins FrameMargins(const QWidget &window);

}
