// A test that runs the game window in a fresh folder of its own: durak.ini and durak.r land
// there, and the window is started up to the end of its first activation.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TChempForm.h"
#include "TForm1.h"

namespace durak::testing {

class TWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
  }
  void TearDown() override { QDir::setCurrent(previous); }
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
  void Start(TForm1& form) {
    form.ChempForm()->ChempFile = dir.filePath("durak.r");
    form.show();
    for (int i = 0; i < 200 && (!form.Activated || QApplication::activeModalWidget()); ++i)
      QTest::qWait(10);
    QTest::qWait(50);
  }

  QTemporaryDir dir;
  QString previous;
};

}  // namespace durak::testing
