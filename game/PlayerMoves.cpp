// The player's moves: clicking a card of the hand (lead, defend, transfer, throw in) and the
// command buttons.
#include <cstdlib>

#include "Game.h"

namespace durak {

void TGame::CardClicked(ICardControl& card) {
  if (PlayMode == pmNone) return;
  MenuPick = -1;
  ShowSpeech(sayClear);

  const TCardInfo kart = CardInfoOfTag(card.Tag());
  int slot = 0;
  bool extend = false;
  bool accepted = false;
  switch (PlayMode) {
    case pmLead:
      accepted = LeadBranch(kart, slot, extend);
      break;
    case pmDefend:
      accepted = DefendBranch(card, kart, slot);
      break;
    case pmThrowIn:
      accepted = ThrowInBranch(kart, slot);
      break;
    default:
      break;
  }
  if (!accepted) return;

  PutOnTable(card, dsPlayer, slot);
  const int d = RowCount(PlayerRow) - RowCount(CompRow);
  if (PlayMode == pmLead && extend) {
    // Still leading: light up the cards of the led rank.
    MarkPlayable(pmThrowIn);
    PlayMode = pmLead;
  } else if (d == 0 || PlayMode != pmDefend) {
    MarkPlayable(pmNone);
  }
  if (PlayMode == pmNone) SetButton(TakeButton, false);
  if (CheckGameOver() != drGoesOn) return;
  if (PlayMode == pmNone) ComputerMove(CompAction, 0);
}

bool TGame::LeadBranch(const TCardInfo& card, int& slot, bool& extend) {
  if (!MayLead(card)) return false;
  const int led = RowCount(PlayerRow);
  const int compCards = static_cast<int>(CompHand.size());

  extend = MultiLeadOn && std::abs(CountRank(card.Rank, PlayerHand)) > 1 &&
           led - RowCount(CompRow) < compCards - 1;
  if (extend) {
    SetButton(DefendButton, true);
    CompAction = caNothing;
    ShowSpeech(sayMayLeadMore);
  } else {
    SetButton(DefendButton, false);
    CompAction = caDefend;
  }
  slot = led;
  return true;
}

bool TGame::DefendBranch(ICardControl& card, const TCardInfo& kart, int& slot) {
  if (!AttackOpen()) return false;
  const bool transfer = MayTransfer(kart);
  const std::vector<int> candidates = SlotsToBeat(kart);
  const int n = static_cast<int>(candidates.size());

  if (n == 0 && !transfer) {
    ShowSpeech(sayCannotBeat);
    return false;
  }
  if (n == 1 && !transfer)
    MenuPick = candidates.back();
  else if (n == 0 && transfer)
    MenuPick = 6;
  else
    MenuPick = PairMenu(card, candidates, transfer);
  if (MenuPick == -1) return false;

  if (MenuPick == 6) {
    // Transfer: the attack moves into the player's row and the computer must defend.
    slot = RowCount(CompRow);
    ShiftRow(sdPlayer);
    MarkPlayable(pmNone);
    CompAction = caDefend;
  } else {
    slot = MenuPick;
    CompAction = caThrowIn;
  }
  return true;
}

int TGame::PairMenu(ICardControl& card, const std::vector<int>& candidates, bool transfer) {
  std::vector<TPairMenuItem> items;
  for (int i : candidates) {
    const TCardInfo& target = CompRow[i];
    TPairMenuItem item;
    item.Tag = i;
    item.Caption = Texts.PopupWords[0] + " " + Texts.RankWords[target.Rank] + " " +
                   Texts.SuitWords[target.Suit];
    item.PictureCard = target.Tag;
    items.push_back(item);
  }
  if (transfer) {
    TPairMenuItem item;
    item.Tag = 6;
    item.Caption = Texts.PopupWords[1];
    item.PictureCard = card.Tag();
    item.Arrow = true;
    items.push_back(item);
  }
  int pick = Table.PopupPairMenu(items, card.Left(), card.Top() + Layout.CardHeight);
  card.RestoreFace();
  Table.ProcessMessages();
  // Only an offered item counts; anything else is a dismissed menu.
  bool offered = false;
  for (const TPairMenuItem& item : items) offered = offered || item.Tag == pick;
  return offered ? pick : -1;
}

bool TGame::ThrowInBranch(const TCardInfo& card, int& slot) {
  if (TableCards.empty() || CountRank(card.Rank, TableCards) == 0) {
    ShowSpeech(sayRankNotOnTable);
    return false;
  }
  if (!ThrowInRoom()) {
    // No more cards may come: only the buttons act now.
    ShowSpeech(sayNoMoreCards);
    MarkPlayable(pmNone);
    return false;
  }
  slot = RowCount(PlayerRow);
  if (CompAction != caTakes) CompAction = caDefend;
  return true;
}

void TGame::TakePressed() {
  SetButton(TakeButton, false);
  CompAction = caThrowIn;
  const int before = DealResult;
  ComputerMove(caThrowIn, 1);
  // The computer may have thrown in its last cards and won the deal then and there.
  if (before == drGoesOn && DealResult != drGoesOn) return;
  Beru(sdPlayer);
  if (CheckGameOver() != drGoesOn) return;
  ShowSpeech(sayClear);
  CompAction = caLead;
  ComputerMove(caLead, 0);
}

void TGame::ComputerTakesPressed() {
  SetButton(ComputerTakesButton, false);
  Beru(sdComputer);
  if (CheckGameOver() != drGoesOn) return;
  ShowSpeech(sayCompTookPlayerLeads);
  MarkPlayable(pmLead);
  CompAction = caNothing;
}

void TGame::DiscardPressed() {
  SetButton(DiscardButton, false);
  Bito(sdPlayer);
  if (CheckGameOver() != drGoesOn) return;
  ShowSpeech(sayClear);
  MarkPlayable(pmNone);
  CompAction = caLead;
  ComputerMove(caLead, 0);
}

void TGame::DefendPressed() {
  SetButton(DefendButton, false);
  PlayMode = pmNone;
  CompAction = caDefend;
  ComputerMove(caDefend, 0);
}

}  // namespace durak
