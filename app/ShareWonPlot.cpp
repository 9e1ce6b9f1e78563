#include "ShareWonPlot.h"

#include <QPainter>
#include <QPainterPath>

namespace durak {

TShareWonPlot::TShareWonPlot(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TShareWonPlot::SetShares(const std::vector<TStretchShare>& shares, const QString& caption,
                              const QString& stretchLabel) {
  shares_ = shares;
  caption_ = caption;
  stretchLabel_ = stretchLabel;
  update();
}

void TShareWonPlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());
  const QFontMetrics fm = fontMetrics();
  const int line = fm.height();
  p.setPen(palette().color(QPalette::Text));
  p.drawText(QRect(0, 2, width(), line), Qt::AlignHCenter, caption_);

  // The frame: 0 % at the bottom, 100 % at the top, a stretch per step from left to right.
  const int left = fm.horizontalAdvance(QStringLiteral("100 %")) + 8;
  const QRect area(left, line + 8, width() - left - 12, height() - 2 * line - 20);
  if (area.width() < 20 || area.height() < 20) return;
  QColor grid = palette().color(QPalette::Mid);
  for (int percent = 0; percent <= 100; percent += 25) {
    const int y = area.bottom() - area.height() * percent / 100;
    p.setPen(QPen(grid, 1, percent % 50 == 0 ? Qt::SolidLine : Qt::DotLine));
    p.drawLine(area.left(), y, area.right(), y);
    if (percent % 50 == 0) {
      p.setPen(palette().color(QPalette::Text));
      p.drawText(QRect(0, y - line / 2, left - 6, line), Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("%1 %").arg(percent));
    }
  }
  if (shares_.empty()) return;

  const int n = static_cast<int>(shares_.size());
  auto pointAt = [&](int i) {
    const double x = n == 1 ? area.center().x() : area.left() + area.width() * double(i) / (n - 1);
    return QPointF(x, area.bottom() - area.height() * shares_[i].Won);
  };
  QPainterPath path;
  for (int i = 0; i < n; ++i) {
    if (i == 0)
      path.moveTo(pointAt(i));
    else
      path.lineTo(pointAt(i));
  }
  const QColor ink = palette().color(QPalette::Highlight);
  p.setPen(QPen(ink, 2));
  p.drawPath(path);
  p.setBrush(ink);
  for (int i = 0; i < n; ++i) p.drawEllipse(pointAt(i), 3.5, 3.5);

  // Under the frame: the deals of the first and of the last stretch.
  p.setPen(palette().color(QPalette::Text));
  const QRect under(area.left(), area.bottom() + 4, area.width(), line);
  auto stretchText = [&](const TStretchShare& s) {
    return stretchLabel_.arg(s.FirstDeal).arg(s.FirstDeal + s.Deals - 1);
  };
  p.drawText(under, Qt::AlignLeft, stretchText(shares_.front()));
  if (n > 1) p.drawText(under, Qt::AlignRight, stretchText(shares_.back()));
}

}  // namespace durak
