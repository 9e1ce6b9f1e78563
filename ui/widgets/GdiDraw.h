// Drawing helpers that follow the classic desktop's pixel conventions on a QPainter: outlined
// shapes cover their box up to but not including its right and bottom sides, polygons are
// filled and outlined through their vertex pixels, and the push-button frame and the dotted
// focus rectangle look as a desktop button's do.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <vector>

#include "UiMath.h"

namespace durak {

// The pixels a filled box (l, t, r, b) covers.
inline QRect FillRectOf(const TBox& b) {
  return QRect(b.Left, b.Top, b.Width(), b.Height());
}
// The rectangle a one-pixel pen outline of (l, t, r, b) runs along.
inline QRect OutlineRectOf(const TBox& b) {
  return QRect(b.Left, b.Top, b.Width() - 1, b.Height() - 1);
}

QPolygon PolygonOf(const std::vector<TPt>& points);

// Outline in `pen`, inside in `brush` (Qt::NoBrush leaves it open); none of them antialiased.
void GdiRectangle(QPainter& p, const TBox& b, const QColor& pen, const QBrush& brush);
void GdiEllipse(QPainter& p, const TBox& b, const QColor& pen, const QBrush& brush);
void GdiRoundRect(QPainter& p, const TBox& b, int corner, const QColor& pen, const QBrush& brush);
void GdiPolygon(QPainter& p, const std::vector<TPt>& points, const QColor& pen,
                const QBrush& brush);

// The raised push-button frame over box b (sunk when pushed), with the face filled; `inactive`
// draws it the same, as the desktop does.
void DrawPushFrame(QPainter& p, const TBox& b, bool pushed);

// The dotted focus rectangle of a button.
void DrawFocusBox(QPainter& p, const TBox& b, const QColor& color);

}  // namespace durak
