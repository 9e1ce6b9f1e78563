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
  l.DeckLeft = width - width / 6;
  l.DeckTop = (height - cardHeight) / 2;
  const int gap = SlotGap(width, cardWidth);
  for (int k = 0; k < 6; ++k) {
    const int x = 10 + gap * (k + 1) + k * cardWidth;
    l.PlayerSlotPos[k] = {x + 5, l.DeckTop + 10};
    l.CompSlotPos[k] = {x - 5, l.DeckTop - 10};
  }
  return l;
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
