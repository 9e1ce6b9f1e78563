#include "CardRenditions.h"

#include <cmath>
#include <memory>
#include <vector>

#include "CardMath.h"
#include "CardWidget.h"
#include "PictureFormat.h"

namespace durak {

namespace {
// Larger pictures are treated as missing, as the packs do.
constexpr int kMaxSide = 4096;
}  // namespace

QImage DecodePackPicture(const QByteArray& png, int maxSide) {
  return DecodePictureBytes(png, maxSide);
}

QString RenditionName(const QString& name, int factor) {
  return factor <= 1 ? name : name + QStringLiteral("@%1x").arg(factor);
}

void TRenditionSet::SetPng(int factor, const QByteArray& png) {
  if (factor < 1 || factor > 3) return;
  Png[factor] = png;
  if (factor != 1) return;
  Base = KeptPictureSize(PictureHeaderSize(png), kMaxSide);
  if (!Base.isValid()) Png[1].clear();
}

void TRenditionSet::SetLater(int factor, std::function<QByteArray()> fetch) {
  if (factor < 2 || factor > 3) return;
  Png[factor].clear();
  Later[factor] = std::move(fetch);
}

bool TRenditionSet::HasFactor(int factor) const {
  return factor >= 1 && factor <= 3 && (!Png[factor].isEmpty() || Later[factor]);
}

QByteArray TRenditionSet::BytesOf(int factor) const {
  if (!Png[factor].isEmpty() || !Later[factor]) return Png[factor];
  return Later[factor]();
}

QImage TRenditionSet::Render(QSize logical, double dpr, int* factor) const {
  if (factor != nullptr) *factor = 0;
  if (IsEmpty() || logical.isEmpty()) return {};
  if (dpr <= 0) dpr = 1;
  const QSize pixels(static_cast<int>(std::lround(logical.width() * dpr)),
                     static_cast<int>(std::lround(logical.height() * dpr)));
  const double needed = std::max(static_cast<double>(pixels.width()) / Base.width(),
                                 static_cast<double>(pixels.height()) / Base.height());
  std::vector<int> available;
  for (int f = 1; f <= 3; ++f)
    if (HasFactor(f)) available.push_back(f);
  int chosen = PickRendition(available, needed);
  QImage picture = DecodePackPicture(BytesOf(chosen), kMaxSide);
  // A damaged (or meanwhile vanished) rendition falls back to the picture itself.
  if (picture.isNull() && chosen != 1) {
    chosen = 1;
    picture = DecodePackPicture(Png[1], kMaxSide);
  }
  if (picture.isNull()) return {};
  if (picture.size() != pixels)
    picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  picture.setDevicePixelRatio(dpr);
  if (factor != nullptr) *factor = chosen;
  return picture;
}

void ApplyCardPictures(const std::vector<TCardWidget*>& cards, const TCardLibrary& library,
                       QSize card, double dpr) {
  // At the library's own size on an ordinary screen the cards show the library's pictures.
  const bool natural = card == library.CardSize() && dpr == 1.0;
  if (natural) {
    for (TCardWidget* c : cards)
      if (c != nullptr) c->SetShowSize(card, dpr);
    return;
  }
  // Pictures are drawn when a card first shows them; the back, drawn once, serves every card.
  struct TSharedBack {
    TRenditionSet Set;
    bool Drawn = false;
    QImage Picture;
  };
  auto back = std::make_shared<TSharedBack>();
  back->Set = library.Back;
  const auto backSource = [back, card, dpr] {
    if (!back->Drawn) {
      back->Picture = back->Set.Render(card, dpr);
      back->Drawn = true;
    }
    return back->Picture;
  };
  for (size_t i = 0; i < cards.size() && i < library.Faces.size(); ++i) {
    TCardWidget* c = cards[i];
    if (c == nullptr) continue;
    const TRenditionSet& face = library.Faces[i];
    c->SetShowSize(
        card, dpr, [face, card, dpr] { return face.Render(card, dpr); }, backSource);
  }
}

TRenditionSet ReadRenditions(const QString& name,
                             const std::function<QByteArray(const QString& file)>& read,
                             const std::function<bool(const QString& file)>& present) {
  TRenditionSet set;
  if (!read) return set;
  for (int f = 1; f <= 3; ++f) {
    const QString file = RenditionName(name, f) + QStringLiteral(".png");
    if (f > 1 && present) {
      if (present(file)) set.SetLater(f, [read, file] { return read(file); });
      continue;
    }
    const QByteArray bytes = read(file);
    if (!bytes.isEmpty()) set.SetPng(f, bytes);
  }
  return set;
}

}  // namespace durak
