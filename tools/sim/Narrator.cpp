#include "Narrator.h"

#include <utility>
#include <vector>

namespace durak {

namespace {

std::string Names(const std::vector<int>& tags) {
  std::string s;
  for (int tag : tags) s += (s.empty() ? "" : " ") + CardNameOfTag(tag);
  return s;
}

std::string Count(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string CardNames(const std::vector<int>& tags) {
  return tags.empty() ? "-" : Names(tags);
}

std::string CardName(const TKart& card) {
  static const char* const kRanks[] = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  static const char* const kSuits[] = {"?", "\u2660", "\u2663", "\u2666", "\u2665"};
  if (card.Rank < 6 || card.Rank > 14 || card.Suit > 4) return "?";
  return std::string(kRanks[card.Rank - 6]) + kSuits[card.Suit];
}

std::string CardNameOfTag(int tag) {
  return tag >= 1 && tag <= 36 ? CardName(KartOfTag(tag)) : "?";
}

TNarrator::TSnapshot TNarrator::Take(const TGame& game) {
  TSnapshot s;
  for (const TKart& k : game.PlayerHand) s.Hand[sdPlayer].insert(k.Tag);
  for (const TKart& k : game.CompHand) s.Hand[sdComputer].insert(k.Tag);
  for (int i = 0; i < 6; ++i) {
    s.Row[sdPlayer][i] = game.PlayerRow[i].Rank != 0 ? game.PlayerRow[i].Tag : 0;
    s.Row[sdComputer][i] = game.CompRow[i].Rank != 0 ? game.CompRow[i].Tag : 0;
  }
  for (const TKart& k : game.Discard) s.Discard.insert(k.Tag);
  s.Stock = game.Deck.size();
  return s;
}

void TNarrator::Look(const TGame& game) {
  const TSnapshot now = Take(game);
  // Cards leave the table before the next are drawn, and the draw comes before a new lead.
  TellDepartures(now);
  TellDraws(now);
  TellTableCards(now);
  last_ = now;
}

void TNarrator::TellDepartures(const TSnapshot& now) {
  std::vector<int> taken[2], discarded;
  for (int tag : bout_) {
    for (int side : {sdPlayer, sdComputer})
      if (now.Hand[side].count(tag) && !last_.Hand[side].count(tag)) taken[side].push_back(tag);
    if (now.Discard.count(tag) && !last_.Discard.count(tag)) discarded.push_back(tag);
  }
  for (int side : {sdPlayer, sdComputer}) {
    if (taken[side].empty()) continue;
    out_ << Who(side) << (side == sdPlayer ? " take " : " takes ") << Names(taken[side]) << ".\n";
    for (int tag : taken[side]) bout_.erase(tag);
  }
  if (!discarded.empty()) {
    out_ << "Beaten: " << Names(discarded) << " go to the discard pile.\n";
    for (int tag : discarded) bout_.erase(tag);
  }
  if (bout_.empty() && attacker_ >= 0 &&
      (!taken[0].empty() || !taken[1].empty() || !discarded.empty()))
    attacker_ = -1;
}

void TNarrator::TellDraws(const TSnapshot& now) {
  for (int side : {sdPlayer, sdComputer}) {
    std::vector<int> drawn;
    for (int tag : now.Hand[side])
      if (!last_.Hand[side].count(tag)) drawn.push_back(tag);
    // Cards coming back from the table are a take, told above.
    std::vector<int> fromStock;
    for (int tag : drawn)
      if (!bout_.count(tag) && !last_.Discard.count(tag)) fromStock.push_back(tag);
    if (fromStock.empty()) continue;
    if (!dealt_) {
      // The deal itself is not told card by card: the hands are shown whole.
      for (int tag : fromStock) dealt_hands_[side].push_back(tag);
    } else {
      out_ << Who(side) << (side == sdPlayer ? " draw " : " draws ")
           << Count(fromStock.size(), "card", "cards") << ": " << Names(fromStock) << " ("
           << Count(now.Stock, "card", "cards") << " left in the stock).\n";
    }
  }
  if (now.Stock + 12 <= 36 && !now.Hand[sdPlayer].empty()) dealt_ = true;
}

void TNarrator::TellTableCards(const TSnapshot& now) {
  for (int slot = 0; slot < 6; ++slot) {
    // An attack card is told before the card that beats it, should both be new.
    int order[2] = {sdPlayer, sdComputer};
    if (now.Row[sdPlayer][slot] != 0 && !bout_.count(now.Row[sdPlayer][slot]) &&
        now.Row[sdComputer][slot] != 0 && !bout_.count(now.Row[sdComputer][slot]) &&
        attacker_ == sdComputer)
      std::swap(order[0], order[1]);
    for (int side : order) {
      const int tag = now.Row[side][slot];
      if (tag == 0 || bout_.count(tag)) continue;
      bout_.insert(tag);
      const int other = side == sdPlayer ? sdComputer : sdPlayer;
      const int under = now.Row[other][slot];
      const std::string card = CardNameOfTag(tag);
      if (under != 0 && bout_.count(under)) {
        out_ << Who(side) << (side == sdPlayer ? " beat " : " beats ") << CardNameOfTag(under)
             << " with " << card << ".\n";
      } else if (attacker_ < 0) {
        attacker_ = side;
        out_ << Who(side) << (side == sdPlayer ? " lead " : " leads ") << card << ".\n";
      } else if (attacker_ == side) {
        out_ << Who(side) << (side == sdPlayer ? " throw in " : " throws in ") << card << ".\n";
      } else {
        // The defender adds a card of the attack's rank: the attack passes to the other side.
        attacker_ = side;
        out_ << Who(side) << (side == sdPlayer ? " transfer with " : " transfers with ") << card
             << ": now " << (other == sdPlayer ? "you defend" : "the computer defends") << ".\n";
      }
    }
  }
}

}  // namespace durak
