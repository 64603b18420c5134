#include "platform/window/PaintPending.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace platform {

void PaintPending(QWidget& widget)
{
    // Invalidated widgets post one update request to their top-level window;
    // delivering it now paints exactly the invalid regions.
    QCoreApplication::sendPostedEvents(widget.window(), QEvent::UpdateRequest);
}

}  // namespace platform
