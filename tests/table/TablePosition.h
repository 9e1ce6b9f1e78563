// Hand-built table positions for the rule tests: cards by name ("6S", "10H", "AD"; suits
// S clubs... as the game numbers them: S spades, C clubs, D diamonds, H hearts).
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "TableRules.h"

namespace durak::table {

inline int Card(const std::string& name) {
  const std::string rankText = name.substr(0, name.size() - 1);
  const char suitChar = name.back();
  int rank = 0;
  if (rankText == "J")
    rank = 11;
  else if (rankText == "Q")
    rank = 12;
  else if (rankText == "K")
    rank = 13;
  else if (rankText == "A")
    rank = 14;
  else
    rank = std::stoi(rankText);
  const int suit = suitChar == 'S' ? 1 : suitChar == 'C' ? 2 : suitChar == 'D' ? 3 : 4;
  return (rank - 6) * 4 + suit;
}

inline TCards Cards(std::initializer_list<const char*> names) {
  TCards set = 0;
  for (const char* n : names) set |= Bit(Card(n));
  return set;
}

// A deal with the given hands and stock (the trump card first, drawn last); every other
// card lies in the discard. With an empty stock, `trumpCard` names the trump suit's card
// (it lies wherever the hands and discard put it). The first bout is set up as the deal
// does: `previousFool` -1 lets the lowest trump lead.
inline TTableState Position(std::vector<TCards> hands, std::vector<const char*> stock,
                            const char* trumpCard, TTableRules rules = {}, int previousFool = -1) {
  TTableState s;
  s.Seats = static_cast<uint8_t>(hands.size());
  s.Rules = rules;
  TCards placed = 0;
  for (size_t i = 0; i < hands.size(); ++i) {
    s.Hand[i] = hands[i];
    placed |= hands[i];
  }
  for (const char* c : stock) {
    s.Stock[s.StockCount++] = static_cast<uint8_t>(Card(c));
    placed |= Bit(Card(c));
  }
  s.TrumpCard = static_cast<uint8_t>(Card(trumpCard));
  s.Trump = static_cast<uint8_t>(SuitOf(s.TrumpCard));
  s.Discard = kWholePack & ~placed;
  StartFirstBout(s, previousFool);
  const std::string fault = CheckTable(s);
  if (!fault.empty()) ADD_FAILURE() << "the position breaks the rules: " << fault;
  return s;
}

// Plays a move that must be legal, and checks the invariants after it.
inline void Play(TTableState& s, uint8_t kind, const char* card = nullptr, int slot = 0,
                 TTableEvents* events = nullptr) {
  const TTableMove m{kind, static_cast<uint8_t>(card ? Card(card) : 0), static_cast<uint8_t>(slot)};
  ASSERT_TRUE(ApplyMove(s, m, events))
      << "move " << int(kind) << " " << (card ? card : "") << " refused; seat " << int(s.ToMove)
      << " phase " << int(s.Phase);
  ASSERT_EQ(CheckTable(s), "");
}

inline bool Legal(const TTableState& s, uint8_t kind, const char* card = nullptr, int slot = 0) {
  return IsLegal(
      s, TTableMove{kind, static_cast<uint8_t>(card ? Card(card) : 0), static_cast<uint8_t>(slot)});
}

}  // namespace durak::table
