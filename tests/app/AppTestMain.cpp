// The window tests need one application object for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

#include "ProgramFonts.h"
#include "TCard.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("durak-tests"));
  durak::InstallFontSubstitutes();
  // Cards jump through their frames without waiting for the display: the tests look at
  // where cards end up, and a test of the pacing turns it on for itself.
  durak::TCard::SetFramePacing(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
