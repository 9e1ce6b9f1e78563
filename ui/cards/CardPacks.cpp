#include "CardPacks.h"

#include "CardFaces.h"
#include "ResourcePack.h"

namespace durak {

bool SetFacesAll(const std::vector<THotCard*>& cards, const QString& colodaPath, int rubaha,
                 int& cardWidth, int& cardHeight) {
  ResourcePack pack;
  if (!pack.Open(colodaPath)) return false;
  const QSize size = LoadFacesAll(
      cards, [&pack](const QString& name) { return pack.LoadImage(name); }, rubaha);
  cardWidth = size.width();
  cardHeight = size.height();
  return true;  // the pack closes as it goes out of scope
}

bool SetBgAll(const std::vector<THotCard*>& cards, const QString& colodaPath, int n) {
  if (cards.empty()) return true;
  ResourcePack pack;
  if (!pack.Open(colodaPath)) return false;
  LoadBgAll(
      cards, [&pack](const QString& name) { return pack.LoadImage(name); }, n);
  return true;
}

}  // namespace durak
