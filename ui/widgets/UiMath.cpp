#include "UiMath.h"

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
  if (frac > 0.5) {
    ++r;
  } else if (frac == 0.5 && (r % 2 != 0)) {
    ++r;
  }
  return r;
}

}  // namespace durak
