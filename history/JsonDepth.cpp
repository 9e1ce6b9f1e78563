#include "JsonDepth.h"

namespace durak {

namespace {

// Deeper than any request or record of ours nests, shallow enough for any stack.
constexpr int kMaxDepth = 32;

}  // namespace

bool NestedTooDeeply(const std::string& text) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (char ch : text) {
    if (inString) {
      if (escaped)
        escaped = false;
      else if (ch == '\\')
        escaped = true;
      else if (ch == '"')
        inString = false;
      continue;
    }
    if (ch == '"') inString = true;
    if (ch == '[' || ch == '{') {
      if (++depth > kMaxDepth) return true;
    } else if (ch == ']' || ch == '}') {
      --depth;
    }
  }
  return false;
}

}  // namespace durak
