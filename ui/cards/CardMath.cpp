#include "CardMath.h"

#include <algorithm>
#include <cmath>

namespace durak {

int SuitOfCardNo(int cardNo) {
  if (cardNo <= 0) return 0;
  if (cardNo >= 53) return 5;
  const int s = cardNo % 4;
  return s == 0 ? 4 : s;
}

int RankOfCardNo(int cardNo) {
  if (cardNo <= 0) return 0;
  if (cardNo >= 53) return 15;
  return (cardNo - 1) / 4 + 2;
}

int CardNoOfSuitRank(int suit, int rank) {
  if (suit >= 5) return 53;
  return rank * 4 + suit - 8;
}

std::string FaceName(int cardNo) {
  const int rank = RankOfCardNo(cardNo);
  const int suit = SuitOfCardNo(cardNo);
  std::string name;
  if (rank >= 2 && rank <= 10) {
    name = std::to_string(rank);
  } else if (rank == 12) {
    name = "D";
  } else if (rank == 13) {
    name = "K";
  } else if (rank == 14) {
    name = "A";
  } else {
    name = "J";  // the jack, and any rank that has no face of its own
  }
  static const char kSuitLetters[] = {'S', 'C', 'D', 'H'};
  name += (suit >= 1 && suit <= 4) ? kSuitLetters[suit - 1] : 'J';
  return name;
}

namespace {

int ClampFrames(int64_t n) {
  return static_cast<int>(std::clamp<int64_t>(n, 0, MaxAnimationFrames));
}

// A step below one pixel would make endless frames; one pixel is the slowest glide there is.
int SafeStep(int step) {
  return step < 1 ? 1 : step;
}

int ToInt(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

std::vector<TPt> GlideFrames(int left, int top, int x, int y, int step) {
  const double dx = static_cast<double>(left) - x;
  const double dy = static_cast<double>(top) - y;
  const int64_t distance = Nearest(std::sqrt(dx * dx + dy * dy));
  const int n = ClampFrames(Nearest(static_cast<double>(distance) / SafeStep(step)));
  std::vector<TPt> frames;
  if (n <= 0) return frames;
  const int64_t sx = Nearest(dx / n);
  const int64_t sy = Nearest(dy / n);
  frames.reserve(n);
  int64_t cx = left;
  int64_t cy = top;
  for (int i = 0; i < n; ++i) {
    cx -= sx;
    cy -= sy;
    frames.push_back(TPt{ToInt(cx), ToInt(cy)});
  }
  return frames;
}

TFlipMoveFrames FlipMoveFrames(TBounds from, int x, int y, int step) {
  TFlipMoveFrames f;
  const double dx = static_cast<double>(from.Left) - x;
  const double dy = static_cast<double>(from.Top) - y;
  const int64_t half = Nearest(std::sqrt(dx * dx + dy * dy) / 2);
  const int n = ClampFrames(Nearest(static_cast<double>(half) / SafeStep(step)));
  if (n <= 1) return f;
  const int dw = from.Width / n;
  const int sx = ToInt(Nearest(dx / n / 2));
  const int sy = ToInt(Nearest(dy / n / 2));
  TBounds b = from;
  for (int i = 0; i < n; ++i) {
    b.Left -= sx;
    b.Top -= sy;
    b.Width -= dw;
    f.Shrink.push_back(b);
  }
  b.Width = 1;
  for (int i = 0; i < n; ++i) {
    b.Left -= sx;
    b.Top -= sy;
    b.Width += dw;
    f.Grow.push_back(b);
  }
  return f;
}

TFlipInPlaceFrames FlipInPlaceFrames(TBounds from, bool horizontal) {
  TFlipInPlaceFrames f;
  const int a = (horizontal ? from.Width : from.Height) / 20;
  TBounds b = from;
  for (int i = 0; i < 10; ++i) {
    if (horizontal) {
      b.Left += a;
      b.Width -= 2 * a;
    } else {
      b.Top += a;
      b.Height -= 2 * a;
    }
    f.Shrink.push_back(b);
  }
  for (int i = 0; i < 10; ++i) {
    if (horizontal) {
      b.Left -= a;
      b.Width += 2 * a;
    } else {
      b.Top -= a;
      b.Height += 2 * a;
    }
    f.Grow.push_back(b);
  }
  return f;
}

void RotatePixels(const uint32_t* src, int width, int height, int srcStride, int angle,
                  uint32_t* dst, int dstStride) {
  const int w = width;
  const int h = height;
  if (angle == 90) {
    // copy(x, y) = source(W - 1 - y, x): the top-right corner comes to the top left.
    for (int y = 0; y < w; ++y) {
      uint32_t* row = dst + static_cast<size_t>(y) * dstStride;
      const int sx = w - 1 - y;
      for (int x = 0; x < h; ++x) row[x] = src[static_cast<size_t>(x) * srcStride + sx];
    }
  } else if (angle == 180) {
    for (int y = 0; y < h; ++y) {
      uint32_t* row = dst + static_cast<size_t>(y) * dstStride;
      const uint32_t* srow = src + static_cast<size_t>(h - 1 - y) * srcStride;
      for (int x = 0; x < w; ++x) row[x] = srow[w - 1 - x];
    }
  } else if (angle == 270) {
    // copy(x, y) = source(y, H - 1 - x): a quarter turn clockwise.
    for (int y = 0; y < w; ++y) {
      uint32_t* row = dst + static_cast<size_t>(y) * dstStride;
      for (int x = 0; x < h; ++x) row[x] = src[static_cast<size_t>(h - 1 - x) * srcStride + y];
    }
  } else {
    for (int y = 0; y < h; ++y) {
      std::copy(src + static_cast<size_t>(y) * srcStride,
                src + static_cast<size_t>(y) * srcStride + w,
                dst + static_cast<size_t>(y) * dstStride);
    }
  }
}

int PickRendition(const std::vector<int>& available, double needed) {
  int best = 0;
  int largest = 0;
  for (int f : available) {
    if (f <= 0) continue;
    largest = std::max(largest, f);
    if (f + 1e-9 >= needed && (best == 0 || f < best)) best = f;
  }
  return best != 0 ? best : largest;
}

uint8_t TintChannel(uint8_t channel, uint8_t hot) {
  const double v = std::trunc(channel * 0.65 + hot * 0.35);
  return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0));
}

std::array<uint8_t, 256> TintTable(uint8_t hot) {
  std::array<uint8_t, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = TintChannel(static_cast<uint8_t>(c), hot);
  return t;
}

}  // namespace durak
