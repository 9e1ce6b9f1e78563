// What the rules let the player do with a card now. The click and the scripted players of
// the harness ask here, so what a click accepts and what the harness offers are the same.
// The highlight of the cards that may be played (MarkPlayable) is advice, as in the game it
// lights up by the mode and the ranks on the table: it may light a card that a click then
// refuses (for example once the computer holds no more cards than are open).
#include "Game.h"

namespace durak {

bool TGame::MayLead(const TCardInfo& card) const {
  const int led = RowCount(PlayerRow);
  // The computer must be able to answer every led card; further cards match the first.
  if (led >= static_cast<int>(CompHand.size())) return false;
  return led == 0 || card.Rank == PlayerRow[0].Rank;
}

bool TGame::MayTransfer(const TCardInfo& card) const {
  const int attack = RowCount(CompRow);
  // Before any card is beaten, with the led rank, and the computer must be able to face
  // the attack with one card more.
  return TransferOn && RowCount(PlayerRow) == 0 && attack >= 1 && card.Rank == CompRow[0].Rank &&
         attack < static_cast<int>(CompHand.size());
}

std::vector<int> TGame::SlotsToBeat(const TCardInfo& card) const {
  std::vector<int> slots;
  for (int i = 0; i < 6; ++i)
    if (SlotOpen(i) == -1 && CanBeat(card.Rank, card.Suit, CompRow[i].Rank, CompRow[i].Suit, Trump))
      slots.push_back(i);
  return slots;
}

bool TGame::AttackOpen() const {
  const int attack = RowCount(CompRow);
  return attack > 0 && attack > RowCount(PlayerRow);
}

bool TGame::ThrowInRoom() const {
  const int attack = RowCount(PlayerRow);
  // The computer must be able to face one more card, and the attack holds six at most.
  return attack - RowCount(CompRow) < static_cast<int>(CompHand.size()) && attack < 6;
}

bool TGame::MayThrowIn(const TCardInfo& card) const {
  return CountRank(card.Rank, TableCards) != 0 && ThrowInRoom();
}

bool TGame::ClickActs(const TCardInfo& card) const {
  switch (PlayMode) {
    case pmLead:
      return MayLead(card);
    case pmDefend:
      return AttackOpen() && (MayTransfer(card) || !SlotsToBeat(card).empty());
    case pmThrowIn:
      return MayThrowIn(card);
    default:
      return false;
  }
}

}  // namespace durak
