// A card library's pictures at every size it offers. A pack may hold, beside each picture
// ("6S"), renditions two and three times as large ("6S@2x", "6S@3x"). The card is drawn from
// the smallest of them that is at least as large as the pixels it covers, scaled smoothly
// down (or, when the pack has nothing large enough, up) to exactly those pixels.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace durak {

class TRenditionSet {
 public:
  // The pack's bytes of one rendition (factor 1..3), as stored (PNG).
  void SetPng(int factor, const QByteArray& png);
  // A larger rendition (factor 2 or 3) the pack holds, read only when a card is first drawn
  // from it: most of them are never needed, and reading them all would slow the start.
  void SetLater(int factor, std::function<QByteArray()> fetch);
  bool HasFactor(int factor) const;
  bool IsEmpty() const { return !HasFactor(1); }
  // The size of the picture itself (factor 1); empty when the pack lacks it.
  QSize BaseSize() const { return Base; }

  // The picture for a card of `logical` size on a screen of device pixel ratio `dpr`: the
  // chosen rendition brought to exactly logical x dpr pixels, marked with that ratio. A null
  // image when the pack lacks the picture. `factor` receives the rendition drawn from.
  QImage Render(QSize logical, double dpr, int* factor = nullptr) const;

 private:
  QByteArray BytesOf(int factor) const;

  std::array<QByteArray, 4> Png{};
  std::array<std::function<QByteArray()>, 4> Later{};
  QSize Base;
};

class TCardWidget;

// The 36 faces (card i: Tag i + 1, card number i + 17) and the chosen back of a card library.
struct TCardLibrary {
  std::array<TRenditionSet, 36> Faces{};
  TRenditionSet Back;
  // The library's card size: the back's size (0 x 0 when the back is missing).
  QSize CardSize() const { return Back.IsEmpty() ? QSize(0, 0) : Back.BaseSize(); }
};

// Shows every card at `card` size on a screen of device pixel ratio `dpr`, its face and back
// drawn from the library's best rendition for that size, and each card's current side. A
// picture is drawn when its card first shows it, the back once for all cards.
void ApplyCardPictures(const std::vector<TCardWidget*>& cards, const TCardLibrary& library,
                       QSize card, double dpr);

// Decodes a picture read from a pack; a null image when it is damaged or larger than
// `maxSide` pixels on a side.
QImage DecodePackPicture(const QByteArray& png, int maxSide);

// The entry name of a rendition: "6S" for factor 1, "6S@2x", "6S@3x".
QString RenditionName(const QString& name, int factor);

// Reads the picture `name` and its renditions through `read` (which returns an entry's bytes
// by file name, empty when missing). Given `present` (whether the pack holds an entry), the
// larger renditions are only noted now and read through `read` when first drawn, so `read`
// must then stay usable as long as the set.
TRenditionSet ReadRenditions(const QString& name,
                             const std::function<QByteArray(const QString& file)>& read,
                             const std::function<bool(const QString& file)>& present = {});

}  // namespace durak
