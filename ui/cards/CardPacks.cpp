#include "CardPacks.h"

#include <array>

#include "CardFaces.h"
#include "CardRenditions.h"
#include "ResourcePack.h"

namespace durak {

namespace {

bool LargeEnough(const QImage& image) {
  return !image.isNull() && image.width() >= kMinCardPictureSide &&
         image.height() >= kMinCardPictureSide;
}

// The back "BK<n>", or the library's first back when it has no usable back n.
QImage BackOf(ResourcePack& pack, int n) {
  const QImage back = pack.LoadImage(QStringLiteral("BK%1").arg(n));
  return LargeEnough(back) ? back : pack.LoadImage(QStringLiteral("BK1"));
}

}  // namespace

bool CardPackPlayable(ResourcePack& pack) {
  if (!pack.IsOpen() || !LargeEnough(pack.LoadImage(QStringLiteral("BK1")))) return false;
  for (int i = 0; i < 36; ++i)
    if (!LargeEnough(pack.LoadImage(FaceNameOf(i + 17)))) return false;
  return true;
}

bool SetFacesAll(const std::vector<THotCard*>& cards, const QString& colodaPath, int rubaha,
                 int& cardWidth, int& cardHeight, TCardLibrary* library) {
  ResourcePack pack;
  if (!pack.Open(colodaPath)) return false;
  // Every face is read and checked before any card is changed.
  std::array<QImage, 36> faces;
  for (int i = 0; i < 36; ++i) {
    faces[i] = pack.LoadImage(FaceNameOf(i + 17));
    if (!LargeEnough(faces[i])) return false;
  }
  const QImage back = BackOf(pack, rubaha);
  if (!LargeEnough(back)) return false;
  const QString backName = QStringLiteral("BK%1").arg(rubaha);
  const QSize size = LoadFacesAll(
      cards,
      [&](const QString& name) {
        if (name.compare(backName, Qt::CaseInsensitive) == 0) return back;
        for (int i = 0; i < 36; ++i)
          if (name.compare(FaceNameOf(i + 17), Qt::CaseInsensitive) == 0) return faces[i];
        return QImage();
      },
      rubaha);
  cardWidth = size.width();
  cardHeight = size.height();
  if (library != nullptr) {
    auto read = [&pack](const QString& file) { return pack.ReadEntry(file); };
    library->Back = ReadRenditions(QStringLiteral("BK%1").arg(rubaha), read);
    for (int i = 0; i < 36; ++i) library->Faces[i] = ReadRenditions(FaceNameOf(i + 17), read);
  }
  return true;  // the pack closes as it goes out of scope
}

bool SetBgAll(const std::vector<THotCard*>& cards, const QString& colodaPath, int n,
              TCardLibrary* library) {
  if (cards.empty()) return true;
  ResourcePack pack;
  if (!pack.Open(colodaPath)) return false;
  const QImage back = BackOf(pack, n);
  LoadBgAll(
      cards, [&back](const QString&) { return back; }, n);
  if (library != nullptr) {
    library->Back = ReadRenditions(QStringLiteral("bk%1").arg(n),
                                   [&pack](const QString& file) { return pack.ReadEntry(file); });
  }
  return true;
}

}  // namespace durak
