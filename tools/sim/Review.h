// `durak-sim review FILE`: the review of a recorded deal as JSON.
#pragma once

#include <ostream>

namespace durak {

// Parses the arguments (after "review"), reviews the deal and prints the review as one
// line of JSON on `out`. Exit status 0 when the deal was reviewed (even one that replayed
// only in part: "replayed" says so), 1 when the file holds no usable deal or cannot be
// read, 2 for bad arguments; `--help` prints the usage on `out` with status 0.
int RunReview(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace durak
