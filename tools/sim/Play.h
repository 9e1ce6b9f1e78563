// `durak-sim play`: whole deals between the computer player and a scripted opponent, with
// the engine's invariants checked after every event.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace durak {

// How far a run has got, for a player watching it.
struct TPlayProgress {
  uint64_t Done = 0, Total = 0;  // deals
  double Share = 0;              // the player's side's share so far (a draw counts half)
  double Seconds = 0;            // since the run began
};

struct TPlayConfig {
  uint64_t Games = 1000;
  uint32_t Seed = 1;
  int Options = 1 | 8;  // hot cards and sound, as a new installation has them
  std::string Opponent = "random";
  int EventLimit = 10000;  // a deal still going after this many events never ends
  bool Mirror = false;     // every deal seed twice, the second time with the hands exchanged
  int Iterations = 0;      // the strong player's budget per decision; 0 the game's default
  std::string Computer = "described";  // or "strong" (the searching player) or "easy"
  uint32_t DealSeed = 0;               // when not 0, every deal is dealt with this seed (for tests)
  double TimeLimitMs = 0;  // when not 0, the strong player's time cap per decision, as in the game
  // Told after the first deal and then at most five times a second; none when empty.
  std::function<void(const TPlayProgress&)> Progress;
};

struct TPlaySummary {
  uint64_t Deals = 0, ComputerWins = 0, PlayerWins = 0, Draws = 0;
  uint64_t Events = 0, Violations = 0;
  uint64_t Stuck = 0;       // deals in which the player had nothing to do before the end
  uint64_t Unfinished = 0;  // deals cut off at the event limit
  double Seconds = 0;
  // The player's side's share of the deals (a draw counts half) with its 95 % confidence
  // interval; with --mirror a pair of deals is one sample, so the luck of the deal cancels.
  double Share = 0, ShareLow = 0, ShareHigh = 0;
  // The strong player's think times over its real decisions, in milliseconds.
  uint64_t Decisions = 0;
  double ThinkMedianMs = 0, ThinkP99Ms = 0, ThinkMaxMs = 0;
};

// Plays the deals; faults are described on `faults` (the first few of them).
TPlaySummary PlayDeals(const TPlayConfig& config, std::ostream& faults);

// The one-line JSON summary.
std::string SummaryLine(const TPlayConfig& config, const TPlaySummary& summary);

// The progress as one line: deals done, the share so far (the strong side's when one side
// is the strong player, as the summary gives it) and the time left at the pace so far.
std::string ProgressLine(const TPlayConfig& config, const TPlayProgress& progress);

// The command: parses its arguments, plays, prints the summary. Exit status 0 when no
// invariant was violated, 1 otherwise, 2 for bad arguments; `--help` prints the usage on
// `out` with status 0. With `showProgress` (main sets it when standard error is a
// terminal) the progress line is rewritten in place on `err` and wiped at the end.
int RunPlay(int argc, char** argv, std::ostream& out, std::ostream& err, bool showProgress = false);

}  // namespace durak
