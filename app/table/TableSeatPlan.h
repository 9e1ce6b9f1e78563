// Where everything lies at a table of three or four: the person's hand along the bottom,
// the computer seats' hands face down along the left, top and right (at three: upper left
// and upper right), each with a line for its name, card count and role, the stock with the
// trump card across it in the lower left corner, and the six pairs in the middle.
#pragma once

#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

namespace durak {

struct TSeatSpot {
  QRect Area;           // the hand's cards lie within this area
  bool Column = false;  // the cards go down a column (left and right seats), else along a row
  QRect Label;          // the seat's name, card count and role
  Qt::Alignment LabelAlign = Qt::AlignHCenter;
};

struct TTablePlan {
  int CardWidth = 0, CardHeight = 0;
  std::array<TSeatSpot, 4> Seats;
  QPoint StockAt;  // the bottom card of the stock
  QPoint TrumpAt;  // the trump card, lying sideways across the stock's foot
  std::array<QPoint, 6> AttackAt{}, CoverAt{};
  QRect PairsArea;  // the middle of the table the pairs keep to
};

// The lean of the stock: each card lies this much higher and further right than the one
// under it, up to kStockLean pixels in all.
constexpr int kStockLean = 6;

// The height of a seat's line for cards of that height.
int SeatLineHeight(int cardHeight);

// Whether the pairs, the hands and the lines of `seats` lie clear of each other with cards of
// that size on a table of width x height.
bool PlanFits(int seats, int width, int height, int cardWidth, int cardHeight);

// How much larger than the library's pictures the cards are drawn at the table: as the
// two-player table grows them, held back while the table's plan would not fit.
double TableCardScale(int seats, int width, int height, int cardWidth, int cardHeight);

// The plan for `seats` (3 or 4) at a table of width x height with cards of that size; each
// label line is labelHeight high.
TTablePlan PlanTable(int seats, int width, int height, int cardWidth, int cardHeight,
                     int labelHeight);

// The top-left corners of `count` cards spread evenly within the seat's area, centred,
// overlapping as the area requires; the gap between cards is at most `widest` pixels of
// the card showing.
std::vector<QPoint> SpreadHand(const TSeatSpot& spot, int count, int cardWidth, int cardHeight,
                               int widest);

}  // namespace durak
