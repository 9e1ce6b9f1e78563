#include "CommandLine.h"

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

}  // namespace durak
