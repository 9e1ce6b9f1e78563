#include "Recipe.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <array>
#include <memory>

#include "CardArt.h"
#include "CardBacks.h"
#include "DeskArt.h"
#include "PackWriter.h"
#include "SoundArt.h"

namespace packbuilder {

bool ReadRecipe(const QString& path, std::vector<RecipeLine>* lines, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    *error = QStringLiteral("cannot read recipe %1").arg(path);
    return false;
  }
  QTextStream in(&file);
  int number = 0;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    ++number;
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    RecipeLine entry;
    entry.lineNumber = number;
    entry.command = words.takeFirst();
    entry.args = words;
    lines->push_back(entry);
  }
  return true;
}

namespace {

// The largest rendition a pack may hold: three times the picture's own size.
constexpr int kRenditions = 3;

// Every face and back goes into a card pack at its own size and three times it. A screen
// that shows cards twice as large draws them from the @3x picture scaled down, which looks
// the same as a picture drawn at twice the size; leaving out "@2x" keeps the packs small.
constexpr std::array<int, 2> kCardFactors = {1, 3};

// "6S", "6S@2x", "6S@3x".
QString Rendition(const QString& name, int factor) {
  return factor == 1 ? name : name + QStringLiteral("@%1x").arg(factor);
}

// The state of a recipe being carried out.
class Runner {
 public:
  Runner(const BuildContext& context, PackWriter* pack) : context_(context), pack_(pack) {}

  bool Run(const RecipeLine& line, QString* error) {
    const QString& c = line.command;
    const QStringList& a = line.args;
    if (c == QLatin1String("deck") && a.size() == 1) return LoadDeck(a[0], error);
    if (c == QLatin1String("width") && a.size() == 1) return SetWidth(a[0], error);
    if (c == QLatin1String("faces") && a.isEmpty()) return AddFaces(error);
    if (c == QLatin1String("back") && !a.isEmpty()) return AddBack(a, error);
    if (c == QLatin1String("file") && a.size() == 2) return AddFile(a[0], a[1], error);
    if (c == QLatin1String("tilesize") && a.size() == 1) return SetTileSize(a[0], error);
    if (c == QLatin1String("renditions") && a.size() == 1) return SetRenditions(a[0], error);
    if (c == QLatin1String("tile") && a.size() >= 2) return AddTile(a, error);
    if (c == QLatin1String("sound") && a.size() == 1) return AddSound(a[0], error);
    *error = QStringLiteral("unknown command or wrong arguments: %1").arg(c);
    return false;
  }

 private:
  QString SourcePath(const QString& name) const {
    return QDir::isAbsolutePath(name) ? name : QDir(context_.recipeDir).filePath(name);
  }

  bool LoadDeck(const QString& file, QString* error) {
    deck_ = std::make_unique<SvgDeck>(QDir(context_.svgDir).filePath(file));
    if (!deck_->IsValid()) {
      *error = QStringLiteral("cannot read the deck %1 in %2").arg(file, context_.svgDir);
      return false;
    }
    return true;
  }

  bool SetWidth(const QString& text, QString* error) {
    bool ok = false;
    width_ = text.toInt(&ok);
    if (!ok || width_ < 20 || width_ > 400) {
      *error = QStringLiteral("card width out of range: %1").arg(text);
      return false;
    }
    return true;
  }

  QSize CardSizeOrFail(QString* error) const {
    if (!deck_) {
      *error = QStringLiteral("no deck given before the cards");
      return {};
    }
    return ScaledCardSize(deck_->CardSize(SvgCardId(14, 1)), width_);
  }

  bool AddFaces(QString* error) {
    const QSize size = CardSizeOrFail(error);
    if (size.isEmpty()) return false;
    for (int rank = 6; rank <= 14; ++rank) {
      for (int suit = 1; suit <= 4; ++suit) {
        const QString id = SvgCardId(rank, suit);
        if (!deck_->HasCard(id)) {
          *error = QStringLiteral("the deck has no card %1").arg(id);
          return false;
        }
        // The face and its rendition for screens that show cards larger (a big window, a
        // high-density screen).
        for (int f : kCardFactors)
          pack_->AddPicture(Rendition(FaceName(rank, suit), f), deck_->Render(id, size * f));
      }
    }
    return true;
  }

  // "back svg FILE [ID]" takes a back from a packaged deck; "back drawn STYLE
  // COLOUR COLOUR" draws one. Backs are numbered BK1, BK2, ... in recipe order.
  bool AddBack(const QStringList& a, QString* error) {
    const QSize size = CardSizeOrFail(error);
    if (size.isEmpty()) return false;
    std::vector<QImage> backs;
    if (a[0] == QLatin1String("svg") && (a.size() == 2 || a.size() == 3)) {
      const SvgDeck other(QDir(context_.svgDir).filePath(a[1]));
      const QString id = a.size() == 3 ? a[2] : QStringLiteral("back");
      if (!other.IsValid() || !other.HasCard(id)) {
        *error = QStringLiteral("no back %1 in %2").arg(id, a[1]);
        return false;
      }
      for (int f : kCardFactors) backs.push_back(other.Render(id, size * f));
    } else if (a[0] == QLatin1String("drawn") && a.size() == 4) {
      for (int f : kCardFactors)
        backs.push_back(DrawBack(a[1], QColor(a[2]), QColor(a[3]), size, f));
      if (backs[0].isNull()) {
        *error = QStringLiteral("unknown back style %1").arg(a[1]);
        return false;
      }
    } else {
      *error = QStringLiteral("back: expected 'svg FILE [ID]' or 'drawn STYLE COLOUR COLOUR'");
      return false;
    }
    const QString name = QStringLiteral("BK%1").arg(++backs_);
    for (size_t i = 0; i < kCardFactors.size(); ++i)
      pack_->AddPicture(Rendition(name, kCardFactors[i]), backs[i]);
    return true;
  }

  bool AddFile(const QString& name, const QString& source, QString* error) {
    QFile file(SourcePath(source));
    if (!file.open(QIODevice::ReadOnly)) {
      *error = QStringLiteral("cannot read %1").arg(file.fileName());
      return false;
    }
    pack_->AddFile(name, file.readAll());
    return true;
  }

  bool SetTileSize(const QString& text, QString* error) {
    bool ok = false;
    tileSize_ = text.toInt(&ok);
    if (!ok || tileSize_ < 16 || tileSize_ > 1024) {
      *error = QStringLiteral("tile size out of range: %1").arg(text);
      return false;
    }
    return true;
  }

  // "renditions N": the desk tiles that follow get N - 1 larger renditions ("DT1@2x", ...).
  bool SetRenditions(const QString& text, QString* error) {
    bool ok = false;
    tileRenditions_ = text.toInt(&ok);
    if (!ok || tileRenditions_ < 1 || tileRenditions_ > kRenditions) {
      *error = QStringLiteral("renditions out of range: %1").arg(text);
      return false;
    }
    return true;
  }

  // "tile STYLE SEED [COLOUR...]": desk pictures DT1, DT2, ... in recipe order.
  bool AddTile(const QStringList& a, QString* error) {
    QList<QColor> colours;
    for (int i = 2; i < a.size(); ++i) colours << QColor(a[i]);
    const QImage tile = DrawDeskTile(a[0], a[1].toUInt(), colours, tileSize_);
    if (tile.isNull()) {
      *error = QStringLiteral("unknown desk style %1").arg(a[0]);
      return false;
    }
    // The same tile drawn two and three times as large, for dense screens.
    const QString name = QStringLiteral("DT%1").arg(++tiles_);
    pack_->AddPicture(name, tile);
    for (int f = 2; f <= tileRenditions_; ++f)
      pack_->AddPicture(Rendition(name, f),
                        DrawDeskTile(a[0], a[1].toUInt(), colours, tileSize_ * f));
    return true;
  }

  // "sound KIND": sounds SND1, SND2, ... in recipe order.
  bool AddSound(const QString& kind, QString* error) {
    const QByteArray wav = SynthesiseSound(kind);
    if (wav.isEmpty()) {
      *error = QStringLiteral("unknown sound %1").arg(kind);
      return false;
    }
    pack_->AddFile(QStringLiteral("SND%1.wav").arg(++sounds_), wav);
    return true;
  }

  const BuildContext& context_;
  PackWriter* pack_;
  std::unique_ptr<SvgDeck> deck_;
  int width_ = 71;
  int backs_ = 0;
  int tileSize_ = 128;
  int tiles_ = 0;
  int tileRenditions_ = 1;
  int sounds_ = 0;
};

}  // namespace

bool RunRecipe(const std::vector<RecipeLine>& lines, const BuildContext& context, PackWriter* pack,
               QString* error) {
  Runner runner(context, pack);
  for (const RecipeLine& line : lines) {
    if (!runner.Run(line, error)) {
      *error = QStringLiteral("line %1: %2").arg(line.lineNumber).arg(*error);
      return false;
    }
  }
  return true;
}

}  // namespace packbuilder
