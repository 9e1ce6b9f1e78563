#include "Play.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "CommandLine.h"
#include "EasyPlayer.h"
#include "Game.h"
#include "Headless.h"
#include "Invariants.h"
#include "Opponent.h"
#include "StrongChooser.h"
#include "StrongPlayer.h"
#include "TablePlay.h"

namespace durak {

namespace {

constexpr int kFaultsShown = 10;
// More deals than a run can play in any sensible time; a larger count is a typing error.
constexpr uint64_t kMaxGames = 1000000000;
constexpr double kProgressInterval = 0.2;  // seconds between two progress lines
constexpr const char* kPlayUsage =
    "usage: durak-sim play --games N --seed S [--options BITS]\n"
    "                      [--opponent random|first|strong|easy]\n"
    "                      [--computer described|strong|easy]\n"
    "                      [--mirror] [--iterations N]\n"
    "       durak-sim play --players 3|4 --games N --seed S [--options BITS]\n"
    "                      [--opponent random|first|ordinary|strong]\n"
    "                      [--computer ordinary|strong|random|first]\n"
    "                      [--seats NAME,NAME,...]\n";

// A game whose deal can give each side the other's cards, for playing a deal twice.
class TMirrorGame : public TGame {
 public:
  using TGame::TGame;
  void Shuffle(std::array<uint8_t, 36>& buffer, int high) override {
    TGame::Shuffle(buffer, high);
    if (!SwapHands) return;
    for (int i = 0; i < 6; ++i) std::swap(buffer[i], buffer[6 + i]);
  }
  bool SwapHands = false;
};

// The strong player in the computer's seat, with the time of each real decision noted.
class TTimedChooser : public ICompChooser {
 public:
  TTimedChooser(uint64_t seed, int iterations) : strong_(Params(iterations), seed) {}

  TCompMoves Lead(TCompView& view) override {
    return Timed<TCompMoves>([&] { return strong_.Lead(view); });
  }
  TCompDefence Defend(TCompView& view) override {
    return Timed<TCompDefence>([&] { return strong_.Defend(view); });
  }
  TCompMoves ThrowIn(TCompView& view, bool afterTake) override {
    return Timed<TCompMoves>([&] { return strong_.ThrowIn(view, afterTake); });
  }
  std::vector<double> Times;

 private:
  static TStrongParams Params(int iterations) {
    TStrongParams p;
    p.Iterations = iterations;
    return p;
  }
  template <class R, class F>
  R Timed(F f) {
    const auto start = std::chrono::steady_clock::now();
    R result = f();
    if (strong_.LastStats.LegalMoves > 1)
      Times.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    return result;
  }
  TStrongChooser strong_;
};

struct TDealRun {
  THeadlessCards Cards;
  TPlayTable Table;
  TFixedClock Clock{0};
  TMirrorGame Game{Cards.Pointers(), Table, Clock};
};

// Mean and 95 % confidence interval of samples in 0..1, kept as running sums (Welford),
// so that a run of any number of deals takes the same memory.
struct TShareSums {
  double Count = 0, Mean = 0, Squares = 0;
  void Add(double x) {
    Count += 1;
    const double delta = x - Mean;
    Mean += delta / Count;
    Squares += delta * (x - Mean);
  }
};

void ShareOf(const TShareSums& sums, TPlaySummary& s) {
  const double n = sums.Count;
  if (n == 0) return;
  const double mean = sums.Mean;
  const double sd = n > 1 ? std::sqrt(sums.Squares / (n - 1)) : 0;
  const double half = 1.96 * sd / std::sqrt(n);
  s.Share = mean;
  s.ShareLow = std::max(0.0, mean - half);
  s.ShareHigh = std::min(1.0, mean + half);
}

}  // namespace

TPlaySummary PlayDeals(const TPlayConfig& config, std::ostream& faults) {
  const auto start = std::chrono::steady_clock::now();
  TPlaySummary s;
  auto run = std::make_unique<TDealRun>();
  TMirrorGame& game = run->Game;
  game.Layout = ComputeLayout(738, 530, 71, 96);
  game.Options = config.Options;
  std::unique_ptr<TOpponent> opponent;
  if (config.Opponent == "first")
    opponent = MakeFirstOpponent();
  else if (config.Opponent == "easy")
    opponent = MakeEasyOpponent(config.Seed ^ 0xEA5Eull);
  else if (config.Opponent == "strong")
    opponent = MakeStrongOpponent(
        config.Seed, config.Iterations > 0 ? config.Iterations : TStrongParams().Iterations,
        config.TimeLimitMs);
  else
    opponent = MakeRandomOpponent(config.Seed ^ 0x5EEDull);
  run->Table.Opponent = opponent.get();
  const int iterations = config.Iterations > 0 ? config.Iterations : TStrongParams().Iterations;
  std::unique_ptr<TTimedChooser> computer;
  if (config.Computer == "strong") {
    computer = std::make_unique<TTimedChooser>(config.Seed ^ 0xC0FFEEull, iterations);
    game.Chooser = computer.get();
  }
  std::unique_ptr<TEasyChooser> easy;
  if (config.Computer == "easy") {
    easy = std::make_unique<TEasyChooser>(config.Seed ^ 0xEA5EC0ull);
    game.Chooser = easy.get();
  }
  TSplitMix seeds(config.Seed);

  uint64_t faultsShown = 0;
  auto check = [&](uint64_t deal, uint32_t seed) {
    ++s.Events;
    // The logs are for the step harness; here they would only grow.
    game.SpeechLog.clear();
    game.SoundLog.clear();
    game.ResultLog.clear();
    run->Table.Played.clear();
    const std::string fault = CheckInvariants(game);
    if (fault.empty()) return true;
    ++s.Violations;
    if (faultsShown++ < kFaultsShown)
      faults << "deal " << deal << " (seed " << seed << "): " << fault << '\n';
    return false;
  };

  game.NewGame();
  const uint64_t deals = config.Mirror ? config.Games * 2 : config.Games;
  TShareSums samples;
  double pairScore = 0;
  double lastProgress = 0;
  uint32_t seed = 0;
  for (uint64_t d = 0; d < deals; ++d) {
    const bool second = config.Mirror && d % 2 == 1;
    if (!second) seed = static_cast<uint32_t>(seeds.Next() >> 32);
    if (config.DealSeed != 0) seed = config.DealSeed;
    run->Clock.Value = seed;
    game.SwapHands = second;
    // Both deals of a pair begin alike: the lower trump leads.
    if (config.Mirror) game.Leader = ldUndecided;
    game.DealPressed();
    ++s.Deals;
    bool sound = check(d, seed);
    int events = 0;
    while (sound && game.DealResult == drGoesOn) {
      if (events >= config.EventLimit) {
        ++s.Unfinished;
        ++s.Violations;
        if (faultsShown++ < kFaultsShown)
          faults << "deal " << d << " (seed " << seed << "): no end after " << events
                 << " events\n";
        break;
      }
      TPlayerMove move;
      if (!opponent->NextMove(game, move)) {
        // Nothing to click and no button: the deal can never end.
        ++s.Stuck;
        ++s.Violations;
        if (faultsShown++ < kFaultsShown)
          faults << "deal " << d << " (seed " << seed << "): stuck, playMode " << int(game.PlayMode)
                 << ", compAction " << int(game.CompAction) << ", player " << game.PlayerHand.size()
                 << " cards, computer " << game.CompHand.size() << " cards, stock "
                 << game.Deck.size() << '\n';
        break;
      }
      ApplyMove(game, run->Cards, move);
      ++events;
      sound = check(d, seed);
    }
    if (game.DealResult == drComputerWon) ++s.ComputerWins;
    if (game.DealResult == drPlayerWon) ++s.PlayerWins;
    if (game.DealResult == drDraw) ++s.Draws;
    const double score = game.DealResult == drPlayerWon ? 1 : game.DealResult == drDraw ? 0.5 : 0;
    if (!config.Mirror) {
      samples.Add(score);
    } else if (second) {
      samples.Add((pairScore + score) / 2);
    } else {
      pairScore = score;
    }
    if (config.Progress) {
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (d == 0 || seconds - lastProgress >= kProgressInterval || d + 1 == deals) {
        lastProgress = seconds;
        config.Progress(TPlayProgress{d + 1, deals, samples.Count > 0 ? samples.Mean : 0, seconds});
      }
    }
  }
  ShareOf(samples, s);
  const std::vector<double>* times = opponent->ThinkTimes();
  if (computer && !times) times = &computer->Times;
  if (times) {
    s.Decisions = times->size();
    s.ThinkMedianMs = Percentile(*times, 0.5);
    s.ThinkP99Ms = Percentile(*times, 0.99);
    s.ThinkMaxMs = Percentile(*times, 1.0);
  }
  s.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return s;
}

std::string SummaryLine(const TPlayConfig& config, const TPlaySummary& s) {
  nlohmann::ordered_json j;
  j["deals"] = s.Deals;
  j["computerWins"] = s.ComputerWins;
  j["playerWins"] = s.PlayerWins;
  j["draws"] = s.Draws;
  j["events"] = s.Events;
  j["violations"] = s.Violations;
  j["seconds"] = s.Seconds;
  j["stuck"] = s.Stuck;
  j["unfinished"] = s.Unfinished;
  j["computerWinRate"] = s.Deals ? double(s.ComputerWins) / double(s.Deals) : 0.0;
  j["dealsPerSecond"] = s.Seconds > 0 ? double(s.Deals) / s.Seconds : 0.0;
  j["opponent"] = config.Opponent;
  j["options"] = config.Options;
  j["seed"] = config.Seed;
  j["mirror"] = config.Mirror;
  j["computer"] = config.Computer;
  if (config.Opponent == "strong" || config.Computer == "strong") {
    // The strong side's share: the player's, or the computer's when it sits there alone.
    const bool player = config.Opponent == "strong";
    j["strongShare"] = player ? s.Share : 1 - s.Share;
    j["strongShareLow"] = player ? s.ShareLow : 1 - s.ShareHigh;
    j["strongShareHigh"] = player ? s.ShareHigh : 1 - s.ShareLow;
    j["thinkMedianMs"] = s.ThinkMedianMs;
    j["thinkP99Ms"] = s.ThinkP99Ms;
    j["thinkMaxMs"] = s.ThinkMaxMs;
    j["decisions"] = s.Decisions;
    j["iterations"] = config.Iterations > 0 ? config.Iterations : TStrongParams().Iterations;
  } else {
    j["playerShare"] = s.Share;
    j["playerShareLow"] = s.ShareLow;
    j["playerShareHigh"] = s.ShareHigh;
  }
  return j.dump();
}

std::string ProgressLine(const TPlayConfig& config, const TPlayProgress& p) {
  const bool strongPlayer = config.Opponent == "strong";
  const bool strongComputer = !strongPlayer && config.Computer == "strong";
  const double share = strongComputer ? 1 - p.Share : p.Share;
  const char* whose = strongPlayer || strongComputer ? "strong share" : "player's share";
  char line[160];
  std::snprintf(line, sizeof line, "%llu of %llu deals, %s %.3f",
                static_cast<unsigned long long>(p.Done), static_cast<unsigned long long>(p.Total),
                whose, share);
  std::string text = line;
  if (p.Done > 0 && p.Done < p.Total) {
    const double left =
        p.Seconds / static_cast<double>(p.Done) * static_cast<double>(p.Total - p.Done);
    const long long whole = std::llround(left);
    if (whole >= 60)
      std::snprintf(line, sizeof line, ", about %lld min %02lld s left", whole / 60, whole % 60);
    else
      std::snprintf(line, sizeof line, ", about %lld s left", whole);
    text += line;
  }
  return text;
}

int RunPlay(int argc, char** argv, std::ostream& out, std::ostream& err, bool showProgress) {
  // A table of three or four has its own engine and options.
  for (int i = 0; i < argc; ++i)
    if (std::strcmp(argv[i], "--players") == 0 &&
        !(i + 1 < argc && std::strcmp(argv[i + 1], "2") == 0))
      return RunTablePlay(argc, argv, out, err);
  TPlayConfig config;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") {
      out << kPlayUsage;
      return 0;
    }
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    uint64_t v = 0;
    bool ok = value != nullptr;
    if (arg == "--games") {
      ok = ok && ParseNumber(value, UINT64_MAX, v);
      if (ok && v > kMaxGames) {
        err << "durak-sim play: --games " << value << " is more than " << kMaxGames << " deals\n";
        return 2;
      }
      config.Games = v;
    } else if (arg == "--seed") {
      ok = ok && ParseNumber(value, UINT32_MAX, v);
      config.Seed = static_cast<uint32_t>(v);
    } else if (arg == "--options") {
      ok = ok && ParseNumber(value, 15, v);
      config.Options = static_cast<int>(v);
    } else if (arg == "--opponent") {
      ok = ok && (std::strcmp(value, "random") == 0 || std::strcmp(value, "first") == 0 ||
                  std::strcmp(value, "strong") == 0 || std::strcmp(value, "easy") == 0);
      if (ok) config.Opponent = value;
    } else if (arg == "--iterations") {
      ok = ok && ParseNumber(value, 1000000, v) && v > 0;
      config.Iterations = static_cast<int>(v);
    } else if (arg == "--computer") {
      ok = ok && (std::strcmp(value, "described") == 0 || std::strcmp(value, "strong") == 0 ||
                  std::strcmp(value, "easy") == 0);
      if (ok) config.Computer = value;
    } else if (arg == "--players") {
      ok = ok && std::strcmp(value, "2") == 0;  // the two-player game
    } else if (arg == "--mirror") {
      config.Mirror = true;
      continue;
    } else {
      ok = false;
    }
    if (!ok) {
      err << "durak-sim play: bad argument '" << arg << "'\n" << kPlayUsage;
      return 2;
    }
    ++i;
  }
  if (showProgress) {
    config.Progress = [&err, &config](const TPlayProgress& p) {
      // Back to the start of the line, the line, and the rest of the old one wiped.
      err << '\r' << ProgressLine(config, p) << "\x1b[K" << std::flush;
    };
  }
  const TPlaySummary s = PlayDeals(config, err);
  if (showProgress) err << "\r\x1b[K" << std::flush;
  out << SummaryLine(config, s) << '\n' << std::flush;
  return s.Violations == 0 ? 0 : 1;
}

}  // namespace durak
