// A test that runs the game window in a fresh folder of its own: durak.ini and durak.r land
// there, and the window is started up to the end of its first activation.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ChampionsDialog.h"
#include "MainWindow.h"
#include "ModalDriver.h"

namespace durak::testing {

class TWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
  }
  void TearDown() override {
    CloseWindow();
    QDir::setCurrent(previous);
  }
  QString ReadText(const QString& name) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
  }
  void WriteText(const QString& name, const QByteArray& text) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(text);
  }
  // Starts the window and waits for its first activation to finish.
  void Start(TMainWindow& form) {
    form.ChampionsDialog()->ChempFile = dir.filePath("durak.r");
    form.show();
    for (int i = 0; i < 200 && (!form.Activated || QApplication::activeModalWidget()); ++i)
      QTest::qWait(10);
    QTest::qWait(50);
  }
  // The fixture's own window, started with Driver answering its dialogs (the driver comes
  // first, so it is there for the start-up's player dialog and champions table). `speed` is
  // the cards' speed; 0 keeps the one durak.ini gives.
  TMainWindow& StartWindow(int speed = 0) {
    CloseWindow();
    Driver = std::make_unique<TModalDriver>();
    Window = std::make_unique<TMainWindow>();
    if (speed > 0) Window->Game().GlideSpeed = speed;
    Start(*Window);
    return *Window;
  }
  // Closes the fixture's window as the player would leave the game: its files are written.
  void CloseWindow() {
    Window.reset();
    Driver.reset();
  }
  // The same, at the fastest speed, as a test that plays wants it.
  TMainWindow& StartFastWindow() { return StartWindow(100); }
  // The same, after putting the given durak.ini in the folder.
  TMainWindow& StartWindowWith(const QByteArray& ini) {
    WriteText("durak.ini", ini);
    return StartWindow();
  }

  QTemporaryDir dir;
  QString previous;
  std::unique_ptr<TModalDriver> Driver;
  std::unique_ptr<TMainWindow> Window;
};

}  // namespace durak::testing
