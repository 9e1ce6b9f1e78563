// The end of a bout: the defender takes the table, or the bout goes to the discard; then
// both hands are refilled from the stock, the attacker first.
#include "Game.h"

namespace durak {

void TGame::Beru(TSide who) {
  PlaySoundEffect(snTake);
  const bool player = who == sdPlayer;
  TCardList& hand = player ? PlayerHand : CompHand;
  const int left = player ? Layout.PlayerHandLeft : Layout.CompHandLeft;
  const int top = player ? Layout.PlayerHandTop : Layout.CompHandTop;
  const int step = HandStep(Layout.HandRight, Layout.CardWidth,
                            static_cast<int>(TableCards.size() + hand.size()) - 1);
  if (player) SortHand(PlayerHand, HandOrder, Trump);
  LayOutHand(hand, left, top, step);
  Table.ProcessMessages();

  int x = left + step * static_cast<int>(hand.size());
  const bool hot = (Options & arHotCards) != 0;
  for (const TCardInfo& k : TableCards) {
    ICardControl& c = GetCard(k.Tag);
    if (player) {
      AddToList(k, PlayerHand);
      AddToList(k, KnownCards);
      c.SetClickable(true);
      c.SetHotMouse(hot);
      c.SetHandCursor(true);
      c.MoveTo(x, top, 0, GlideStep(GlideSpeed), false);
    } else {
      AddToList(k, CompHand);
      AddToList(k, SeenCompCards);
      c.SetClickable(false);
      c.FlipMoveTo(x, top, 0, GlideStep(GlideSpeed));
    }
    x += step;
  }
  TableCards.clear();
  ClearRow(PlayerRow);
  ClearRow(CompRow);

  if (player) {
    DrawCards(6 - static_cast<int>(CompHand.size()), sdComputer);
    DrawCards(6 - static_cast<int>(PlayerHand.size()), sdPlayer);
  } else {
    DrawCards(6 - static_cast<int>(PlayerHand.size()), sdPlayer);
    DrawCards(6 - static_cast<int>(CompHand.size()), sdComputer);
  }
  PaintStock();
  if (Deck.size() <= 1) {
    // The stock is nearly gone: the computer counts the whole hand as known.
    KnownCards = PlayerHand;
    UnseenCards.clear();
  }
}

void TGame::Bito(TSide attacker) {
  if (attacker == sdComputer) Table.Wait(500);
  Table.ProcessMessages();
  if (TableCards.empty()) return;
  PlaySoundEffect(snDiscard);
  for (const TCardInfo& k : TableCards) {
    AddToList(k, Discard);
    ICardControl& c = GetCard(k.Tag);
    c.MoveTo(OffTableLeft(c.Width()), c.Top(), 0, GlideStep(GlideSpeed), false);
  }
  ClearRow(PlayerRow);
  ClearRow(CompRow);
  TableCards.clear();

  if (attacker == sdPlayer) {
    DrawCards(6 - static_cast<int>(PlayerHand.size()), sdPlayer);
    DrawCards(6 - static_cast<int>(CompHand.size()), sdComputer);
  } else {
    DrawCards(6 - static_cast<int>(CompHand.size()), sdComputer);
    DrawCards(6 - static_cast<int>(PlayerHand.size()), sdPlayer);
  }
  PaintStock();
  if (CheckGameOver() != drGoesOn) return;
  if (Deck.size() >= 2) return;
  KnownCards = PlayerHand;
  UnseenCards.clear();
}

void TGame::DrawCards(int count, TSide who) {
  const int n = static_cast<int>(Deck.size());
  if (n == 0 || count <= 0) return;
  if (count > n) count = n;
  const bool player = who == sdPlayer;
  TCardList& hand = player ? PlayerHand : CompHand;
  const int left = player ? Layout.PlayerHandLeft : Layout.CompHandLeft;
  const int top = player ? Layout.PlayerHandTop : Layout.CompHandTop;
  const int step =
      HandStep(Layout.HandRight, Layout.CardWidth, count + static_cast<int>(hand.size()) - 1);
  if (player) SortHand(PlayerHand, HandOrder, Trump);
  LayOutHand(hand, left, top, step);
  Table.ProcessMessages();

  int x = left + step * static_cast<int>(hand.size());
  const bool hot = (Options & arHotCards) != 0;
  for (int i = 0; i < count; ++i) {
    // Always from the top of the stock: the face-up trump card (entry 0) comes last.
    const TCardInfo k = Deck.back();
    ICardControl& c = GetCard(k.Tag);
    if (player) {
      if (c.Turned()) {
        // The trump card comes into the hand upright and arrives face up.
        c.Turn();
        c.SetCardState(0);
      }
      c.FlipMoveTo(x, top, 0, GlideStep(GlideSpeed));
      RemoveFromList(k, Deck);
      AddToList(k, PlayerHand);
      c.SetHotMouse(hot);
      c.SetHandCursor(true);
      c.SetClickable(true);
    } else {
      // The face-up trump card stays face up in the computer's hand, but it stands upright
      // like every card that leaves the stock, and so keeps its shape on the table and in
      // the player's hand should the player take it.
      if (Deck.size() == 1) AddToList(k, SeenCompCards);
      if (c.Turned()) c.Turn();
      c.MoveTo(x, top, 0, GlideStep(GlideSpeed), false);
      RemoveFromList(k, Deck);
      AddToList(k, CompHand);
      RemoveFromList(k, UnseenCards);
    }
    x += step;
  }
}

}  // namespace durak
