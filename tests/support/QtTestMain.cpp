// The main of every Qt test program: one application object for the whole run, on Qt's
// offscreen platform unless the run names another. What a program's tests need besides
// comes from its build (durak_qt_test_main in tests/support/CMakeLists.txt).
#include <gtest/gtest.h>

#include <QApplication>

#ifdef DURAK_TEST_FONTS
#include "ProgramFonts.h"
#endif
#ifdef DURAK_TEST_CARDS
#include "CardView.h"
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
#ifdef DURAK_TEST_APP_NAME
  QApplication::setApplicationName(QStringLiteral(DURAK_TEST_APP_NAME));
#endif
#ifdef DURAK_TEST_FONTS
  // The game's windows draw with the fonts the game maps its old font names to.
  durak::InstallFontSubstitutes();
#endif
#ifdef DURAK_TEST_CARDS
  // Cards jump through their frames without waiting for the display: the tests look at
  // where cards end up, and a test of the pacing turns it on for itself.
  durak::TCardView::SetFramePacing(false);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
