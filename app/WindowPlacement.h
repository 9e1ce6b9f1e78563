// Where the main window opens: the placement saved in durak.ini, kept on the screen.
#pragma once

#include <QRect>
#include <QSize>

namespace durak {

// The saved placement moved and shrunk so that the whole window lies on the available
// area and is never larger than it; the minimum size wins over a smaller screen, and then
// the window's top-left corner stays on the screen.
// The saved numbers may be anything a file can hold, so they come in as they were read.
QRect ClampPlacement(int left, int top, int width, int height, const QRect& available,
                     const QSize& minimum);

// The available area of the screen under the middle of the saved placement, or of the
// primary screen when no screen is there; an empty rectangle when there is no screen.
QRect AvailableAreaFor(int left, int top, int width, int height);

}  // namespace durak
