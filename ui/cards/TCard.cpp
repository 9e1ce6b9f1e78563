#include "TCard.h"

#include <chrono>
#include <thread>

#include "CardImage.h"
#include "CardMath.h"

namespace durak {

TCard::TCard(QWidget* parent) : TCustomCard(parent) {}

void TCard::SetBounds(int left, int top, int width, int height) {
  setGeometry(left, top, width < 0 ? 0 : width, height < 0 ? 0 : height);
}

void TCard::SetCardState(int state) {
  FCardState = state;
  ShowState();
}

void TCard::ShowState() {
  if (FCardState == 0) {
    SetPicture(FBackImage);
  } else if (FCardState == 1) {
    SetPicture(FFaceImage);
  }
  update();
}

void TCard::SetCard(int number, int state) {
  FCardNo = number;
  FSuit = SuitOfCardNo(number);
  FRank = RankOfCardNo(number);
  SetCardState(state);
}

void TCard::SetCardSuitRank(int suit, int rank, int state) {
  SetCard(CardNoOfSuitRank(suit, rank), state);
}

void TCard::SetFace(const QImage& face) {
  QImage copy = CardImageFormat(face);
  if (FTurned) {
    RotateBitmap(copy, 90);
    SetBounds(x(), y(), face.height(), face.width());
  } else {
    SetBounds(x(), y(), face.width(), face.height());
  }
  FFaceImage = copy;
}

void TCard::SetBack(const QImage& back) {
  QImage copy = CardImageFormat(back);
  if (FTurned) RotateBitmap(copy, 90);
  FBackImage = copy;
}

void TCard::ShowFrame(int left, int top, int width, int height, int delay) {
  SetBounds(left, top, width, height);
  repaint();
  if (delay > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(delay));
  } else {
    std::this_thread::yield();
  }
}

void TCard::MoveTo(int tx, int ty, int delay, int step, bool toggle) {
  if (toggle) SetCardState(ToggledSide(FCardState));
  for (const TPt& f : GlideFrames(x(), y(), tx, ty, step))
    ShowFrame(f.X, f.Y, width(), height(), delay);
  SetBounds(tx, ty, width(), height());
  repaint();
}

void TCard::FlipMoveTo(int tx, int ty, int delay, int step) {
  const TFlipMoveFrames frames = FlipMoveFrames(TBounds{x(), y(), width(), height()}, tx, ty, step);
  if (frames.Shrink.empty()) {
    SetCardState(ToggledSide(FCardState));
  } else {
    const int w0 = width();
    SetStretch(true);
    for (const TBounds& b : frames.Shrink) ShowFrame(b.Left, b.Top, b.Width, b.Height, delay);
    SetBounds(x(), y(), 1, height());
    SetCardState(ToggledSide(FCardState));
    repaint();
    for (const TBounds& b : frames.Grow) ShowFrame(b.Left, b.Top, b.Width, b.Height, delay);
    SetBounds(x(), y(), w0, height());
    SetStretch(false);
  }
  SetBounds(tx, ty, width(), height());
  repaint();
}

void TCard::FlipInPlace(int delay, bool horizontal) {
  const TBounds saved{x(), y(), width(), height()};
  const TFlipInPlaceFrames frames = FlipInPlaceFrames(saved, horizontal);
  SetStretch(true);
  for (const TBounds& b : frames.Shrink) ShowFrame(b.Left, b.Top, b.Width, b.Height, delay);
  SetCardState(FlipInPlaceSide(FCardState));
  for (const TBounds& b : frames.Grow) ShowFrame(b.Left, b.Top, b.Width, b.Height, delay);
  SetBounds(saved.Left, saved.Top, saved.Width, saved.Height);
  SetStretch(false);
  repaint();
}

void TCard::Turn() {
  SetBounds(x(), y(), height(), width());
  const int angle = FTurned ? 270 : 90;
  if (!FBackImage.isNull()) RotateBitmap(FBackImage, angle);
  if (!FFaceImage.isNull()) RotateBitmap(FFaceImage, angle);
  FTurned = !FTurned;
  ShowState();
}

}  // namespace durak
