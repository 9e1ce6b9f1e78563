// What the subcommands of durak-sim share in reading their arguments.
#pragma once

#include <cstdint>

namespace durak {

// A whole decimal number from 0 to max, without sign or trailing characters.
bool ParseNumber(const char* text, uint64_t max, uint64_t& value);

}  // namespace durak
