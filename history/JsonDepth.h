// A guard for the recursive JSON parser: text that nests arrays and objects too deeply is
// refused before it is parsed, so that hostile input cannot exhaust the stack.
#pragma once

#include <string>

namespace durak {

// Whether the text nests arrays and objects deeper than the parser is let go.
bool NestedTooDeeply(const std::string& text);

}  // namespace durak
