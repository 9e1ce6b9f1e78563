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

std::string CardName(const TCardInfo& card) {
  static const char* const kRanks[] = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  static const char* const kSuits[] = {"?", "\u2660", "\u2663", "\u2666", "\u2665"};
  if (card.Rank < 6 || card.Rank > 14 || card.Suit > 4) return "?";
  return std::string(kRanks[card.Rank - 6]) + kSuits[card.Suit];
}

std::string CardNameOfTag(int tag) {
  return tag >= 1 && tag <= 36 ? CardName(CardInfoOfTag(tag)) : "?";
}

TNarrator::TSnapshot TNarrator::Take(const TGame& game) {
  TSnapshot s;
  for (const TCardInfo& k : game.PlayerHand) s.Hand[sdPlayer].insert(k.Tag);
  for (const TCardInfo& k : game.CompHand) s.Hand[sdComputer].insert(k.Tag);
  for (int i = 0; i < 6; ++i) {
    s.Row[sdPlayer][i] = game.PlayerRow[i].Rank != 0 ? game.PlayerRow[i].Tag : 0;
    s.Row[sdComputer][i] = game.CompRow[i].Rank != 0 ? game.CompRow[i].Tag : 0;
  }
  for (const TCardInfo& k : game.Discard) s.Discard.insert(k.Tag);
  s.Stock = game.Deck.size();
  return s;
}

void TNarrator::Look(const TGame& game) {
  const TSnapshot now = Take(game);
  // Cards leave the table before the next are drawn, and the draw comes before a new lead.
  TellDepartures(now);
  GatherDraws(now);
  EndBoutIfClear(now);
  TellTableCards(now);
  last_ = now;
}

void TNarrator::TellGathered(int side, std::vector<int>& cards, const char* you, const char* it,
                             const std::string& after) {
  if (cards.empty()) return;
  out_ << Who(side) << (side == sdPlayer ? you : it) << Names(cards) << after << ".\n";
  cards.clear();
}

void TNarrator::Flush() {
  for (int side : {sdPlayer, sdComputer}) TellGathered(side, taken_[side], " take ", " takes ", "");
  if (!discarded_.empty()) {
    out_ << "Beaten: " << Names(discarded_) << (discarded_.size() == 1 ? " goes" : " go")
         << " to the discard pile.\n";
    discarded_.clear();
  }
  if (firstDrawer_ < 0) return;
  for (int side : {firstDrawer_, 1 - firstDrawer_})
    TellGathered(side, drawn_[side], " draw ", " draws ",
                 " (" + Count(stockAfter_[side], "card", "cards") + " left in the stock)");
  firstDrawer_ = -1;
}

void TNarrator::TellDepartures(const TSnapshot& now) {
  for (int tag : bout_) {
    if (gone_.count(tag)) continue;
    for (int side : {sdPlayer, sdComputer}) {
      if (now.Hand[side].count(tag) && !last_.Hand[side].count(tag)) {
        taken_[side].push_back(tag);
        gone_.insert(tag);
      }
    }
    if (now.Discard.count(tag) && !last_.Discard.count(tag)) {
      discarded_.push_back(tag);
      gone_.insert(tag);
    }
  }
}

void TNarrator::GatherDraws(const TSnapshot& now) {
  for (int side : {sdPlayer, sdComputer}) {
    for (int tag : now.Hand[side]) {
      // Cards coming back from the table are a take, told above.
      if (last_.Hand[side].count(tag) || bout_.count(tag) || last_.Discard.count(tag)) continue;
      if (!dealt_) {
        // The deal itself is not told card by card: the hands are shown whole.
        dealt_hands_[side].push_back(tag);
        continue;
      }
      if (firstDrawer_ < 0) firstDrawer_ = side;
      drawn_[side].push_back(tag);
      stockAfter_[side] = now.Stock;
    }
  }
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
      Flush();
      bout_.insert(tag);
      const int other = side == sdPlayer ? sdComputer : sdPlayer;
      const int under = now.Row[other][slot];
      const std::string card = CardNameOfTag(tag);
      if (under != 0 && bout_.count(under) && attacker_ >= 0 && side != attacker_) {
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

void TNarrator::EndBoutIfClear(const TSnapshot& now) {
  std::set<int> onRows;
  for (const auto& row : now.Row)
    for (int tag : row)
      if (tag != 0) onRows.insert(tag);
  // A card told taken or discarded leaves the bout once it has left the rows too.
  for (auto it = gone_.begin(); it != gone_.end();) {
    if (onRows.count(*it)) {
      ++it;
      continue;
    }
    bout_.erase(*it);
    it = gone_.erase(it);
  }
  if (bout_.empty()) attacker_ = -1;
}

}  // namespace durak
