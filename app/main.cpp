// Durak: one person against the computer at the Russian card game.
#include <QApplication>

#include "ProgramFonts.h"
#include "TForm1.h"
#include "WindowPlacement.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("durak"));
  QApplication::setOrganizationName(QStringLiteral("durak"));
  durak::InstallFontSubstitutes();
  durak::KeepDialogsOverTheGame();
  durak::TForm1 window;
  window.show();
  return app.exec();
}
