// The card control on the offscreen platform: states, the animations' end positions and
// frames, turning sideways, the hover tint and clicks, driven also through the engine's
// interface.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <memory>

#include "TestPictures.h"
#include "cards/CardImage.h"
#include "cards/CardWidget.h"

namespace durak {
namespace {

// Counts the card's paints and remembers the narrowest width it was painted at.
class FrameCounter : public QObject {
 public:
  int Paints = 0;
  int MinWidth = INT_MAX;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      ++Paints;
      MinWidth = std::min(MinWidth, static_cast<QWidget*>(o)->width());
    }
    return false;
  }
};

class CardWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Table = std::make_unique<QWidget>();
    Table->resize(800, 600);
    Card = new TCardWidget(5, Table.get());
    Card->SetFace(Face);
    Card->SetBack(Back);
    Card->SetCard(21, 1);  // the seven of spades, face up
    Table->show();
    QApplication::processEvents();
    Card->installEventFilter(&Frames);
  }

  QImage Face = PatternPicture(71, 96);
  QImage Back = SolidPicture(71, 96, QColor(0, 0, 160));
  std::unique_ptr<QWidget> Table;
  TCardWidget* Card = nullptr;
  FrameCounter Frames;
};

TEST_F(CardWidgetTest, StatesShowFaceOrBack) {
  EXPECT_EQ(Card->Suit(), 1);
  EXPECT_EQ(Card->Rank(), 7);
  EXPECT_EQ(Card->size(), QSize(71, 96));
  EXPECT_EQ(Card->Picture(), Card->FaceImage());
  Card->SetCard(52, 0);
  EXPECT_EQ(Card->Suit(), 4);
  EXPECT_EQ(Card->Rank(), 14);
  EXPECT_EQ(Card->Picture(), Card->BackImage());
  Card->SetCardState(3);  // not a side: the picture stays
  EXPECT_EQ(Card->Picture(), Card->BackImage());
  Card->SetCardSuitRank(5, 9, 1);
  EXPECT_EQ(Card->CardNo(), 53);
  EXPECT_EQ(Card->Rank(), 15);
}

TEST_F(CardWidgetTest, GlideEndsOnTargetFrameByFrame) {
  Card->SetBounds(500, 100, 71, 96);
  Frames.Paints = 0;
  Card->MoveTo(90, 100, 0, 40, false);
  EXPECT_EQ(Card->geometry(), QRect(90, 100, 71, 96));
  EXPECT_EQ(Frames.Paints, 11);  // ten frames and the final placement
  EXPECT_EQ(Card->CardState(), 1);

  Frames.Paints = 0;
  Card->MoveTo(110, 100, 0, 40, true);  // 20 pixels: a jump, but the side changes
  EXPECT_EQ(Card->geometry(), QRect(110, 100, 71, 96));
  EXPECT_EQ(Frames.Paints, 1);
  EXPECT_EQ(Card->CardState(), 0);
  EXPECT_EQ(Card->Picture(), Card->BackImage());

  Card->SetCardState(9);
  Card->MoveTo(110, 100, 0, 40, true);
  EXPECT_EQ(Card->CardState(), 0);
}

TEST_F(CardWidgetTest, FlipMoveLandsWithItsOldSizeAndOtherSide) {
  Card->SetBounds(500, 50, 71, 96);
  Card->FlipMoveTo(100, 50, 0, 40);
  EXPECT_EQ(Card->geometry(), QRect(100, 50, 71, 96));
  EXPECT_FALSE(Card->Stretch());
  EXPECT_EQ(Card->CardState(), 0);
  EXPECT_EQ(Frames.MinWidth, 1);  // it passed through the one-pixel strip

  Card->SetCardState(4);
  Frames.MinWidth = INT_MAX;
  Card->FlipMoveTo(150, 50, 0, 40);  // too short to animate: only the side changes
  EXPECT_EQ(Card->geometry(), QRect(150, 50, 71, 96));
  EXPECT_EQ(Card->CardState(), 0);
  EXPECT_EQ(Frames.MinWidth, 71);
}

TEST_F(CardWidgetTest, FlipInPlaceSqueezesAndRestoresExactly) {
  Card->SetBounds(33, 44, 71, 96);
  Frames.Paints = 0;
  Card->FlipInPlace(0, true);
  EXPECT_EQ(Card->geometry(), QRect(33, 44, 71, 96));
  EXPECT_EQ(Card->CardState(), 0);
  EXPECT_FALSE(Card->Stretch());
  EXPECT_EQ(Frames.MinWidth, 11);
  EXPECT_GE(Frames.Paints, 20);

  Card->SetCardState(6);
  Card->FlipInPlace(0, false);
  EXPECT_EQ(Card->geometry(), QRect(33, 44, 71, 96));
  EXPECT_EQ(Card->CardState(), 1);
}

TEST_F(CardWidgetTest, TurnTwiceRestoresPixelExactPictures) {
  Card->SetBounds(10, 20, 71, 96);
  const QImage face = Card->FaceImage();
  const QImage back = Card->BackImage();
  Card->Turn();
  EXPECT_TRUE(Card->Turned());
  EXPECT_EQ(Card->geometry(), QRect(10, 20, 96, 71));
  ASSERT_EQ(Card->FaceImage().size(), QSize(96, 71));
  // A quarter turn counter-clockwise: the face's top-right pixel is now the top-left one.
  EXPECT_EQ(Card->FaceImage().pixel(0, 0), face.pixel(70, 0));
  EXPECT_EQ(Card->FaceImage().pixel(95, 70), face.pixel(0, 95));
  EXPECT_EQ(Card->Picture(), Card->FaceImage());
  Card->Turn();
  EXPECT_FALSE(Card->Turned());
  EXPECT_EQ(Card->geometry(), QRect(10, 20, 71, 96));
  EXPECT_EQ(Card->FaceImage(), face);
  EXPECT_EQ(Card->BackImage(), back);
}

TEST_F(CardWidgetTest, NewFaceWhileSidewaysIsStoredRotated) {
  Card->Turn();
  const QImage other = PatternPicture(59, 80).mirrored(true, false);
  Card->SetFace(other);
  EXPECT_EQ(Card->size(), QSize(80, 59));
  QImage expected = other;
  RotateBitmap(expected, 90);
  EXPECT_EQ(Card->FaceImage(), expected);
}

void Hover(QWidget* w) {
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(w, &enter);
}
void Unhover(QWidget* w) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w, &leave);
}

TEST_F(CardWidgetTest, HoverTintsOnlyAHotFaceUpCard) {
  Card->SetFace(SolidPicture(71, 96, Qt::white));
  Card->ShowState();
  Card->SetHotMouseColor(Qt::black);

  Hover(Card);  // HotMouse off: nothing
  EXPECT_EQ(Card->Picture(), Card->FaceImage());
  Unhover(Card);

  Card->SetHotMouse(true);
  Hover(Card);
  EXPECT_EQ(PixelAt(Card->Picture(), 10, 10), QColor(165, 165, 165));
  EXPECT_EQ(Card->FaceImage().pixel(10, 10), qRgb(255, 255, 255));  // the face itself stays
  Unhover(Card);
  EXPECT_EQ(Card->Picture(), Card->FaceImage());

  Hover(Card);
  Card->SetHotMouse(false);  // switching off while tinted restores the face at once
  EXPECT_EQ(Card->Picture(), Card->FaceImage());

  Card->SetHotMouse(true);
  Card->SetCardState(0);
  Hover(Card);  // face down: nothing
  EXPECT_EQ(Card->Picture(), Card->BackImage());
}

TEST_F(CardWidgetTest, ClicksReachTheHandlerOnlyWhenClickable) {
  int clicks = 0;
  Card->OnClick = [&clicks](TCardWidget*) { ++clicks; };
  auto click = [this] {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Card, &press);
    QApplication::sendEvent(Card, &release);
  };
  click();
  EXPECT_EQ(clicks, 0);
  Card->SetClickable(true);
  click();
  EXPECT_EQ(clicks, 1);
}

TEST_F(CardWidgetTest, ADoubleClickIsOneClick) {
  // Two cards of a hand, one over the other; a click plays the top one away, as the game
  // does, so the second half of a double click lands on the card under it.
  auto* under = new TCardWidget(6, Table.get());
  under->SetFace(Face);
  under->SetCard(22, 1);
  under->SetBounds(100, 100, 71, 96);
  Card->SetBounds(100, 100, 71, 96);
  Card->raise();
  under->show();
  std::vector<int> played;
  for (TCardWidget* c : {Card, under}) {
    c->SetClickable(true);
    c->OnClick = [&played](TCardWidget* card) {
      played.push_back(card->Tag());
      card->SetBounds(500, 400, 71, 96);
    };
  }
  QApplication::processEvents();
  QTest::mouseDClick(Table->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(120, 120));
  QApplication::processEvents();
  EXPECT_EQ(played, std::vector<int>{5});
  // Straight onto one card that stays where it is: its double click is one click too.
  played.clear();
  Card->OnClick = [&played](TCardWidget* card) { played.push_back(card->Tag()); };
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const bool down = type != QEvent::MouseButtonRelease;
    QMouseEvent e(type, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                  down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Card, &e);
  }
  EXPECT_EQ(played, std::vector<int>{5});
  // Two clicks far enough apart in time are two clicks.
  played.clear();
  QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(Card, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(played, (std::vector<int>{6, 5}));
}

TEST_F(CardWidgetTest, EngineDrivesTheCardThroughItsInterface) {
  ICardControl& c = *Card;
  EXPECT_EQ(c.Tag(), 5);
  c.SetBounds(300, 200, 71, 96);
  c.MoveTo(100, 50, 0, 40, false);
  EXPECT_EQ(c.Left(), 100);
  EXPECT_EQ(c.Top(), 50);
  EXPECT_EQ(c.Width(), 71);
  c.Turn();
  EXPECT_TRUE(c.Turned());
  EXPECT_EQ(c.Width(), 96);
  c.FlipInPlace(0, true);
  EXPECT_EQ(c.CardState(), 0);
  c.SetHotMouse(true);
  EXPECT_TRUE(c.HotMouse());
  c.SetHandCursor(true);
  EXPECT_EQ(Card->cursor().shape(), Qt::PointingHandCursor);
  c.SetHandCursor(false);
  EXPECT_EQ(Card->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CardWidgetTest, WriteBandPaintsACentredBandOverThePlainFace) {
  Card->SetFace(SolidPicture(71, 96, Qt::white));
  Card->ShowState();
  Card->SetHotMouse(true);
  Hover(Card);
  Card->WriteBand(QStringLiteral("A"), Qt::black, QColor(200, 0, 0), 10, true);
  EXPECT_FALSE(Card->HotMouse());
  const QImage p = Card->Picture();
  EXPECT_EQ(PixelAt(p, 2, 48), QColor(200, 0, 0));  // the band runs across the middle
  EXPECT_EQ(PixelAt(p, 35, 2), QColor(Qt::white));  // and leaves the top untouched
  EXPECT_EQ(PixelAt(p, 0, 48), QColor(Qt::white));  // it starts one pixel in
  EXPECT_EQ(Card->FaceImage().pixel(2, 48), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace durak
