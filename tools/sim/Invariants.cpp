#include "Invariants.h"

#include <array>

namespace durak {

namespace {

bool WellFormed(const TCardInfo& k) {
  if (k.Tag < 1 || k.Tag > 36) return false;
  return k.Rank == (k.Tag - 1) / 4 + 6 && k.Suit == (k.Tag - 1) % 4 + 1 && k.CardNo == k.Tag + 16;
}

// Marks the list's cards in `seen`; false when a card is malformed or listed twice.
bool Mark(const TCardList& list, std::array<int, 37>& seen, const char* name, std::string& fault) {
  std::array<bool, 37> here{};
  for (const TCardInfo& k : list) {
    if (!WellFormed(k)) {
      fault = std::string(name) + " holds a malformed card entry";
      return false;
    }
    if (here[k.Tag]) {
      fault = std::string(name) + " holds card " + std::to_string(k.Tag) + " twice";
      return false;
    }
    here[k.Tag] = true;
    ++seen[k.Tag];
  }
  return true;
}

}  // namespace

std::string CheckInvariants(const TGame& game) {
  std::string fault;
  // Where each card lies: 1 player's hand, 2 computer's hand, 3 stock, 4 table, 5 discard.
  std::array<int, 37> pack{};
  std::array<int, 37> place{};
  const TCardList* lists[] = {&game.PlayerHand, &game.CompHand, &game.Deck, &game.TableCards,
                              &game.Discard};
  const char* names[] = {"playerHand", "compHand", "deck", "tableCards", "discard"};
  for (int i = 0; i < 5; ++i) {
    if (!Mark(*lists[i], pack, names[i], fault)) return fault;
    for (const TCardInfo& k : *lists[i]) place[k.Tag] = i + 1;
  }
  for (int tag = 1; tag <= 36; ++tag)
    if (pack[tag] != 1)
      return "card " + std::to_string(tag) + " lies in " + std::to_string(pack[tag]) + " places";

  std::array<int, 37> rows{};
  int occupied = 0;
  for (const TRow* row : {&game.PlayerRow, &game.CompRow}) {
    if (RowCount(*row) > 6) return "a row holds more than six cards";
    for (const TCardInfo& k : *row) {
      if (k.Rank == 0) continue;
      if (!WellFormed(k)) return "a row holds a malformed card entry";
      if (++rows[k.Tag] > 1) return "card " + std::to_string(k.Tag) + " lies in a row twice";
      if (place[k.Tag] != 4) return "row card " + std::to_string(k.Tag) + " is not in tableCards";
      ++occupied;
    }
  }
  if (occupied != static_cast<int>(game.TableCards.size()))
    return "tableCards holds cards that lie in no row";

  std::array<int, 37> none{};
  if (!Mark(game.KnownCards, none, "known", fault) ||
      !Mark(game.UnseenCards, none, "unseen", fault))
    return fault;
  for (const TCardInfo& k : game.KnownCards)
    if (place[k.Tag] != 1)
      return "known card " + std::to_string(k.Tag) + " is not in the player's hand";
  for (const TCardInfo& k : game.UnseenCards)
    if (place[k.Tag] != 1 && place[k.Tag] != 3)
      return "unseen card " + std::to_string(k.Tag) +
             " is neither in the player's hand nor the stock";
  return {};
}

}  // namespace durak
