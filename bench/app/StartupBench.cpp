// Times one start of the game window as a player meets it: settings read, window and cards
// made, language and card pictures loaded from their packs, a new game, the table painted.
// Prints the milliseconds and the resident memory in KiB afterwards.
//   bench_startup                 the smallest window
//   bench_startup 1280x1024       a window of that size (the cards grow with it)
//   bench_startup bare 1280x1024  a bare Qt window of that size, for comparison
//   ... phases                    also the time and memory after each step, on stderr
//   ... save=FILE                 also keeps the painted table as a picture
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "MainWindow.h"
#include "ProgramFonts.h"

namespace {

// The monotonic clock in nanoseconds, shared by all processes of the machine: a launcher
// that reads it before starting this program gets the start-up from launch to painting.
long long MonotonicNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

long ResidentKiB() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  QSize size;
  for (const QString& a : args)
    if (a.contains(QLatin1Char('x')) && !a.startsWith(QStringLiteral("save=")))
      size =
          QSize(a.section(QLatin1Char('x'), 0, 0).toInt(), a.section(QLatin1Char('x'), 1).toInt());
  if (args.contains(QStringLiteral("bare"))) {
    QWidget bare;
    bare.resize(size.isValid() ? size : QSize(630, 450));
    bare.show();
    QApplication::processEvents();
    const QPixmap painted = bare.grab();
    const long long at = MonotonicNs();
    std::printf(
        "{\"startupMs\": %lld, \"residentKiB\": %ld, \"painted\": %s, \"paintedAtNs\": %lld}\n",
        static_cast<long long>(clock.elapsed()), ResidentKiB(), painted.isNull() ? "false" : "true",
        at);
    return 0;
  }
  const bool phases = args.contains(QStringLiteral("phases"));
  auto mark = [&](const char* what) {
    if (phases)
      std::fprintf(stderr, "%6lld ms %7ld KiB  %s\n", static_cast<long long>(clock.elapsed()),
                   ResidentKiB(), what);
  };
  mark("application");
  durak::InstallFontSubstitutes();
  QTemporaryDir dir;
  QDir::setCurrent(dir.path());
  durak::TMainWindow form;
  mark("window made");
  form.Activated = true;  // the start-up steps run below, without the champions dialog
  if (size.isValid()) form.resize(size);
  form.show();
  mark("shown");
  form.LanguageChosen(1);
  mark("language");
  form.LoadCardFaces();
  mark("card pictures");
  form.Menus().CheckDeskLibrary();
  mark("desk library");
  form.Game().NewGame();
  mark("new game");
  QApplication::processEvents();
  mark("events");
  const QPixmap painted = form.grab();
  mark("painted");
  const qint64 ms = clock.elapsed();
  const long long at = MonotonicNs();
  // "save=FILE" keeps the painted table for looking at.
  for (const QString& a : args)
    if (a.startsWith(QStringLiteral("save="))) painted.save(a.mid(5));
  std::printf(
      "{\"startupMs\": %lld, \"residentKiB\": %ld, \"painted\": %s, \"paintedAtNs\": %lld}\n",
      static_cast<long long>(ms), ResidentKiB(), painted.isNull() ? "false" : "true", at);
  return 0;
}
