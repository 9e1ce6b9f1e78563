#include "CardPacks.h"

#include <array>
#include <memory>

#include "CardFaces.h"
#include "CardRenditions.h"
#include "CardWidget.h"
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

// The library's pictures and renditions read from `pack`; the larger renditions are read
// when first drawn, through the pack kept open for them.
void ReadLibrary(const std::shared_ptr<ResourcePack>& pack, int rubaha,
                 const std::array<QByteArray, 36>* faces, TCardLibrary* library) {
  const auto read = [pack](const QString& file) { return pack->ReadEntry(file); };
  const auto present = [pack](const QString& file) {
    return pack->HasImage(file.chopped(4));  // without ".png"
  };
  library->Back = ReadRenditions(QStringLiteral("BK%1").arg(rubaha), read, present);
  if (faces == nullptr) return;
  for (int i = 0; i < 36; ++i) {
    // The faces themselves are read already.
    const QByteArray face = (*faces)[static_cast<size_t>(i)];
    const auto readFace = [pack, face](const QString& file) {
      return file.contains(QLatin1Char('@')) ? pack->ReadEntry(file) : face;
    };
    library->Faces[static_cast<size_t>(i)] = ReadRenditions(FaceNameOf(i + 17), readFace, present);
  }
}

}  // namespace

bool CardPackPlayable(ResourcePack& pack) {
  if (!pack.IsOpen() || !LargeEnough(pack.LoadImage(QStringLiteral("BK1")))) return false;
  for (int i = 0; i < 36; ++i)
    if (!LargeEnough(pack.LoadImage(FaceNameOf(i + 17)))) return false;
  return true;
}

bool LoadCardFaces(const std::vector<TCardWidget*>& cards, const QString& colodaPath, int rubaha,
                   int& cardWidth, int& cardHeight, TCardLibrary* library) {
  const auto shared = std::make_shared<ResourcePack>();
  ResourcePack& pack = *shared;
  if (!pack.Open(colodaPath)) return false;
  // Every face is read and its size checked before any card is changed; a face is decoded
  // only when a card first needs it.
  std::array<QByteArray, 36> faces;
  std::array<QSize, 36> sizes;
  for (int i = 0; i < 36; ++i) {
    faces[i] = pack.ReadEntry(FaceNameOf(i + 17) + QStringLiteral(".png"));
    sizes[i] = ResourcePack::PictureSize(faces[i]);
    if (!sizes[i].isValid() || sizes[i].width() < kMinCardPictureSide ||
        sizes[i].height() < kMinCardPictureSide)
      return false;
  }
  const QImage back = BackOf(pack, rubaha);
  if (!LargeEnough(back)) return false;
  for (size_t i = 0; i < cards.size(); ++i) {
    TCardWidget* card = cards[i];
    if (card == nullptr) continue;
    if (i < faces.size()) {
      const QByteArray png = faces[i];
      card->SetFaceSource(sizes[i], [png] { return ResourcePack::DecodePicture(png); });
    } else {
      card->SetFace(QImage());
    }
    card->SetBack(back);
    card->ShowState();
  }
  cardWidth = back.width();
  cardHeight = back.height();
  if (library != nullptr) ReadLibrary(shared, rubaha, &faces, library);
  return true;  // the pack closes when the library no longer needs it
}

bool SetBgAll(const std::vector<TCardWidget*>& cards, const QString& colodaPath, int n,
              TCardLibrary* library) {
  if (cards.empty()) return true;
  const auto shared = std::make_shared<ResourcePack>();
  ResourcePack& pack = *shared;
  if (!pack.Open(colodaPath)) return false;
  const QImage back = BackOf(pack, n);
  LoadBgAll(
      cards, [&back](const QString&) -> const QImage& { return back; }, n);
  if (library != nullptr) ReadLibrary(shared, n, nullptr, library);
  return true;
}

}  // namespace durak
