#pragma once
// Paints at once what of a window is waiting to be painted, and nothing else:
// a window with no invalid region costs nothing. Used between records of a
// run, where repainting the whole window every time would slow the run down.

class QWidget;

namespace platform {

void PaintPending(QWidget& widget);

}  // namespace platform
