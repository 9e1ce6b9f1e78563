// Putting cards on the table, the transfer shift and the hot-card marking.
#include "Game.h"

namespace durak {

int TGame::SlotOpen(int i) const {
  const bool mine = PlayerRow[i].Rank != 0;
  const bool hers = CompRow[i].Rank != 0;
  if (mine && !hers) return 1;
  if (hers && !mine) return -1;
  return 0;
}

void TGame::PutSlot(ICardControl& card, int i, TRow& row) {
  if (i < 0 || i > 5) return;
  card.BringToFront();
  row[i] = CardInfoOfTag(card.Tag());
}

void TGame::PutOnTable(ICardControl& card, TDeskSide side, int slot) {
  if (card.HotMouse()) card.SetHotMouse(false);
  card.BringToFront();
  const TCardInfo kart = CardInfoOfTag(card.Tag());
  if (side == dsPlayer || side == dsComputer) {
    if (slot < 0 || slot > 5) return;
    const bool player = side == dsPlayer;
    RemoveFromList(kart, player ? PlayerHand : CompHand);
    if (player) RemoveFromList(kart, KnownCards);
    if (!player) RemoveFromList(kart, SeenCompCards);
    PutSlot(card, slot, player ? PlayerRow : CompRow);
    const TPoint to = player ? Layout.PlayerSlotPos[slot] : Layout.CompSlotPos[slot];
    if (card.CardState() == 0)
      card.FlipMoveTo(to.X, to.Y, 0, GlideStep(GlideSpeed));
    else
      card.MoveTo(to.X, to.Y, 0, GlideStep(GlideSpeed), false);
    // The hand closes up behind the card that left it.
    if (player)
      PlaceCards(Layout.PlayerHandLeft, Layout.HandRight, Layout.PlayerHandTop, HandOrder,
                 PlayerHand);
    else
      PlaceCards(Layout.CompHandLeft, Layout.HandRight, Layout.CompHandTop, 0, CompHand);
  }
  PlaySoundEffect(snPutDown);
  AddToList(kart, TableCards);
  RemoveFromList(kart, UnseenCards);
  card.SetHandCursor(false);
  card.SetClickable(false);
}

void TGame::ShiftRow(TSide towards) {
  if (towards == sdPlayer) {
    if (RowCount(CompRow) < 1 || RowCount(PlayerRow) != 0) return;
    PlayerRow = CompRow;
    ClearRow(CompRow);
  } else if (towards == sdComputer) {
    if (RowCount(PlayerRow) < 1 || RowCount(CompRow) != 0) return;
    CompRow = PlayerRow;
    ClearRow(PlayerRow);
  } else {
    return;
  }
  PlaceRow(towards);
}

void TGame::PlaceRow(TSide row) {
  const TRow& cards = row == sdPlayer ? PlayerRow : CompRow;
  const auto& pos = row == sdPlayer ? Layout.PlayerSlotPos : Layout.CompSlotPos;
  for (int i = 0; i < 6; ++i) {
    if (cards[i].Rank == 0) continue;
    GetCard(cards[i].Tag).SetBounds(pos[i].X, pos[i].Y, Layout.CardWidth, Layout.CardHeight);
  }
}

void TGame::MarkPlayable(TPlayMode mode) {
  PlayMode = mode;
  if (PlayerHand.empty()) return;
  for (const TCardInfo& k : PlayerHand) GetCard(k.Tag).SetHotMouse(false);
  if ((Options & arHotCards) == 0) return;

  for (const TCardInfo& k : PlayerHand) {
    ICardControl& card = GetCard(k.Tag);
    const bool present = CountRank(k.Rank, TableCards) != 0;
    switch (mode) {
      case pmLead:
        card.SetHotMouse(true);
        break;
      case pmDefend:
        if (RowCount(CompRow) == 0) return;
        if (MayTransfer(k) || !SlotsToBeat(k).empty()) card.SetHotMouse(true);
        break;
      case pmThrowIn:
        if (present) card.SetHotMouse(true);
        break;
      default:
        break;
    }
  }
}

}  // namespace durak
