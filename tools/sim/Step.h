// One request of `durak-sim step`: a state and an event in, the state after it out.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "JsonDepth.h"

namespace durak {

// The response line for one request line (no trailing newline). Never throws: a bad line
// gets {"error": "..."}.
std::string StepLine(const std::string& line);

// Whether the line holds only white space (such lines get no response).
bool IsBlankLine(const std::string& line);

// The longest request line answered; a longer one gets an error response.
constexpr size_t kMaxRequestLine = 1 << 20;

// Reads the next line (without its line break) into *line, keeping at most
// kMaxRequestLine + 1 characters of it: the rest of a longer line is read and dropped, so
// memory stays bounded whatever comes in. False at the end of the input.
bool ReadRequestLine(std::istream& in, std::string* line);

}  // namespace durak
