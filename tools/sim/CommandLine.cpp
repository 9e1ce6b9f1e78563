#include "CommandLine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace durak {

bool ParseNumber(const char* text, uint64_t max, uint64_t& value) {
  if (text == nullptr || *text < '0' || *text > '9') return false;
  char* end = nullptr;
  const unsigned long long v = std::strtoull(text, &end, 10);
  if (*end != '\0' || v > max) return false;
  value = v;
  return true;
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t i = static_cast<size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
  return values[std::min(i, values.size() - 1)];
}

}  // namespace durak
