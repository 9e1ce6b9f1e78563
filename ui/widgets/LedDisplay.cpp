#include "LedDisplay.h"

#include <QPainter>
#include <algorithm>

#include "GdiDraw.h"
#include "LedMath.h"

namespace durak {

TLedDisplay::TLedDisplay(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(45, 90);
}

void TLedDisplay::Changed() {
  // Sized at once as well as at paint, so a layout run before the first paint sees it.
  resize(sizeHint());
  updateGeometry();
  update();
}

void TLedDisplay::SetNeg(bool on) {
  FNeg = on;
  Changed();
}
void TLedDisplay::SetHiNill(bool on) {
  FHiNill = on;
  Changed();
}
void TLedDisplay::SetNumber(int32_t n) {
  FNumber = n;
  Changed();
}
void TLedDisplay::SetW1Digit(int w) {
  FW1Digit = w;
  Changed();
}
void TLedDisplay::SetDigits(int n) {
  FDigits = n;
  Changed();
}

void TLedDisplay::SetCol(int index, const QColor& c) {
  switch (index) {
    case 1:
      FACol = c;
      break;
    case 2:
      FNACol = c;
      break;
    case 3:
      FBack = c;
      break;
    default:
      return;
  }
  update();
}

QImage TLedDisplay::DrawCell(int code, int w, int mark, double dpr) const {
  if (!IsLedCode(code) || w < 1) return QImage();
  w = std::min(w, LedMaxCellWidth);
  // On a dense screen the segments are drawn in the screen's own pixels, so their slanted
  // ends stay fine instead of showing enlarged steps.
  const QSize logical(LedCellPictureWidth(w, mark), 2 * w);
  QImage cell(logical * dpr, QImage::Format_RGB32);
  cell.setDevicePixelRatio(dpr);
  cell.fill(FBack);
  QPainter p(&cell);
  const auto segments = LedSegments(w);
  for (const auto& seg : segments)
    GdiPolygon(p, std::vector<TPt>(seg.begin(), seg.end()), FNACol, QBrush(FNACol));
  for (const TBox& b : LedMarkBoxes(w, mark)) GdiRectangle(p, b, FNACol, QBrush(FNACol));
  const int lit = LedLitMask(code);
  for (int s = 0; s < 7; ++s) {
    if (lit & (1 << s))
      GdiPolygon(p, std::vector<TPt>(segments[s].begin(), segments[s].end()), FACol, QBrush(FACol));
  }
  if (mark == 1 || mark == 3)
    for (const TBox& b : LedMarkBoxes(w, mark)) GdiRectangle(p, b, FACol, QBrush(FACol));
  return cell;
}

QImage TLedDisplay::ComposeNumber(double dpr) const {
  const std::vector<int> cells = LedCells(FNumber, FNeg, FHiNill, FDigits);
  const int w = std::min(FW1Digit, LedMaxCellWidth);
  if (cells.empty() || w < 1) return QImage();
  QImage target(QSize(w * static_cast<int>(cells.size()), 2 * w) * dpr, QImage::Format_RGB32);
  target.setDevicePixelRatio(dpr);
  target.fill(FBack);
  QPainter p(&target);
  int x = 0;
  for (int code : cells) {
    const QImage cell = DrawCell(code, w, 0, dpr);
    p.drawImage(x, 0, cell);
    x += static_cast<int>(cell.deviceIndependentSize().width());
  }
  return target;
}

QSize TLedDisplay::sizeHint() const {
  const int w = std::min(FW1Digit, LedMaxCellWidth);
  if (w < 1) return QSize(0, 0);
  const int cells = static_cast<int>(LedCells(FNumber, FNeg, FHiNill, FDigits).size());
  return cells == 0 ? QSize(0, 0) : QSize(w * cells, 2 * w);
}

void TLedDisplay::paintEvent(QPaintEvent*) {
  const QImage picture = ComposeNumber(devicePixelRatioF());
  // The counter takes its picture's size; a change shows at the next paint.
  const QSize shown = picture.deviceIndependentSize().toSize();
  if (size() != shown) resize(shown);
  if (picture.isNull()) return;
  QPainter p(this);
  p.drawImage(0, 0, picture);
}

}  // namespace durak
