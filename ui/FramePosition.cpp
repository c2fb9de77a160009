#include "FramePosition.h"

#include <QWidget>
#include <QWindow>

namespace ui {

void PlaceFrameAt(QWidget& window, QPoint frameTopLeft) {
    window.move(frameTopLeft);
    window.winId();  // makes the platform window, so that its position policy can be set
    if (QWindow* platformWindow = window.windowHandle()) platformWindow->setFramePosition(frameTopLeft);
}

}  // namespace ui
