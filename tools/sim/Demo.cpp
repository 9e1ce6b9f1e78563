#include "Demo.h"

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "CommandLine.h"
#include "Game.h"
#include "Headless.h"
#include "Narrator.h"
#include "Opponent.h"

namespace durak {

namespace {

constexpr const char* kDemoUsage = "usage: durak-sim demo [--seed S]\n";
// A deal of 36 cards ends long before this many inputs.
constexpr int kInputLimit = 2000;

// A headless card that lets the narrator look before every movement, so each move is
// told in the order it is made.
class TWatchedCard : public THeadlessCard {
 public:
  TWatchedCard(int tag, const std::function<void()>& look) : THeadlessCard(tag), look_(look) {}
  void MoveTo(int x, int y, int delay, int step, bool toggle) override {
    look_();
    THeadlessCard::MoveTo(x, y, delay, step, toggle);
  }
  void FlipMoveTo(int x, int y, int delay, int step) override {
    look_();
    THeadlessCard::FlipMoveTo(x, y, delay, step);
  }

 private:
  std::function<void()> look_;
};

const char* ResultLine(int result) {
  switch (result) {
    case drPlayerWon:
      return "Result: you have shed your cards and win; the computer is the fool.";
    case drComputerWon:
      return "Result: the computer has shed its cards and wins; you are the fool.";
    case drDraw:
      return "Result: both sides shed their last cards together, a draw.";
    default:
      return "Result: the deal did not end.";
  }
}

}  // namespace

int RunDemo(int argc, char** argv, std::ostream& out, std::ostream& err) {
  uint32_t seed = 2026;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") {
      out << kDemoUsage;
      return 0;
    }
    uint64_t value = 0;
    if (arg == "--seed" && i + 1 < argc && ParseNumber(argv[i + 1], UINT32_MAX, value)) {
      seed = static_cast<uint32_t>(value);
      ++i;
      continue;
    }
    err << "durak-sim demo: bad argument '" << arg << "'\n" << kDemoUsage;
    return 2;
  }

  std::ostringstream told;
  TNarrator narrator(told);
  std::unique_ptr<TGame> game;
  const std::function<void()> look = [&] {
    if (game) narrator.Look(*game);
  };
  THeadlessCards cards;
  for (int tag = 1; tag <= 36; ++tag)
    cards.Cards[tag - 1] = std::make_unique<TWatchedCard>(tag, look);
  TPlayTable table;
  TFixedClock clock(seed);
  const std::unique_ptr<TOpponent> player = MakeFirstOpponent();
  table.Opponent = player.get();
  game = std::make_unique<TGame>(cards.Pointers(), table, clock);
  game->Layout = ComputeLayout(738, 530, 71, 96);
  game->Options = arHotCards | arTransfer;
  game->NewGame();
  game->DealPressed();
  look();
  narrator.DealDone();

  out << "Durak: a demonstration deal of the transfer game (seed " << seed << ")\n"
      << "Trump card: " << CardName(game->Deck.empty() ? TCardInfo{} : game->Deck[0])
      << ", at the bottom of the stock.\n"
      << "Your hand: " << CardNames(narrator.Dealt(sdPlayer)) << "\n"
      << "The computer's hand: " << CardNames(narrator.Dealt(sdComputer)) << "\n"
      << "You play the first card you can each time; the computer plays as in the game.\n\n"
      << told.str();
  told.str("");

  int inputs = 0;
  while (game->DealResult == drGoesOn && inputs < kInputLimit) {
    TPlayerMove move;
    if (!player->NextMove(*game, move)) break;
    ApplyMove(*game, cards, move);
    look();
    narrator.Flush();
    out << told.str();
    told.str("");
    ++inputs;
  }
  out << "\n" << ResultLine(game->DealResult) << "\n";
  return game->DealResult == drGoesOn ? 1 : 0;
}

}  // namespace durak
