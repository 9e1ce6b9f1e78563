// `durak-sim table`: a table of three or four stepped one event at a time, in JSON Lines.
#pragma once

#include <string>

namespace durak {

// The response line for one request line (no trailing newline). Never throws: a bad line
// gets {"error": "..."}.
std::string TableStepLine(const std::string& line);

}  // namespace durak
