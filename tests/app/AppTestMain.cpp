// The window tests need one application object for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

#include "ProgramFonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("durak-tests"));
  durak::InstallFontSubstitutes();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
