// Where everything goes on the table: the two hands, the six pairs, the stock. Plain
// arithmetic from the table's size and the card size, shared by the engine (animation
// targets) and the window.
#pragma once

#include <array>
#include <cstdint>

namespace durak {

struct TPoint {
  int X = 0;
  int Y = 0;
};

struct TLayout {
  int TableWidth = 0;
  int TableHeight = 0;
  int CardWidth = 71;
  int CardHeight = 96;
  // How much the cards are enlarged over the card library's pictures (1 = the library's
  // size); glides take steps this much longer so that they last as long at every size.
  double Scale = 1.0;

  int PlayerHandLeft = 20;
  int PlayerHandTop = 0;
  int CompHandLeft = 20;
  int CompHandTop = 20;
  int HandRight = 0;
  int DeckLeft = 0;  // W - W div 6, further left when the stock would not fit
  int DeckTop = 0;
  std::array<TPoint, 6> PlayerSlotPos{};
  std::array<TPoint, 6> CompSlotPos{};
};

// Rounds to the nearest integer; an exact half goes to the even neighbour (2.5 -> 2,
// 3.5 -> 4). Every layout value, glide, flip, gradient and rainbow step is rounded this way.
int64_t Nearest(double v);

// All layout values for a table of width x height and the given card size.
TLayout ComputeLayout(int width, int height, int cardWidth, int cardHeight);

// Gap between the pairs on the table: at least 10 pixels.
int SlotGap(int width, int cardWidth);

// The table of the smallest window (630 x 450 less the right-hand column, the bottom bar and
// the menu bar). Cards keep the library's size there.
constexpr int SmallestTableWidth = 568;
constexpr int SmallestTableHeight = 380;

// How much larger than the library's pictures (cardWidth x cardHeight) the cards are drawn on
// a table of width x height: the table's growth over the smallest table, held back so that
// the hands, the six pairs, the stock and the trump card still lie clear of each other.
// Never below 1, and a multiple of 1/20 so that small resizes keep the card size.
double CardScale(int width, int height, int cardWidth, int cardHeight);

// A card size times the scale, rounded down (so s = 1 keeps it exactly).
int ScaledCardSide(int side, double scale);

// Whether the hands, the six pairs, the full stock and the trump card lie clear of each other
// on a table of width x height with cards of that size.
bool LayoutFits(int width, int height, int cardWidth, int cardHeight);

// Left edge of a card parked off the table on the left: fully outside however wide the card
// is (also when it lies sideways).
int OffTableLeft(int cardWidth);

// Step between the cards of a hand of divisor + 1 cards spread from the hand's origin to
// handRight: min((handRight - cardWidth) div divisor, cardWidth + 50), 0 when divisor < 1.
int HandStep(int handRight, int cardWidth, int divisor);

// Step of a hand of n cards laid out in one row by PlaceCards; by suit (sortKind 1) leaves
// room for an empty step between the suit groups.
int PlaceCardsStep(int right, int cardWidth, int n, int sortKind);

}  // namespace durak
