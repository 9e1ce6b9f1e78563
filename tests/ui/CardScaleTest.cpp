// Cards drawn larger than the library's pictures: from the library's larger renditions when
// it has them (crisp on dense screens and big tables), smoothly scaled when it has not, and
// glides whose frames last at least one display refresh.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QPainter>
#include <map>
#include <memory>

#include "Layout.h"
#include "PackLocator.h"
#include "ResourcePack.h"
#include "TestPictures.h"
#include "cards/CardMath.h"
#include "cards/CardPacks.h"
#include "cards/CardRenditions.h"
#include "cards/CardWidget.h"

namespace durak {
namespace {

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// Draws the card as a screen of that pixel ratio would show it.
QImage Shown(QWidget& card, double dpr) {
  QImage target(qRound(card.width() * dpr), qRound(card.height() * dpr),
                QImage::Format_ARGB32_Premultiplied);
  target.setDevicePixelRatio(dpr);
  target.fill(Qt::transparent);
  card.render(&target);
  return target;
}

TEST(Renditions, SmallestRenditionAtLeastAsLargeAsNeeded) {
  EXPECT_EQ(PickRendition({1, 2, 3}, 1.0), 1);
  EXPECT_EQ(PickRendition({1, 2, 3}, 1.01), 2);
  EXPECT_EQ(PickRendition({1, 2, 3}, 2.0), 2);
  EXPECT_EQ(PickRendition({1, 2, 3}, 2.5), 3);
  EXPECT_EQ(PickRendition({1, 2, 3}, 4.0), 3);  // nothing large enough: the largest
  EXPECT_EQ(PickRendition({1}, 2.0), 1);        // a pack of one size: scaled up smoothly
  EXPECT_EQ(PickRendition({1, 3}, 1.5), 3);
  EXPECT_EQ(PickRendition({}, 1.0), 0);
  EXPECT_EQ(PickRendition({1, 2}, 0.5), 1);
}

TEST(Renditions, ChosenFromTheLibraryAndBroughtToExactPixels) {
  TRenditionSet set;
  set.SetPng(1, Png(SolidPicture(10, 15, Qt::red)));
  set.SetPng(2, Png(SolidPicture(20, 30, Qt::green)));
  set.SetPng(3, Png(SolidPicture(30, 45, Qt::blue)));
  EXPECT_EQ(set.BaseSize(), QSize(10, 15));
  int factor = 0;
  QImage p = set.Render(QSize(10, 15), 1.0, &factor);
  EXPECT_EQ(factor, 1);
  EXPECT_EQ(p.size(), QSize(10, 15));
  p = set.Render(QSize(10, 15), 2.0, &factor);
  EXPECT_EQ(factor, 2);
  EXPECT_EQ(p.size(), QSize(20, 30));
  EXPECT_EQ(p.devicePixelRatio(), 2.0);
  EXPECT_EQ(QColor(p.pixel(5, 5)), QColor(Qt::green));
  // 1.3 x the library's size on a screen of ratio 2: 26 x 39 pixels, from the @3x picture.
  p = set.Render(QSize(13, 19), 2.0, &factor);
  EXPECT_EQ(factor, 3);
  EXPECT_EQ(p.size(), QSize(26, 38));
  EXPECT_EQ(QColor(p.pixel(10, 10)), QColor(Qt::blue));

  // A damaged rendition falls back to the picture itself; a set without it draws nothing.
  TRenditionSet broken;
  broken.SetPng(1, Png(SolidPicture(10, 15, Qt::red)));
  broken.SetPng(2, QByteArray("not a picture"));
  p = broken.Render(QSize(10, 15), 2.0, &factor);
  EXPECT_EQ(factor, 1);
  EXPECT_EQ(p.size(), QSize(20, 30));
  TRenditionSet none;
  none.SetPng(2, Png(SolidPicture(20, 30, Qt::green)));
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_TRUE(none.Render(QSize(10, 15), 2.0).isNull());
}

// A library notes which larger renditions its pack holds but reads one only when a card is
// drawn from it, again at each drawing (the pack stays the one source); one that has
// meanwhile become unreadable falls back to the picture itself.
TEST(Renditions, LargerRenditionsAreReadWhenACardIsDrawnFromThem) {
  std::map<QString, QByteArray> pack = {
      {QStringLiteral("6S.png"), Png(SolidPicture(10, 15, Qt::red))},
      {QStringLiteral("6S@2x.png"), Png(SolidPicture(20, 30, Qt::green))}};
  std::map<QString, int> reads;
  const auto read = [&](const QString& file) {
    ++reads[file];
    const auto it = pack.find(file);
    return it == pack.end() ? QByteArray() : it->second;
  };
  const auto present = [&](const QString& file) { return pack.count(file) > 0; };
  const TRenditionSet set = ReadRenditions(QStringLiteral("6S"), read, present);
  EXPECT_EQ(reads, (std::map<QString, int>{{QStringLiteral("6S.png"), 1}}));
  EXPECT_TRUE(set.HasFactor(2));
  EXPECT_FALSE(set.HasFactor(3));
  int factor = 0;
  EXPECT_EQ(set.Render(QSize(10, 15), 1.0, &factor).size(), QSize(10, 15));
  EXPECT_EQ(factor, 1);
  EXPECT_EQ(reads[QStringLiteral("6S@2x.png")], 0);
  QImage p = set.Render(QSize(10, 15), 2.0, &factor);
  EXPECT_EQ(factor, 2);
  EXPECT_EQ(QColor(p.pixel(5, 5)), QColor(Qt::green));
  EXPECT_EQ(reads[QStringLiteral("6S@2x.png")], 1);
  pack.erase(QStringLiteral("6S@2x.png"));
  p = set.Render(QSize(10, 15), 2.0, &factor);
  EXPECT_EQ(factor, 1);
  EXPECT_EQ(QColor(p.pixel(5, 5)), QColor(Qt::red));
  EXPECT_EQ(p.size(), QSize(20, 30));
}

// The built packs hold each card at its own size and three times it; a screen of ratio 2
// shows the @3x picture brought down to exactly its pixels, as crisp as one drawn at that size.
TEST(Renditions, CardOnADenseScreenDrawnFromTheLargerPicture) {
  ASSERT_FALSE(FindPack(QStringLiteral("c36.dll")).isEmpty()) << "c36.dll was not built";
  ResourcePack pack;
  ASSERT_TRUE(pack.Open(QStringLiteral("c36.dll")));
  const QImage face = pack.LoadImage(QStringLiteral("AH"));
  const QImage face3 = pack.LoadImage(QStringLiteral("AH@3x"));
  ASSERT_FALSE(face3.isNull()) << "the pack builder adds @3x renditions";
  ASSERT_EQ(face3.size(), face.size() * 3);
  ASSERT_FALSE(pack.LoadImage(QStringLiteral("bk5@3x")).isNull());
  pack.Close();

  std::vector<std::unique_ptr<TCardWidget>> owned;
  std::vector<TCardWidget*> cards;
  for (int tag = 1; tag <= 36; ++tag) {
    owned.push_back(std::make_unique<TCardWidget>(tag));
    cards.push_back(owned.back().get());
    cards.back()->SetCard(tag + 16, 1);
  }
  TCardLibrary library;
  int w = 0, h = 0;
  ASSERT_TRUE(LoadCardFaces(cards, QStringLiteral("c36.dll"), 1, w, h, &library));
  ASSERT_EQ(library.CardSize(), face.size());
  ApplyCardPictures(cards, library, QSize(w, h), 2.0);
  TCardWidget& ace = *cards[35];  // Tag 36: the ace of hearts
  EXPECT_EQ(ace.size(), face.size());
  EXPECT_EQ(ace.ShownFace().size(), face.size() * 2);
  // Every physical pixel of the card is the @3x picture's, scaled smoothly to twice the size.
  const QImage shown = Shown(ace, 2.0);
  const QImage expected =
      face3.scaled(face.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) != expected.pixel(x, y)) ++differing;
  EXPECT_EQ(differing, 0);
  // The library's pictures themselves are kept as they were.
  EXPECT_EQ(ace.FaceImage().size(), face.size());

  // Twice the size on an ordinary screen: the same pixels; sideways too.
  ApplyCardPictures(cards, library, QSize(w * 2, h * 2), 1.0);
  EXPECT_EQ(ace.size(), face.size() * 2);
  EXPECT_EQ(Shown(ace, 1.0).pixel(40, 60), expected.pixel(40, 60));
  ace.Turn();
  EXPECT_EQ(ace.size(), (face.size() * 2).transposed());
  ace.Turn();
  EXPECT_EQ(Shown(ace, 1.0).pixel(40, 60), expected.pixel(40, 60));
}

TEST(Renditions, CardWithoutRenditionsIsScaledSmoothly) {
  TCardWidget card(1);
  card.SetFace(SolidPicture(71, 96, QColor(200, 20, 20)));
  card.SetBack(SolidPicture(71, 96, QColor(0, 0, 120)));
  card.SetCard(17, 1);
  card.SetShowSize(QSize(142, 192), 1.5);
  EXPECT_EQ(card.size(), QSize(142, 192));
  EXPECT_EQ(card.ShownFace().size(), QSize(213, 288));
  EXPECT_EQ(card.ShownFace().devicePixelRatio(), 1.5);
  EXPECT_EQ(QColor(card.Picture().pixel(100, 100)), QColor(200, 20, 20));
  card.SetCardState(0);
  EXPECT_EQ(QColor(card.Picture().pixel(100, 100)), QColor(0, 0, 120));
  // A new back keeps the table size.
  card.SetBack(SolidPicture(71, 96, QColor(0, 90, 0)));
  card.ShowState();
  EXPECT_EQ(card.Picture().size(), QSize(213, 288));
  EXPECT_EQ(card.size(), QSize(142, 192));
}

// Start-up draws no card picture nobody sees: a face is drawn when its card first shows it,
// the back once for every card, and a card parked off the table draws nothing until it
// comes onto it.
TEST(Renditions, PicturesAreDrawnWhenFirstShown) {
  QWidget table;
  table.resize(400, 300);
  int faces = 0, backs = 0, decodes = 0;
  const QImage big = SolidPicture(20, 30, QColor(200, 20, 20));
  auto face = [&] {
    ++faces;
    return big;
  };
  std::shared_ptr<QImage> drawnBack;
  auto back = [&] {
    if (!drawnBack) {
      ++backs;
      drawnBack = std::make_shared<QImage>(SolidPicture(20, 30, QColor(0, 0, 120)));
    }
    return *drawnBack;
  };
  TCardWidget parked(1, &table), lying(2, &table), up(3, &table);
  for (TCardWidget* c : {&parked, &lying, &up}) {
    c->SetFaceSource(QSize(10, 15), [&] {
      ++decodes;
      return SolidPicture(10, 15, Qt::green);
    });
    c->SetBack(SolidPicture(10, 15, Qt::black));
  }
  parked.SetBounds(OffTableLeft(20), 0, 10, 15);
  parked.SetCard(17, 1);
  lying.SetCard(18, 0);
  up.SetCard(19, 1);
  EXPECT_EQ(decodes, 1) << "only the face-up card on the table decodes its face";
  for (TCardWidget* c : {&parked, &lying, &up}) c->SetShowSize(QSize(20, 30), 1.0, face, back);
  EXPECT_EQ(faces, 1);
  EXPECT_EQ(backs, 1);
  EXPECT_EQ(QColor(up.Picture().pixel(5, 5)), QColor(200, 20, 20));
  EXPECT_EQ(QColor(lying.Picture().pixel(5, 5)), QColor(0, 0, 120));
  // Onto the table: the parked card draws its face; turned over, a card draws its back from
  // the one already drawn.
  parked.SetBounds(50, 50, 20, 30);
  EXPECT_EQ(faces, 2);
  EXPECT_EQ(QColor(parked.Picture().pixel(5, 5)), QColor(200, 20, 20));
  up.SetCardState(0);
  EXPECT_EQ(backs, 1);
  EXPECT_EQ(QColor(up.Picture().pixel(5, 5)), QColor(0, 0, 120));
  // Asking for a picture draws it; sideways cards turn theirs as they are drawn.
  lying.Turn();
  EXPECT_EQ(lying.ShownFace().size(), QSize(30, 20));
  EXPECT_EQ(faces, 3);
  EXPECT_EQ(lying.FaceImage().size(), QSize(15, 10));
  EXPECT_EQ(decodes, 2);
}

TEST(FramePacing, EveryFrameLastsAtLeastOneRefresh) {
  TCardWidget card(1);
  card.SetFace(SolidPicture(71, 96, Qt::white));
  card.SetCard(17, 1);
  card.SetBounds(0, 0, 71, 96);
  const double period = card.FramePeriodMs();
  EXPECT_GE(period, 1.0);
  EXPECT_LE(period, 50.0);
  TCardView::SetFramePacing(true);
  QElapsedTimer t;
  t.start();
  // 200 pixels at step 40: five frames.
  card.MoveTo(200, 0, 0, 40, false);
  const double paced = t.nsecsElapsed() / 1e6;
  TCardView::SetFramePacing(false);
  EXPECT_EQ(card.x(), 200);
  EXPECT_GE(paced, 5 * period - 1.0);
  // Without pacing the glide still arrives (how fast depends on the machine's load, so it
  // is measured in the benchmarks, not here).
  card.MoveTo(0, 0, 0, 40, false);
  EXPECT_EQ(card.x(), 0);
}

}  // namespace
}  // namespace durak
