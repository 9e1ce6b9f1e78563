// durak-packbuilder: makes the game's resource packs from the recipes in packs/.
//
//   durak-packbuilder pack RECIPE OUT [--svg-dir DIR]   build one pack
//   durak-packbuilder sheet PACK OUT.png                 contact sheet of a pack
//   durak-packbuilder own OUTDIR [--svg-dir DIR]         the program's own pictures
//   durak-packbuilder icons OUTDIR SIZE... [--svg-dir DIR]  the icon for the desktop's theme

#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QStringList>
#include <cstdio>

#include "ContactSheet.h"
#include "IconArt.h"
#include "OwnArt.h"
#include "PackWriter.h"
#include "Recipe.h"

using namespace packbuilder;

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "durak-packbuilder: %s\n", qPrintable(message));
  return 1;
}

int Usage() {
  return Fail(
      QStringLiteral("usage: durak-packbuilder pack RECIPE OUT [--svg-dir DIR]\n"
                     "       durak-packbuilder sheet PACK OUT.png\n"
                     "       durak-packbuilder own OUTDIR [--svg-dir DIR]\n"
                     "       durak-packbuilder icons OUTDIR SIZE... [--svg-dir DIR]"));
}

int BuildPack(const QString& recipe, const QString& out, const QString& svgDir) {
  std::vector<RecipeLine> lines;
  QString error;
  if (!ReadRecipe(recipe, &lines, &error)) return Fail(error);
  BuildContext context;
  context.recipeDir = QFileInfo(recipe).absolutePath();
  context.svgDir = svgDir;
  PackWriter pack;
  if (!RunRecipe(lines, context, &pack, &error)) return Fail(recipe + QStringLiteral(" ") + error);
  if (!pack.Write(out, &error)) return Fail(error);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing text and SVG needs a GUI application; no window is ever shown.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // Some packaged decks refer to shapes they leave out; those decks are not used
  // for faces, and the renderer's complaints about them would bury real errors.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
  QStringList args = app.arguments().mid(1);
  QString svgDir = QStringLiteral("/usr/share/aisleriot/cards");
  const int at = static_cast<int>(args.indexOf(QStringLiteral("--svg-dir")));
  if (at >= 0) {
    if (at + 1 >= args.size()) return Usage();
    svgDir = args[at + 1];
    args.remove(at, 2);
  }
  if (args.size() == 3 && args[0] == QLatin1String("pack"))
    return BuildPack(args[1], args[2], svgDir);
  if (args.size() == 3 && args[0] == QLatin1String("sheet")) {
    QString error;
    const QImage sheet = MakeContactSheet(args[1], &error);
    if (sheet.isNull()) return Fail(error);
    return sheet.save(args[2]) ? 0 : Fail(QStringLiteral("cannot write ") + args[2]);
  }
  if (args.size() == 2 && args[0] == QLatin1String("own")) {
    QString error;
    return WriteOwnPictures(args[1], svgDir, &error) ? 0 : Fail(error);
  }
  if (args.size() >= 3 && args[0] == QLatin1String("icons")) {
    QList<int> sizes;
    for (const QString& arg : args.mid(2)) {
      bool ok = false;
      const int size = arg.toInt(&ok);
      if (!ok || size < 1 || size > 1024) return Usage();
      sizes << size;
    }
    QString error;
    return WriteIconTheme(args[1], svgDir, sizes, &error) ? 0 : Fail(error);
  }
  return Usage();
}
