// `durak-sim play --players 3|4`: whole deals at a table of three or four, each seat
// played by a computer player or a scripted one, with the table's invariants checked after
// every event.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace durak {

struct TTablePlayConfig {
  int Players = 3;
  uint64_t Games = 1000;
  uint32_t Seed = 1;
  int Options = 1 | 8;                 // the option bits; 2 transfer, 4 leads of several cards
  std::vector<std::string> SeatNames;  // one per seat: ordinary, random or first
  int EventLimit = 10000;              // a deal still going after this many events never ends
};

struct TTablePlaySummary {
  uint64_t Deals = 0, Draws = 0, Events = 0, Violations = 0, Stuck = 0, Unfinished = 0;
  std::vector<uint64_t> Fools;  // per seat: deals it ended as the fool
  double Seconds = 0;
  // The computer players' (ordinary seats') time per real decision, in milliseconds.
  uint64_t Decisions = 0;
  double ThinkMedianMs = 0, ThinkP99Ms = 0, ThinkMaxMs = 0;
};

TTablePlaySummary PlayTableDeals(const TTablePlayConfig& config, std::ostream& faults);
std::string TableSummaryLine(const TTablePlayConfig& config, const TTablePlaySummary& s);

// The command, from its arguments (those after "play"); 0 without violations, 1 with,
// 2 for bad arguments.
int RunTablePlay(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace durak
