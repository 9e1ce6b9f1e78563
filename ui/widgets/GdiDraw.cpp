#include "GdiDraw.h"

#include <QPen>

#include "WinColor.h"

namespace durak {

namespace {

void SetTools(QPainter& p, const QColor& pen, const QBrush& brush) {
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen qp(pen);
  qp.setWidth(1);
  qp.setJoinStyle(Qt::MiterJoin);
  p.setPen(qp);
  p.setBrush(brush);
}

}  // namespace

QPolygon PolygonOf(const std::vector<TPt>& points) {
  QPolygon poly;
  poly.reserve(static_cast<int>(points.size()));
  for (const TPt& pt : points) poly << QPoint(pt.X, pt.Y);
  return poly;
}

void GdiRectangle(QPainter& p, const TBox& b, const QColor& pen, const QBrush& brush) {
  if (b.Width() < 1 || b.Height() < 1) return;
  SetTools(p, pen, brush);
  p.drawRect(OutlineRectOf(b));
}

void GdiEllipse(QPainter& p, const TBox& b, const QColor& pen, const QBrush& brush) {
  if (b.Width() < 1 || b.Height() < 1) return;
  SetTools(p, pen, brush);
  p.drawEllipse(OutlineRectOf(b));
}

void GdiRoundRect(QPainter& p, const TBox& b, int corner, const QColor& pen, const QBrush& brush) {
  if (b.Width() < 1 || b.Height() < 1) return;
  SetTools(p, pen, brush);
  if (corner < 2) {
    p.drawRect(OutlineRectOf(b));
  } else {
    p.drawRoundedRect(OutlineRectOf(b), corner / 2.0, corner / 2.0, Qt::AbsoluteSize);
  }
}

void GdiPolygon(QPainter& p, const std::vector<TPt>& points, const QColor& pen,
                const QBrush& brush) {
  if (points.empty()) return;
  SetTools(p, pen, brush);
  p.drawPolygon(PolygonOf(points));
}

void DrawPushFrame(QPainter& p, const TBox& b, bool pushed) {
  if (b.Width() < 1 || b.Height() < 1) return;
  p.setRenderHint(QPainter::Antialiasing, false);
  const QRect r = FillRectOf(b);
  p.fillRect(r, SysColor(SysBtnFace));
  auto edge = [&p](const QRect& rc, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(rc.left(), rc.bottom(), rc.left(), rc.top());
    p.drawLine(rc.left(), rc.top(), rc.right(), rc.top());
    p.setPen(bottomRight);
    p.drawLine(rc.right(), rc.top(), rc.right(), rc.bottom());
    p.drawLine(rc.right(), rc.bottom(), rc.left(), rc.bottom());
  };
  if (pushed) {
    edge(r, SysColor(Sys3dDkShadow), SysColor(Sys3dDkShadow));
    edge(r.adjusted(1, 1, -1, -1), SysColor(SysBtnShadow), SysColor(SysBtnShadow));
  } else {
    edge(r, SysColor(SysBtnHighlight), SysColor(Sys3dDkShadow));
    edge(r.adjusted(1, 1, -1, -1), SysColor(Sys3dLight), SysColor(SysBtnShadow));
  }
}

void DrawFocusBox(QPainter& p, const TBox& b, const QColor& color) {
  if (b.Width() < 1 || b.Height() < 1) return;
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(color);
  pen.setWidth(1);
  pen.setDashPattern({1.0, 1.0});
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(OutlineRectOf(b));
}

}  // namespace durak
