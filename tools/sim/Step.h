// One request of `durak-sim step`: a state and an event in, the state after it out.
#pragma once

#include <string>

namespace durak {

// The response line for one request line (no trailing newline). Never throws: a bad line
// gets {"error": "..."}.
std::string StepLine(const std::string& line);

// Whether the line holds only white space (such lines get no response).
bool IsBlankLine(const std::string& line);

}  // namespace durak
