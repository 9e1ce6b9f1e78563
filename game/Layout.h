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

  int PlayerHandLeft = 20;
  int PlayerHandTop = 0;
  int CompHandLeft = 20;
  int CompHandTop = 20;
  int HandRight = 0;
  int DeckLeft = 0;
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

// Step between the cards of a hand of divisor + 1 cards spread from the hand's origin to
// handRight: min((handRight - cardWidth) div divisor, cardWidth + 50), 0 when divisor < 1.
int HandStep(int handRight, int cardWidth, int divisor);

// Step of a hand of n cards laid out in one row by PlaceCards; by suit (sortKind 1) leaves
// room for an empty step between the suit groups.
int PlaceCardsStep(int right, int cardWidth, int n, int sortKind);

}  // namespace durak
