#include "DealNumber.h"

namespace durak {

bool ParseDealNumber(const std::string& text, uint32_t* number) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  const size_t last = text.find_last_not_of(" \t");
  uint64_t value = 0;
  for (size_t i = first; i <= last; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > UINT32_MAX) return false;
  }
  *number = static_cast<uint32_t>(value);
  return true;
}

}  // namespace durak
