// `durak-sim demo`: one whole deal told in words, for a first look without a window. The
// player's seat is taken by the scripted player that plays its first playable card.
#pragma once

#include <ostream>

namespace durak {

// Exit status 0 after a finished deal, 1 when the deal could not be finished, 2 for bad
// arguments (the usage is written on `err`); `--help` writes the usage on `out`.
int RunDemo(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace durak
