#include "Play.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "Game.h"
#include "Headless.h"
#include "Invariants.h"
#include "Opponent.h"

namespace durak {

namespace {

constexpr int kFaultsShown = 10;

struct TDealRun {
  THeadlessCards Cards;
  TPlayTable Table;
  TFixedClock Clock{0};
  TGame Game{Cards.Pointers(), Table, Clock};
};

void Apply(TGame& game, THeadlessCards& cards, const TPlayerMove& move) {
  if (!move.IsClick) {
    switch (move.Button) {
      case Button1:
        game.Button1Click();
        break;
      case Button3:
        game.Button3Click();
        break;
      case Button4:
        game.Button4Click();
        break;
      case Button5:
        game.Button5Click();
        break;
      default:
        break;
    }
    return;
  }
  // Only the cards of the player's hand answer a click, as in the window.
  THeadlessCard& card = *cards.Cards[move.Tag - 1];
  if (card.Clickable()) game.Card1Click(card);
}

}  // namespace

TPlaySummary PlayDeals(const TPlayConfig& config, std::ostream& faults) {
  const auto start = std::chrono::steady_clock::now();
  TPlaySummary s;
  auto run = std::make_unique<TDealRun>();
  TGame& game = run->Game;
  game.Layout = ComputeLayout(738, 530, 71, 96);
  game.Options = config.Options;
  std::unique_ptr<TOpponent> opponent = config.Opponent == "first"
                                            ? MakeFirstOpponent()
                                            : MakeRandomOpponent(config.Seed ^ 0x5EEDull);
  run->Table.Opponent = opponent.get();
  TSplitMix seeds(config.Seed);

  uint64_t faultsShown = 0;
  auto check = [&](uint64_t deal, uint32_t seed) {
    ++s.Events;
    // The logs are for the step harness; here they would only grow.
    game.SpeechLog.clear();
    game.SoundLog.clear();
    game.ResultLog.clear();
    const std::string fault = CheckInvariants(game);
    if (fault.empty()) return true;
    ++s.Violations;
    if (faultsShown++ < kFaultsShown)
      faults << "deal " << deal << " (seed " << seed << "): " << fault << '\n';
    return false;
  };

  game.N8Click();
  for (uint64_t d = 0; d < config.Games; ++d) {
    const uint32_t seed = static_cast<uint32_t>(seeds.Next() >> 32);
    run->Clock.Value = seed;
    game.Button2Click();
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
      Apply(game, run->Cards, move);
      ++events;
      sound = check(d, seed);
    }
    if (game.DealResult == drComputerWon) ++s.ComputerWins;
    if (game.DealResult == drPlayerWon) ++s.PlayerWins;
    if (game.DealResult == drDraw) ++s.Draws;
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
  return j.dump();
}

namespace {

bool ParseNumber(const char* text, uint64_t max, uint64_t& value) {
  if (text == nullptr || *text == '\0' || *text == '-') return false;
  char* end = nullptr;
  const unsigned long long v = std::strtoull(text, &end, 10);
  if (*end != '\0' || v > max) return false;
  value = v;
  return true;
}

}  // namespace

int RunPlay(int argc, char** argv, std::ostream& out, std::ostream& err) {
  TPlayConfig config;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    uint64_t v = 0;
    bool ok = value != nullptr;
    if (arg == "--games") {
      ok = ok && ParseNumber(value, UINT64_MAX, v);
      config.Games = v;
    } else if (arg == "--seed") {
      ok = ok && ParseNumber(value, UINT32_MAX, v);
      config.Seed = static_cast<uint32_t>(v);
    } else if (arg == "--options") {
      ok = ok && ParseNumber(value, 15, v);
      config.Options = static_cast<int>(v);
    } else if (arg == "--opponent") {
      ok = ok && (std::strcmp(value, "random") == 0 || std::strcmp(value, "first") == 0);
      if (ok) config.Opponent = value;
    } else {
      ok = false;
    }
    if (!ok) {
      err << "durak-sim play: bad argument '" << arg << "'\n"
          << "usage: durak-sim play --games N --seed S [--options BITS] "
             "[--opponent random|first]\n";
      return 2;
    }
    ++i;
  }
  const TPlaySummary s = PlayDeals(config, err);
  out << SummaryLine(config, s) << '\n' << std::flush;
  return s.Violations == 0 ? 0 : 1;
}

}  // namespace durak
