// Where the main window opens: the placement saved in durak.ini, kept on the screen.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

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

// Whether the desktop's own file and colour dialogs can be opened over the game's window on
// this windowing platform. The toolkit dialogs of a desktop (a GTK file chooser) tie
// themselves to their owner only under X11; on Wayland a compositor would open them
// anywhere, so there the game uses Qt's own dialogs, which are transient for their owner.
bool NativeDialogsStayOverTheGame(const QString& platformName);

// Chooses the dialogs for the running application's platform as above.
void KeepDialogsOverTheGame();

}  // namespace durak
