#include "CardPacks.h"

#include "CardFaces.h"
#include "CardRenditions.h"
#include "ResourcePack.h"

namespace durak {

bool SetFacesAll(const std::vector<THotCard*>& cards, const QString& colodaPath, int rubaha,
                 int& cardWidth, int& cardHeight, TCardLibrary* library) {
  ResourcePack pack;
  if (!pack.Open(colodaPath)) return false;
  const QSize size = LoadFacesAll(
      cards, [&pack](const QString& name) { return pack.LoadImage(name); }, rubaha);
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
  LoadBgAll(
      cards, [&pack](const QString& name) { return pack.LoadImage(name); }, n);
  if (library != nullptr) {
    library->Back = ReadRenditions(QStringLiteral("bk%1").arg(n),
                                   [&pack](const QString& file) { return pack.ReadEntry(file); });
  }
  return true;
}

}  // namespace durak
