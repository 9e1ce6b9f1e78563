#include "PaintedPanel.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "../widgets/WinColor.h"
#include "SurfaceMath.h"
#include "SurfacePaint.h"

namespace durak {

TPaintedPanel::TPaintedPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  FColor_ = SysColor(SysBtnFace);
  FSColor = FColor_;
  FFColor = FColor_;
}

void TPaintedPanel::SetBColor(const QColor& c) {
  FBColor = c;
  FDirty = true;
  update();
}

void TPaintedPanel::SetColor(const QColor& c) {
  FColor_ = c;
  update();
}

void TPaintedPanel::SetMode(int mode) {
  if (mode == pmPicture) return;
  FMode = mode;
  FDirty = true;
  update();
}

void TPaintedPanel::SetSColor(const QColor& c) {
  FSColor = c;
  FDirty = true;
  if (FMode == pmGradient) update();
}

void TPaintedPanel::SetFColor(const QColor& c) {
  FFColor = c;
  FDirty = true;
  if (FMode == pmGradient) update();
}

void TPaintedPanel::SetRBright(int n) {
  FRBright = std::clamp(n, -10, 10);
  FDirty = true;
  if (FMode == pmRainbow) update();
}

void TPaintedPanel::SetPicture(const QImage& picture, const QImage& x2, const QImage& x3) {
  SetPicture(picture, [x2, x3](int factor) { return factor == 2 ? x2 : x3; });
}

void TPaintedPanel::SetPicture(const QImage& picture, std::function<QImage(int factor)> larger) {
  FLargerSource = picture.isNull() ? nullptr : std::move(larger);
  FPictureSize = picture.size();
  FLargerRead = false;
  FLarger = {};
  FDense = QImage();
  FDenseDpr = 0;
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

QImage TPaintedPanel::DenseTile(double dpr) {
  if (FMode != pmPicture || FStrip.isNull() || FTileHeight < 1 || dpr <= 1.0) return {};
  if (!FLargerRead) {
    // Renditions are used only when they are truly the picture at two and three times its size.
    FLargerRead = true;
    for (int f = 2; f <= 3; ++f) {
      const QImage larger = FLargerSource ? FLargerSource(f) : QImage();
      if (larger.size() == FPictureSize * f) FLarger[f] = larger;
    }
    FLargerSource = nullptr;
  }
  if (FLarger[2].isNull() && FLarger[3].isNull()) return {};
  if (!FDense.isNull() && FDenseDpr == dpr) return FDense;
  // The smallest rendition with at least the pixels needed, else the largest there is.
  int f = FLarger[2].isNull() || (dpr > 2.0 + 1e-9 && !FLarger[3].isNull()) ? 3 : 2;
  if (FLarger[f].isNull()) f = 2;
  const QImage cut = FLarger[f].copy(0, 0, FStrip.width() * f, FTileHeight * f);
  const QSize pixels(static_cast<int>(std::lround(FStrip.width() * dpr)),
                     static_cast<int>(std::lround(FTileHeight * dpr)));
  FDense =
      (cut.size() == pixels ? cut
                            : cut.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
          .convertToFormat(QImage::Format_RGB32);
  // Drawn pixel for pixel in the screen's own pixels (a file named "@2x" comes marked 2).
  FDense.setDevicePixelRatio(1.0);
  FDenseDpr = dpr;
  return FDense;
}

void TPaintedPanel::PrepareStrip() {
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

void TPaintedPanel::PaintTo(QPainter& p, const QRect& exposed) {
  const int w = width();
  const int h = height();
  // The two one-pixel frames, as filled lines: a stroked outline would go through the
  // painter's general path for every repaint of a large panel.
  const auto frame = [&p, this](int left, int top, int width, int height) {
    p.fillRect(left, top, width, 1, FBColor);
    p.fillRect(left, top + height - 1, width, 1, FBColor);
    p.fillRect(left, top, 1, height, FBColor);
    p.fillRect(left + width - 1, top, 1, height, FBColor);
  };
  if (w >= 1 && h >= 1) frame(0, 0, w, h);
  if (w >= 3 && h >= 3) frame(1, 1, w - 2, h - 2);
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
  const double dpr = p.paintEngine() != nullptr && p.paintEngine()->paintDevice() != nullptr
                         ? p.paintEngine()->paintDevice()->devicePixelRatioF()
                         : 1.0;
  const QImage dense = FMode == pmPicture ? DenseTile(dpr) : QImage();
  if (!dense.isNull()) {
    // Tiles laid in the screen's own pixels from the inside's corner: whole pixels each, so
    // no seam at any ratio.
    p.save();
    p.setClipRect(want);
    p.scale(1.0 / dpr, 1.0 / dpr);
    const int left = static_cast<int>(std::lround(inside.left() * dpr));
    const int top = static_cast<int>(std::lround(inside.top() * dpr));
    const int right = static_cast<int>(std::lround((inside.right() + 1) * dpr));
    const int bottom = static_cast<int>(std::lround((inside.bottom() + 1) * dpr));
    const int x0 =
        left + static_cast<int>(std::floor((want.left() - inside.left()) * dpr / dense.width())) *
                   dense.width();
    const int y0 =
        top + static_cast<int>(std::floor((want.top() - inside.top()) * dpr / dense.height())) *
                  dense.height();
    for (int y = y0; y < bottom && y < (want.bottom() + 1) * dpr; y += dense.height())
      for (int x = x0; x < right && x < (want.right() + 1) * dpr; x += dense.width())
        p.drawImage(
            QPoint(x, y), dense,
            QRect(0, 0, std::min(dense.width(), right - x), std::min(dense.height(), bottom - y)));
    p.restore();
    return;
  }
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

void TPaintedPanel::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  PaintTo(p, event->rect());
}

void TPaintedPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FDirty = true;
}

}  // namespace durak
