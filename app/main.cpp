// Durak: one person against the computer at the Russian card game.
#include <QApplication>

#include "ProgramFonts.h"
#include "SafeFile.h"
#include "TForm1.h"
#include "WindowPlacement.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("durak"));
  QApplication::setOrganizationName(QStringLiteral("durak"));
  durak::InstallFontSubstitutes();
  durak::KeepDialogsOverTheGame();
  // While a file's lock is waited for (another program may hold it), the window repaints.
  durak::SetLockWaitHook(
      [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10); });
  durak::TForm1 window;
  window.show();
  return app.exec();
}
