#include "Invariants.h"

#include <array>

namespace durak {

namespace {

bool WellFormed(const TKart& k) {
  if (k.Tag < 1 || k.Tag > 36) return false;
  const TKart expected = KartOfTag(k.Tag);
  return k.Rank == expected.Rank && k.Suit == expected.Suit && k.CardNo == expected.CardNo;
}

// Marks the list's cards in `seen`; false when a card is malformed or listed twice.
bool Mark(const TKarts& list, std::array<int, 37>& seen, const char* name, std::string& fault) {
  std::array<bool, 37> here{};
  for (const TKart& k : list) {
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
  std::array<int, 37> pack{};
  if (!Mark(game.PlayerHand, pack, "playerHand", fault) ||
      !Mark(game.CompHand, pack, "compHand", fault) || !Mark(game.Deck, pack, "deck", fault) ||
      !Mark(game.TableCards, pack, "tableCards", fault) ||
      !Mark(game.Discard, pack, "discard", fault))
    return fault;
  for (int tag = 1; tag <= 36; ++tag)
    if (pack[tag] != 1)
      return "card " + std::to_string(tag) + " lies in " + std::to_string(pack[tag]) + " places";

  std::array<int, 37> rows{};
  int occupied = 0;
  for (const TRow* row : {&game.PlayerRow, &game.CompRow}) {
    if (RowCount(*row) > 6) return "a row holds more than six cards";
    for (const TKart& k : *row) {
      if (k.Rank == 0) continue;
      if (!WellFormed(k)) return "a row holds a malformed card entry";
      if (++rows[k.Tag] > 1) return "card " + std::to_string(k.Tag) + " lies in a row twice";
      if (!ListHasTag(game.TableCards, k.Tag))
        return "row card " + std::to_string(k.Tag) + " is not in tableCards";
      ++occupied;
    }
  }
  if (occupied != static_cast<int>(game.TableCards.size()))
    return "tableCards holds cards that lie in no row";

  std::array<int, 37> none{};
  if (!Mark(game.KnownCards, none, "known", fault) ||
      !Mark(game.UnseenCards, none, "unseen", fault))
    return fault;
  for (const TKart& k : game.KnownCards)
    if (!ListHasTag(game.PlayerHand, k.Tag))
      return "known card " + std::to_string(k.Tag) + " is not in the player's hand";
  for (const TKart& k : game.UnseenCards)
    if (!ListHasTag(game.PlayerHand, k.Tag) && !ListHasTag(game.Deck, k.Tag))
      return "unseen card " + std::to_string(k.Tag) +
             " is neither in the player's hand nor the stock";
  return {};
}

}  // namespace durak
