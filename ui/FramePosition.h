#pragma once
// Placing a top-level window by the top-left corner of its frame rather than of its client area.

#include <QPoint>

class QWidget;

namespace ui {

// On X11 a window manager adds its frame only after the window is shown, so QWidget::move() on a new
// window places the client area and leaves the title bar off the screen at 0, 0. Telling the platform
// window that the position includes the frame lets the window manager put the frame's corner there.
void PlaceFrameAt(QWidget& window, QPoint frameTopLeft);

}  // namespace ui
