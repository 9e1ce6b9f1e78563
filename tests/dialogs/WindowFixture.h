// A game window in a scratch folder, with its texts and card pictures loaded and every
// message collected instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "MainWindow.h"

namespace durak::testing {

class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs `answer` once the next modal dialog is up (it must close the dialog), then
  // `command`, which opens that dialog.
  static void Answer(const std::function<void()>& answer, const std::function<void()>& command);

  // Text n of the language pack in language 1 or 2.
  static QString PackText(int n, int language);

  TGame& Game() { return Form->Game(); }

  QTemporaryDir Scratch;
  QString OldDir;
  std::unique_ptr<TMainWindow> Form;
  QStringList Messages;
};

}  // namespace durak::testing
