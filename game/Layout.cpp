#include "Layout.h"

#include <algorithm>
#include <cmath>

namespace durak {

int64_t Nearest(double v) {
  if (!std::isfinite(v)) return 0;
  // Beyond this every double is already an integer and the cast below would overflow.
  if (v > 9.0e18) return INT64_MAX;
  if (v < -9.0e18) return INT64_MIN;
  const double lower = std::floor(v);
  const double frac = v - lower;
  int64_t r = static_cast<int64_t>(lower);
  if (frac > 0.5 || (frac == 0.5 && r % 2 != 0)) ++r;
  return r;
}

int SlotGap(int width, int cardWidth) {
  const int gap = static_cast<int>((Nearest(width * 0.75) - cardWidth - 5) / 6 - cardWidth);
  return gap < 10 ? 10 : gap;
}

TLayout ComputeLayout(int width, int height, int cardWidth, int cardHeight) {
  TLayout l;
  l.TableWidth = width;
  l.TableHeight = height;
  l.CardWidth = cardWidth;
  l.CardHeight = cardHeight;
  l.PlayerHandLeft = 20;
  l.CompHandLeft = 20;
  l.CompHandTop = 20;
  l.PlayerHandTop = height - cardHeight - 22;
  l.HandRight = width - 44;
  // The stock leans 22 pixels to the right; cards too big for the last sixth of the table
  // move it left so that it stays whole.
  l.DeckLeft = std::min(width - width / 6, width - cardWidth - 22);
  l.DeckTop = (height - cardHeight) / 2;
  const int gap = SlotGap(width, cardWidth);
  // Pair k lies at x(k) = first + k * pitch.
  int first = 10 + gap;
  int pitch = gap + cardWidth;
  // The six pairs end short of the trump card that sticks out of the stock; on a table too
  // small for them they close up, overlapping each other, from x = 15 on.
  const int limit = l.DeckLeft - cardHeight / 3 - 5;
  if (first + 5 * pitch + cardWidth + 5 > limit) {
    first = 15;
    pitch = std::min(pitch, (limit - 5 - cardWidth - first) / 5);
  }
  for (int k = 0; k < 6; ++k) {
    const int x = first + k * pitch;
    l.PlayerSlotPos[k] = {x + 5, l.DeckTop + 10};
    l.CompSlotPos[k] = {x - 5, l.DeckTop - 10};
  }
  return l;
}

int ScaledCardSide(int side, double scale) {
  return static_cast<int>(std::floor(side * scale + 1e-9));
}

bool LayoutFits(int width, int height, int cardWidth, int cardHeight) {
  if (cardWidth <= 0 || cardHeight <= 0) return true;
  const int deckLeft = std::min(width - width / 6, width - cardWidth - 22);
  const int deckTop = (height - cardHeight) / 2;
  // The full stock rises 22 pixels above its bottom card and leans as far to the right; it
  // fits the last sixth of the table.
  const bool stockClear = deckTop - 22 >= 20 + cardHeight && width / 6 >= cardWidth + 22;
  const bool pairsClear =
      deckTop + 10 + cardHeight <= height - cardHeight - 22 && deckTop - 10 >= 20 + cardHeight;
  const int pairsEnd = 10 + SlotGap(width, cardWidth) * 6 + 6 * cardWidth + 5;
  return stockClear && pairsClear && pairsEnd <= deckLeft - cardHeight / 3 - 5;
}

double CardScale(int width, int height, int cardWidth, int cardHeight) {
  if (cardWidth <= 0 || cardHeight <= 0 || width <= 0 || height <= 0) return 1.0;
  const double grown = std::min(static_cast<double>(width) / SmallestTableWidth,
                                static_cast<double>(height) / SmallestTableHeight);
  // Twentieths; capped so that absurd sizes stay cheap.
  int twentieths = std::min(static_cast<int>(std::floor(grown * 20 + 1e-9)), 400);
  while (twentieths > 20 && !LayoutFits(width, height, ScaledCardSide(cardWidth, twentieths / 20.0),
                                        ScaledCardSide(cardHeight, twentieths / 20.0)))
    --twentieths;
  return twentieths <= 20 ? 1.0 : twentieths / 20.0;
}

int OffTableLeft(int cardWidth) {
  return std::min(-100, -(cardWidth + 10));
}

int HandStep(int handRight, int cardWidth, int divisor) {
  if (divisor < 1) return 0;
  return std::min((handRight - cardWidth) / divisor, cardWidth + 50);
}

int PlaceCardsStep(int right, int cardWidth, int n, int sortKind) {
  int step = 0;
  if (n >= 2) step = (right - cardWidth) / (sortKind == 1 ? n + 2 : n - 1);
  return std::min(step, cardWidth + 50);
}

}  // namespace durak
