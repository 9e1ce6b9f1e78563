// What the subcommands of durak-sim share: reading their arguments and summing up times.
#pragma once

#include <cstdint>
#include <vector>

namespace durak {

// A whole decimal number from 0 to max, without sign or trailing characters.
bool ParseNumber(const char* text, uint64_t max, uint64_t& value);

// The value at share p (0..1) of the sorted values, the largest for p = 1; 0 when empty.
double Percentile(std::vector<double> values, double p);

}  // namespace durak
