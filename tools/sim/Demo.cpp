#include "Demo.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "Game.h"
#include "Headless.h"

namespace durak {

namespace {

std::string CardName(const TKart& k) {
  static const char* const kRanks[] = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  static const char* const kSuits[] = {"", "\u2660", "\u2663", "\u2666", "\u2665"};
  return std::string(kRanks[k.Rank - 6]) + kSuits[k.Suit];
}

std::string ListText(const TKarts& list) {
  std::string s;
  for (const TKart& k : list) s += (s.empty() ? "" : " ") + CardName(k);
  return s.empty() ? "-" : s;
}

}  // namespace

int RunDemo(int argc, char** argv, std::ostream& out) {
  uint32_t seed = 2026;
  for (int i = 0; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--seed") == 0)
      seed = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));

  THeadlessCards cards;
  THeadlessTable table;
  TFixedClock clock(seed);
  TGame game(cards.Pointers(), table, clock);
  game.Layout = ComputeLayout(738, 530, 71, 96);
  game.Options = arHotCards | arTransfer;
  game.N8Click();
  game.Button2Click();

  out << "Durak: a demonstration deal (seed " << seed << ")\n";
  out << "Trump card:     " << CardName(game.Deck[0]) << "\n";
  out << "Your hand:      " << ListText(game.PlayerHand) << "\n";
  out << "Computer hand:  " << ListText(game.CompHand) << "\n";
  out << "Stock:          " << game.Deck.size() << " cards\n";
  out << (game.Leader == 0 ? "You lead the first bout.\n" : "The computer leads the first bout.\n");
  if (game.Leader == 0 && !game.PlayerHand.empty()) {
    const TKart lead = game.PlayerHand.front();
    game.Card1Click(*cards.Cards[lead.Tag - 1]);
    out << "You lead " << CardName(lead) << "; on the table: " << ListText(game.TableCards) << "\n";
  }
  return 0;
}

}  // namespace durak
