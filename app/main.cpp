// Durak: one person against the computer at the Russian card game.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "DurakVersion.h"
#include "MainWindow.h"
#include "ProgramFonts.h"
#include "SafeFile.h"
#include "WindowPlacement.h"

int main(int argc, char** argv) {
  // The one option of the program's own; every other argument is left to Qt or ignored.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("durak %s\n", DURAK_VERSION);
      return 0;
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("durak"));
  QApplication::setOrganizationName(QStringLiteral("durak"));
  QApplication::setApplicationVersion(QStringLiteral(DURAK_VERSION));
  durak::InstallFontSubstitutes();
  durak::KeepDialogsOverTheGame();
  // While a file's lock is waited for (another program may hold it), the window repaints.
  durak::SetLockWaitHook(
      [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10); });
  durak::TMainWindow window;
  window.show();
  return app.exec();
}
