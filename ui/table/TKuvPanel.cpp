#include "TKuvPanel.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "../widgets/WinColor.h"
#include "SurfaceMath.h"
#include "SurfacePaint.h"

namespace durak {

TKuvPanel::TKuvPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  FColor_ = SysColor(SysBtnFace);
  FSColor = FColor_;
  FFColor = FColor_;
}

void TKuvPanel::SetBColor(const QColor& c) {
  FBColor = c;
  FDirty = true;
  update();
}

void TKuvPanel::SetColor(const QColor& c) {
  FColor_ = c;
  update();
}

void TKuvPanel::SetMode(int mode) {
  if (mode == pmPicture) return;
  FMode = mode;
  FDirty = true;
  update();
}

void TKuvPanel::SetSColor(const QColor& c) {
  FSColor = c;
  FDirty = true;
  if (FMode == pmGradient) update();
}

void TKuvPanel::SetFColor(const QColor& c) {
  FFColor = c;
  FDirty = true;
  if (FMode == pmGradient) update();
}

void TKuvPanel::SetRBright(int n) {
  FRBright = std::clamp(n, -10, 10);
  FDirty = true;
  if (FMode == pmRainbow) update();
}

void TKuvPanel::SetPicture(const QImage& picture) {
  const int insideW = width() - 4;
  const int insideH = height() - 4;
  FTileHeight = std::min(picture.height(), insideH);
  const int stripW = picture.width() < insideW ? picture.width() : insideW;
  if (picture.isNull() || stripW < 1 || FTileHeight < 1) {
    // Nothing to tile: the panel shows its solid colour until a usable picture comes.
    FStrip = QImage();
    FTileHeight = -1;
  } else {
    FStrip = QImage(stripW, insideH, QImage::Format_RGB32);
    FStrip.fill(FColor_);
    QPainter p(&FStrip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, picture.convertToFormat(QImage::Format_RGB32), 0, 0, stripW, FTileHeight);
  }
  FMode = pmPicture;
  FDirty = true;
  update();
}

void TKuvPanel::PrepareStrip() {
  const int insideW = width() - 4;
  const int insideH = height() - 4;
  if (insideW < 1 || insideH < 1) return;
  if (FMode == pmGradient || FMode == pmRainbow) {
    if (!FDirty) return;
    FStrip = QImage(StripWidthFor(width()), insideH, QImage::Format_RGB32);
    FStrip.fill(FColor_);
    if (FMode == pmGradient) {
      PaintGradient(FSColor, FFColor, FStrip);
    } else {
      PaintRainbow(FRBright, FStrip);
    }
    FDirty = false;
  } else if (FMode == pmPicture) {
    if (FStrip.isNull() || FTileHeight < 1) return;
    if (!FDirty && FStrip.height() == insideH) return;
    // Keep the top tile, repeat it down to the panel's new height.
    FTileHeight = std::min(FTileHeight, insideH);
    QImage strip(FStrip.width(), insideH, QImage::Format_RGB32);
    const QImage tile = FStrip.copy(0, 0, FStrip.width(), FTileHeight);
    TileImage(strip, 0, 0, strip.width(), insideH, tile);
    FStrip = strip;
    FDirty = false;
  }
}

void TKuvPanel::PaintTo(QPainter& p, const QRect& exposed) {
  const int w = width();
  const int h = height();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(FBColor, 1));
  p.setBrush(Qt::NoBrush);
  if (w >= 1 && h >= 1) p.drawRect(0, 0, w - 1, h - 1);
  if (w >= 3 && h >= 3) p.drawRect(1, 1, w - 3, h - 3);
  const QRect inside(2, 2, w - 4, h - 4);
  if (inside.width() < 1 || inside.height() < 1) return;
  PrepareStrip();
  const bool tiled =
      (FMode == pmGradient || FMode == pmRainbow || (FMode == pmPicture && FTileHeight >= 1)) &&
      !FStrip.isNull();
  if (!tiled) {
    p.fillRect(inside.intersected(exposed), FColor_);
    return;
  }
  const QRect want = inside.intersected(exposed);
  for (const TSpan& col : TileSpans(inside.width(), FStrip.width())) {
    const QRect piece(inside.left() + col.Offset, inside.top(), col.Length,
                      std::min(FStrip.height(), inside.height()));
    const QRect hit = piece.intersected(want);
    if (hit.isEmpty()) continue;
    p.drawImage(
        hit.topLeft(), FStrip,
        QRect(hit.left() - piece.left(), hit.top() - piece.top(), hit.width(), hit.height()));
  }
}

void TKuvPanel::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  PaintTo(p, event->rect());
}

void TKuvPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FDirty = true;
}

}  // namespace durak
