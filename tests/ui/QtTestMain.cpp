// Runs the widget tests inside one application object on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "TCard.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Cards jump through their frames without waiting for the display: the tests look at
  // where cards end up, and a test of the pacing turns it on for itself.
  durak::TCard::SetFramePacing(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
