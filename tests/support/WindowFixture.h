// The game window in a fresh folder of its own: durak.ini and durak.r land there. A test
// either starts the window as a player does (the start-up round, its dialogs answered by a
// TModalDriver) or, with WindowFixture, gets a quiet window made at set-up: no start-up
// round, its texts and card pictures loaded and every message collected instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <functional>
#include <memory>

#include "ChampionsDialog.h"
#include "MainWindow.h"
#include "ModalDriver.h"

namespace durak::testing {

class TWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
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
  // Starts the window and waits until its first activation has finished: the start-up
  // round is over (the last dialogs it makes are there) or the window closed itself. The
  // deals are shuffled from DealSeed, so every run plays the same cards. A start that does
  // not finish within a minute fails the test rather than letting it go on half started.
  void Start(TMainWindow& form) {
    form.ChampionsDialog()->ChempFile = dir.filePath("durak.r");
    form.FixedMillisOfDay = DealSeed;
    form.show();
    const bool finished = QTest::qWaitFor(
        [&form] {
          return !form.isVisible() || (form.Menus().AppearanceDialog().IfMade() != nullptr &&
                                       !QApplication::activeModalWidget());
        },
        kStartMillis);
    ASSERT_TRUE(finished) << "the window did not finish its start-up within " << kStartMillis / 1000
                          << " s";
    // Activation is asked for but not required: a window shown again after a table of three
    // or four, or on a platform without a window manager, may stay inactive.
    if (form.isVisible()) (void)QTest::qWaitForWindowActive(&form, 2000);
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

  static constexpr int kStartMillis = 60000;
  // The time of day the fixture's deals are shuffled from (a test may set another before
  // starting the window).
  uint32_t DealSeed = 12 * 3600 * 1000;
  QTemporaryDir dir;
  QString previous;
  std::unique_ptr<TModalDriver> Driver;
  std::unique_ptr<TMainWindow> Window;
};

// The quiet window of the dialog tests, made and shown at set-up as Form.
class WindowFixture : public TWindowTest {
 protected:
  void SetUp() override;

  // Runs `answer` once the next modal dialog is up (it must close the dialog), then
  // `command`, which opens that dialog.
  static void Answer(const std::function<void()>& answer, const std::function<void()>& command);

  // Text n of the language pack in language 1 or 2.
  static QString PackText(int n, int language);

  TGame& Game() { return Form->Game(); }

  // The dialog tests' names for the fixture's folder and window.
  QTemporaryDir& Scratch = dir;
  std::unique_ptr<TMainWindow>& Form = Window;
  QStringList Messages;
};

}  // namespace durak::testing
