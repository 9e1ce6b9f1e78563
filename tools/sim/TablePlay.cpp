#include "TablePlay.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "CommandLine.h"
#include "Opponent.h"
#include "TablePlayers.h"
#include "TableRules.h"

namespace durak {

using namespace table;

namespace {

constexpr int kFaultsShown = 10;
constexpr uint64_t kMaxGames = 1000000000;

bool KnownSeat(const std::string& name) {
  return name == "easy" || name == "ordinary" || name == "strong" || name == "random" ||
         name == "first";
}

std::string Describe(const TTableState& s) {
  std::ostringstream text;
  text << "phase " << int(s.Phase) << ", to move " << int(s.ToMove) << ", hands";
  for (int seat = 0; seat < s.Seats; ++seat) text << ' ' << s.HandCount(seat);
  text << ", stock " << int(s.StockCount);
  return text.str();
}

}  // namespace

TTablePlaySummary PlayTableDeals(const TTablePlayConfig& config, std::ostream& faults) {
  const auto start = std::chrono::steady_clock::now();
  TTablePlaySummary s;
  s.Fools.assign(static_cast<size_t>(config.Players), 0);
  std::vector<std::unique_ptr<TTablePlayer>> seats;
  seats.reserve(static_cast<size_t>(config.Players));
  for (int seat = 0; seat < config.Players; ++seat)
    seats.push_back(
        MakeTablePlayer(config.SeatNames[seat],
                        config.Seed ^ (0x5EEDull + 0x1000ull * static_cast<uint64_t>(seat))));
  const TTableRules rules{(config.Options & 2) != 0, (config.Options & 4) != 0};
  TSplitMix seeds(config.Seed);
  std::vector<double> times;
  // The think times of the strongest computer player at the table.
  const bool anyStrong = std::find(config.SeatNames.begin(), config.SeatNames.end(), "strong") !=
                         config.SeatNames.end();
  const std::string timed = anyStrong ? "strong" : "ordinary";
  uint64_t faultsShown = 0;
  auto fault = [&](uint64_t deal, uint64_t seed, const std::string& what) {
    ++s.Violations;
    if (faultsShown++ < kFaultsShown)
      faults << "deal " << deal << " (seed " << seed << "): " << what << '\n';
  };
  // A game: each deal after the first is led "под дурака" from the last fool.
  int previousFool = -1;
  TTableState state;
  for (uint64_t d = 0; d < config.Games; ++d) {
    const uint64_t seed = seeds.Next();
    DealTable(state, config.Players, rules, seed, previousFool);
    ++s.Deals;
    ++s.Events;
    std::string why = CheckTable(state);
    if (!why.empty()) fault(d, seed, why);
    int events = 0;
    while (why.empty() && !state.Over()) {
      if (events >= config.EventLimit) {
        ++s.Unfinished;
        fault(d, seed, "no end after " + std::to_string(events) + " events");
        break;
      }
      TTableMoves moves;
      LegalMoves(state, moves);
      if (moves.Count == 0) {
        ++s.Stuck;
        fault(d, seed, "stuck: " + Describe(state));
        break;
      }
      TTablePlayer& player = *seats[state.ToMove];
      const bool thinks = config.SeatNames[state.ToMove] == timed && moves.Count > 1;
      const auto before = std::chrono::steady_clock::now();
      const TTableMove move = player.Choose(state);
      if (thinks)
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before)
                .count());
      if (!ApplyMove(state, move)) {
        fault(
            d, seed,
            "seat " + std::to_string(state.ToMove) + " chose an illegal move: " + Describe(state));
        break;
      }
      ++events;
      ++s.Events;
      why = CheckTable(state);
      if (!why.empty()) fault(d, seed, why + " (" + Describe(state) + ")");
    }
    if (!state.Over()) {
      previousFool = -1;
      continue;
    }
    if (state.Fool < 0) {
      ++s.Draws;
    } else {
      ++s.Fools[static_cast<size_t>(state.Fool)];
    }
    previousFool = state.Fool;
  }
  s.Decisions = times.size();
  s.ThinkMedianMs = Percentile(times, 0.5);
  s.ThinkP99Ms = Percentile(times, 0.99);
  s.ThinkMaxMs = Percentile(times, 1.0);
  s.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return s;
}

std::string TableSummaryLine(const TTablePlayConfig& config, const TTablePlaySummary& s) {
  nlohmann::ordered_json j;
  j["players"] = config.Players;
  j["seats"] = config.SeatNames;
  j["deals"] = s.Deals;
  j["draws"] = s.Draws;
  j["events"] = s.Events;
  j["violations"] = s.Violations;
  j["stuck"] = s.Stuck;
  j["unfinished"] = s.Unfinished;
  j["seconds"] = s.Seconds;
  j["dealsPerSecond"] = s.Seconds > 0 ? double(s.Deals) / s.Seconds : 0.0;
  // Each seat's share of the deals as the fool, with its 95 % interval (normal
  // approximation of a proportion).
  nlohmann::json fools = nlohmann::json::array(), share = nlohmann::json::array(),
                 low = nlohmann::json::array(), high = nlohmann::json::array();
  const double n = static_cast<double>(s.Deals);
  for (uint64_t count : s.Fools) {
    const double p = n > 0 ? double(count) / n : 0.0;
    const double half = n > 0 ? 1.96 * std::sqrt(p * (1 - p) / n) : 0.0;
    fools.push_back(count);
    share.push_back(p);
    low.push_back(std::max(0.0, p - half));
    high.push_back(std::min(1.0, p + half));
  }
  j["fools"] = fools;
  j["foolShare"] = share;
  j["foolShareLow"] = low;
  j["foolShareHigh"] = high;
  j["options"] = config.Options;
  j["seed"] = config.Seed;
  const bool anyStrong = std::find(config.SeatNames.begin(), config.SeatNames.end(), "strong") !=
                         config.SeatNames.end();
  j["thinkLevel"] = anyStrong ? "strong" : "ordinary";
  j["decisions"] = s.Decisions;
  j["thinkMedianMs"] = s.ThinkMedianMs;
  j["thinkP99Ms"] = s.ThinkP99Ms;
  j["thinkMaxMs"] = s.ThinkMaxMs;
  return j.dump();
}

int RunTablePlay(int argc, char** argv, std::ostream& out, std::ostream& err) {
  TTablePlayConfig config;
  std::string opponent = "random", computer = "ordinary", seatList;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    uint64_t v = 0;
    bool ok = value != nullptr;
    if (arg == "--players") {
      ok = ok && ParseNumber(value, 4, v) && v >= 3;
      config.Players = static_cast<int>(v);
    } else if (arg == "--games") {
      ok = ok && ParseNumber(value, kMaxGames, v);
      config.Games = v;
    } else if (arg == "--seed") {
      ok = ok && ParseNumber(value, UINT32_MAX, v);
      config.Seed = static_cast<uint32_t>(v);
    } else if (arg == "--options") {
      ok = ok && ParseNumber(value, 15, v);
      config.Options = static_cast<int>(v);
    } else if (arg == "--opponent") {
      ok = ok && KnownSeat(value);
      if (ok) opponent = value;
    } else if (arg == "--computer") {
      ok = ok && KnownSeat(value);
      if (ok) computer = value;
    } else if (arg == "--seats") {
      if (ok) seatList = value;
    } else {
      ok = false;
    }
    if (!ok) {
      err << "durak-sim play: bad argument '" << arg << "'\n"
          << "usage: durak-sim play --players 3|4 --games N --seed S [--options BITS]\n"
             "       [--opponent random|first|easy|ordinary|strong]\n"
             "       [--computer easy|ordinary|strong|random|first]\n"
             "       [--seats NAME,NAME,...]\n";
      return 2;
    }
    ++i;
  }
  if (!seatList.empty()) {
    std::stringstream names(seatList);
    std::string name;
    while (std::getline(names, name, ',')) config.SeatNames.push_back(name);
    const bool fits = static_cast<int>(config.SeatNames.size()) == config.Players &&
                      std::all_of(config.SeatNames.begin(), config.SeatNames.end(), KnownSeat);
    if (!fits) {
      err << "durak-sim play: --seats needs " << config.Players
          << " names of easy, ordinary, strong, random or first, separated by commas\n";
      return 2;
    }
  } else {
    // The person's seat is the scripted opponent; the computer players sit round it.
    config.SeatNames.assign(static_cast<size_t>(config.Players), computer);
    config.SeatNames[0] = opponent;
  }
  const TTablePlaySummary s = PlayTableDeals(config, err);
  out << TableSummaryLine(config, s) << '\n' << std::flush;
  return s.Violations == 0 ? 0 : 1;
}

}  // namespace durak
