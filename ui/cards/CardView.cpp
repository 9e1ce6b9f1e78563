#include "CardView.h"

#include <QElapsedTimer>
#include <QScreen>
#include <chrono>
#include <cmath>
#include <thread>

#include "CardImage.h"
#include "CardMath.h"

namespace durak {

TCardView::TCardView(QWidget* parent) : TCardBase(parent) {}

namespace {
bool gFramePacing = true;
}  // namespace

void TCardView::SetFramePacing(bool on) {
  gFramePacing = on;
}

double TCardView::FramePeriodMs() const {
  const QScreen* s = screen();
  const double rate = s != nullptr ? s->refreshRate() : 0.0;
  // 60 Hz when the screen does not say (or says something absurd).
  return 1000.0 / (rate >= 20.0 && rate <= 1000.0 ? rate : 60.0);
}

QSize TCardView::LogicalSize(const QImage& picture) {
  if (picture.isNull()) return {0, 0};
  const double dpr = picture.devicePixelRatio() > 0 ? picture.devicePixelRatio() : 1.0;
  return {static_cast<int>(std::lround(picture.width() / dpr)),
          static_cast<int>(std::lround(picture.height() / dpr))};
}

void TCardView::SetBounds(int left, int top, int width, int height) {
  setGeometry(left, top, width < 0 ? 0 : width, height < 0 ? 0 : height);
  if (FPictureDeferred && !OffTable()) ShowState();
}

bool TCardView::OffTable() const {
  const QWidget* table = parentWidget();
  return table != nullptr && !geometry().intersects(table->rect());
}

void TCardView::SetCardState(int state) {
  FCardState = state;
  ShowState();
}

void TCardView::ShowState() {
  // A side not drawn yet is drawn when the card comes onto the table: the cards parked off
  // it before the deal draw nothing.
  const bool pending = FCardState == 0 ? static_cast<bool>(FBackPending)
                                       : FCardState == 1 && static_cast<bool>(FFacePending);
  FPictureDeferred = pending && OffTable();
  if (FPictureDeferred) return;
  if (FCardState == 0) {
    SetPicture(ShownBack());
  } else if (FCardState == 1) {
    SetPicture(ShownFace());
  }
  update();
}

const QImage& TCardView::FaceImage() const {
  if (FFaceImagePending) {
    const TPictureSource decode = std::move(FFaceImagePending);
    FFaceImagePending = nullptr;
    FFaceImage = CardImageFormat(decode());
    if (FTurned) RotateBitmap(FFaceImage, 90);
  }
  return FFaceImage;
}

const QImage& TCardView::ShownFace() const {
  Resolve(FFacePending, FFaceShown, true);
  return FFaceShown;
}

const QImage& TCardView::ShownBack() const {
  Resolve(FBackPending, FBackShown, false);
  return FBackShown;
}

void TCardView::Resolve(TPictureSource& pending, QImage& shown, bool face) const {
  if (!pending) return;
  const TPictureSource draw = std::move(pending);
  pending = nullptr;
  const QImage upright = draw();
  if (!upright.isNull())
    shown = Oriented(upright);
  else
    shown = ShownFrom(face ? FaceImage() : FBackImage);
}

QImage TCardView::ShownFrom(const QImage& picture) const {
  if (!FShowSize.isValid() || picture.isNull()) return picture;
  const QSize logical = FTurned ? FShowSize.transposed() : FShowSize;
  const QSize pixels(static_cast<int>(std::lround(logical.width() * FDpr)),
                     static_cast<int>(std::lround(logical.height() * FDpr)));
  if (picture.size() == pixels && picture.devicePixelRatio() == FDpr) return picture;
  QImage scaled = picture.size() == pixels
                      ? picture
                      : picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(FDpr);
  return scaled;
}

QImage TCardView::Oriented(const QImage& upright) const {
  QImage copy = CardImageFormat(upright);
  if (FTurned) RotateBitmap(copy, 90);
  return copy;
}

void TCardView::SetShowSize(QSize upright, double dpr, const QImage& face, const QImage& back) {
  auto given = [](const QImage& picture) -> TPictureSource {
    return [picture] { return picture; };
  };
  SetShowSize(upright, dpr, given(face), given(back));
}

void TCardView::SetShowSize(QSize upright, double dpr, TPictureSource face, TPictureSource back) {
  FShowSize = upright;
  FDpr = dpr > 0 ? dpr : 1.0;
  // Each side is drawn when first shown or asked for; without a source, from the library's
  // picture.
  const TPictureSource library = [] { return QImage(); };
  FFacePending = face ? std::move(face) : TPictureSource(library);
  FBackPending = back ? std::move(back) : TPictureSource(library);
  if (upright.isValid()) {
    if (FTurned) {
      SetBounds(x(), y(), upright.height(), upright.width());
    } else {
      SetBounds(x(), y(), upright.width(), upright.height());
    }
  }
  ShowState();
}

void TCardView::SetCard(int number, int state) {
  FCardNo = number;
  FSuit = SuitOfCardNo(number);
  FRank = RankOfCardNo(number);
  SetCardState(state);
}

void TCardView::SetCardSuitRank(int suit, int rank, int state) {
  SetCard(CardNoOfSuitRank(suit, rank), state);
}

void TCardView::SetFace(const QImage& face) {
  QImage copy = CardImageFormat(face);
  // A picture for a high-density screen covers fewer window pixels than it has.
  const QSize size = FShowSize.isValid() ? FShowSize : LogicalSize(face);
  if (FTurned) {
    RotateBitmap(copy, 90);
    SetBounds(x(), y(), size.height(), size.width());
  } else {
    SetBounds(x(), y(), size.width(), size.height());
  }
  FFaceImage = copy;
  FFaceImagePending = nullptr;
  FFacePending = nullptr;
  FFaceShown = ShownFrom(FFaceImage);
}

void TCardView::SetFaceSource(QSize size, TPictureSource decode) {
  const QSize shown = FShowSize.isValid() ? FShowSize : size;
  if (FTurned) {
    SetBounds(x(), y(), shown.height(), shown.width());
  } else {
    SetBounds(x(), y(), shown.width(), shown.height());
  }
  FFaceImage = QImage();
  FFaceImagePending = std::move(decode);
  // Shown from the library's face, scaled to the table size, once it is decoded.
  FFacePending = [] { return QImage(); };
}

void TCardView::SetBack(const QImage& back) {
  QImage copy = CardImageFormat(back);
  if (FTurned) RotateBitmap(copy, 90);
  FBackImage = copy;
  // At a table size the back is scaled for it when first shown.
  if (FShowSize.isValid()) {
    FBackPending = [] { return QImage(); };
  } else {
    FBackPending = nullptr;
    FBackShown = FBackImage;
  }
}

void TCardView::ShowFrame(int left, int top, int width, int height, int delay) {
  QElapsedTimer frame;
  frame.start();
  SetBounds(left, top, width, height);
  repaint();
  // Every frame stays on screen for at least one refresh of the display, so that a glide is
  // seen however fast the machine draws; the delay asked for is the least pause after it.
  double wait = delay;
  if (gFramePacing)
    wait = std::max(wait, FramePeriodMs() - static_cast<double>(frame.nsecsElapsed()) / 1.0e6);
  if (wait > 0) {
    std::this_thread::sleep_for(std::chrono::microseconds(static_cast<int64_t>(wait * 1000)));
  } else {
    std::this_thread::yield();
  }
}

void TCardView::MoveTo(int tx, int ty, int delay, int step, bool toggle) {
  if (toggle) SetCardState(ToggledSide(FCardState));
  for (const TPt& f : GlideFrames(x(), y(), tx, ty, step))
    ShowFrame(f.X, f.Y, width(), height(), delay);
  SetBounds(tx, ty, width(), height());
  repaint();
}

void TCardView::FlipMoveTo(int tx, int ty, int delay, int step) {
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

void TCardView::FlipInPlace(int delay, bool horizontal) {
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

void TCardView::Turn() {
  SetBounds(x(), y(), height(), width());
  const int angle = FTurned ? 270 : 90;
  // The shown pictures share the library's ones while the card is at the library's size.
  // One still to be drawn is drawn upright and turned then.
  const bool ownBack = FBackPending || FBackShown.cacheKey() != FBackImage.cacheKey();
  const bool ownFace = FFacePending || FFaceShown.cacheKey() != FFaceImage.cacheKey();
  if (!FBackImage.isNull()) RotateBitmap(FBackImage, angle);
  if (!FFaceImagePending && !FFaceImage.isNull()) RotateBitmap(FFaceImage, angle);
  if (ownBack && !FBackPending && !FBackShown.isNull()) RotateBitmap(FBackShown, angle);
  if (ownFace && !FFacePending && !FFaceShown.isNull()) RotateBitmap(FFaceShown, angle);
  if (!ownBack) FBackShown = FBackImage;
  if (!ownFace) FFaceShown = FFaceImage;
  FTurned = !FTurned;
  ShowState();
}

}  // namespace durak
