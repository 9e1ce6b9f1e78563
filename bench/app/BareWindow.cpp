// The yardstick for the game's start-up: a bare Qt window of the same size, in a program that
// links nothing but Qt Widgets, shown and painted the way the start-up benchmark paints the
// game. Prints what bench_startup prints.
//   bench_bare_window [WxH]        an empty window
//   bench_bare_window menus [WxH]  a main window with nothing but the game's menu bar (three
//                                  menus and a command, one item each): the least a window
//                                  with the game's menus costs
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QSize size(630, 450);
  for (const QString& a : app.arguments().mid(1))
    if (a.contains(QLatin1Char('x')))
      size =
          QSize(a.section(QLatin1Char('x'), 0, 0).toInt(), a.section(QLatin1Char('x'), 1).toInt());
  QMainWindow bare;
  if (app.arguments().contains(QStringLiteral("menus"))) {
    for (const char* title : {"Файл", "Параметры", "Справка"})
      bare.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("..."));
    bare.menuBar()->addAction(QString::fromUtf8("Выход !!!"));
  }
  bare.resize(size);
  bare.show();
  QApplication::processEvents();
  const QPixmap painted = bare.grab();
  const qint64 ms = clock.elapsed();
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  const long long at = static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
  std::printf(
      "{\"startupMs\": %lld, \"residentKiB\": -1, \"painted\": %s, \"paintedAtNs\": %lld}\n",
      static_cast<long long>(ms), painted.isNull() ? "false" : "true", at);
  return 0;
}
