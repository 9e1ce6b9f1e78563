#include "TableSeatPlan.h"

#include <algorithm>

#include "Layout.h"

namespace durak {

namespace {
constexpr int kMargin = 6;
}  // namespace

TTablePlan PlanTable(int seats, int width, int height, int cw, int ch, int labelHeight) {
  TTablePlan p;
  p.CardWidth = cw;
  p.CardHeight = ch;
  const int m = kMargin;
  const int mv = 4;  // above the top hands and under the person's
  const int bottomTop = height - ch - mv;
  // The band over the person's hand holds the person's line and, at four, the side seats'.
  const int bandTop = bottomTop - labelHeight - kStockLean - 1;

  // The stock in the lower left corner, the trump card across its foot sticking out left.
  p.TrumpAt = QPoint(m, bottomTop + (ch - cw) / 2);
  p.StockAt = QPoint(m + ch / 3, bottomTop);
  const int stockRight = p.StockAt.x() + cw + kStockLean;

  TSeatSpot& person = p.Seats[0];
  person.Area =
      QRect(stockRight + 2 * m, bottomTop, std::max(cw, width - m - stockRight - 2 * m), ch);
  person.Label = QRect(width / 3, bandTop, width - 2 * (width / 3), labelHeight);

  const int topLabelTop = mv + ch + 1;
  int pairsLeft = 2 * m, pairsRight = width - 2 * m;
  if (seats == 4) {
    const int sideWidth = cw + 3 * m;
    TSeatSpot& left = p.Seats[1];
    left.Column = true;
    left.Area = QRect(m, mv, cw, std::max(ch, bandTop - 4 - mv));
    left.Label = QRect(m, bandTop, width / 3 - 2 * m, labelHeight);
    left.LabelAlign = Qt::AlignLeft;
    TSeatSpot& top = p.Seats[2];
    top.Area = QRect(sideWidth, mv, std::max(cw, width - 2 * sideWidth), ch);
    top.Label = QRect(sideWidth, topLabelTop, top.Area.width(), labelHeight);
    TSeatSpot& right = p.Seats[3];
    right.Column = true;
    right.Area = QRect(width - m - cw, mv, cw, left.Area.height());
    right.Label = QRect(width - width / 3 + m, bandTop, width / 3 - 2 * m, labelHeight);
    right.LabelAlign = Qt::AlignRight;
    pairsLeft = sideWidth;
    pairsRight = width - sideWidth;
  } else {
    const int half = width / 2;
    TSeatSpot& upperLeft = p.Seats[1];
    upperLeft.Area = QRect(m, mv, std::max(cw, half - 2 * m), ch);
    upperLeft.Label = QRect(m, topLabelTop, upperLeft.Area.width(), labelHeight);
    TSeatSpot& upperRight = p.Seats[2];
    upperRight.Area = QRect(half + m, mv, std::max(cw, width - half - 2 * m), ch);
    upperRight.Label = QRect(half + m, topLabelTop, upperRight.Area.width(), labelHeight);
  }

  // The pairs: the beating card lies lower and to the right of the attacking one.
  const int dx = std::max(8, cw / 7), dy = std::max(12, ch / 8);
  const int pairsTop = topLabelTop + labelHeight + 2, pairsBottom = bandTop - 2;
  p.PairsArea = QRect(pairsLeft, pairsTop, std::max(0, pairsRight - pairsLeft),
                      std::max(0, pairsBottom - pairsTop));
  const int pairWidth = cw + dx, pairHeight = ch + dy;
  const int pitch = std::max(1, std::min((p.PairsArea.width() - pairWidth) / 5, pairWidth + 24));
  const int rowWidth = pairWidth + 5 * pitch;
  const int x0 = pairsLeft + std::max(0, (p.PairsArea.width() - rowWidth) / 2);
  const int y0 = pairsTop + std::max(0, (p.PairsArea.height() - pairHeight) / 2);
  for (int k = 0; k < 6; ++k) {
    p.AttackAt[k] = QPoint(x0 + k * pitch, y0);
    p.CoverAt[k] = QPoint(x0 + k * pitch + dx, y0 + dy);
  }
  return p;
}

int SeatLineHeight(int cardHeight) {
  return std::max(17, cardHeight / 6);
}

bool PlanFits(int seats, int width, int height, int cw, int ch) {
  const TTablePlan p = PlanTable(seats, width, height, cw, ch, SeatLineHeight(ch));
  const int pairWidth = cw + std::max(8, cw / 7), pairHeight = ch + std::max(12, ch / 8);
  return p.PairsArea.height() >= pairHeight && p.PairsArea.width() >= 3 * pairWidth &&
         p.Seats[0].Area.width() >= 3 * cw;
}

double TableCardScale(int seats, int width, int height, int cw, int ch) {
  if (cw <= 0 || ch <= 0) return 1.0;
  double scale = CardScale(width, height, cw, ch);
  while (scale > 1.0 &&
         !PlanFits(seats, width, height, ScaledCardSide(cw, scale), ScaledCardSide(ch, scale)))
    scale -= 0.05;
  return std::max(1.0, scale);
}

std::vector<QPoint> SpreadHand(const TSeatSpot& spot, int count, int cw, int ch, int widest) {
  std::vector<QPoint> at;
  if (count <= 0) return at;
  const int length = spot.Column ? spot.Area.height() : spot.Area.width();
  const int card = spot.Column ? ch : cw;
  const int step = count > 1 ? std::max(0, std::min((length - card) / (count - 1), widest)) : 0;
  const int used = card + step * (count - 1);
  const int start = std::max(0, (length - used) / 2);
  for (int i = 0; i < count; ++i) {
    if (spot.Column)
      at.emplace_back(spot.Area.x(), spot.Area.y() + start + i * step);
    else
      at.emplace_back(spot.Area.x() + start + i * step, spot.Area.y());
  }
  return at;
}

}  // namespace durak
