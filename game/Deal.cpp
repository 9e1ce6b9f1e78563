// The deal of a new hand, the shuffle and the new-game command.
#include <algorithm>
#include <utility>

#include "Game.h"

namespace durak {

TGame::TGame(std::array<ICardControl*, 36> cards, ITableView& table, IClock& clock)
    : Cards(cards), Table(table), Clock(clock) {}

void TGame::SetButton(TButton button, bool visible) {
  ButtonVisible[button] = visible;
  Table.SetButtonVisible(button, visible);
}

void TGame::DealPressed() {
  if (Busy) return;
  SetButton(DealButton, false);
  Busy = true;
  DealCards();
  Busy = false;
}

void TGame::Shuffle(std::array<uint8_t, 36>& buffer, int high) {
  high = std::clamp(high, 0, 35);
  for (int i = 0; i <= high; ++i) buffer[i] = static_cast<uint8_t>(i + 1);
  Random.Reseed(Clock);
  const uint32_t n = static_cast<uint32_t>(high + 1);
  for (int counter = 0; counter <= 250; ++counter) {
    const uint32_t x = Random.Draw(n);
    const uint32_t y = Random.Draw(n);
    std::swap(buffer[x], buffer[y]);
  }
}

void TGame::DealCards() {
  ShowSpeech(sayClear);
  std::array<uint8_t, 36> buffer{};
  Shuffle(buffer, 35);

  PlayMode = pmNone;
  CompAction = caNothing;
  TransferOn = (Options & arTransfer) != 0;
  MultiLeadOn = (Options & arMultiLead) != 0;
  DealResult = drGoesOn;

  TableCards.clear();
  ClearRow(PlayerRow);
  ClearRow(CompRow);
  PlayerHand.clear();
  CompHand.clear();
  Deck.clear();
  UnseenCards.clear();
  KnownCards.clear();
  SeenCompCards.clear();
  Discard.clear();

  // Gather the whole pack face down in the middle of the table.
  const int cw = Layout.CardWidth, ch = Layout.CardHeight;
  for (int tag = 36; tag >= 1; --tag) {
    ICardControl& c = GetCard(tag);
    c.SetCardState(0);
    if (c.Turned()) c.Turn();
    c.SetBounds((Layout.TableWidth - cw) / 2, (Layout.TableHeight - ch) / 2, cw, ch);
    c.SetClickable(false);
    if (c.HotMouse()) c.SetHotMouse(false);
    c.SetHandCursor(false);
  }
  Table.SetTrumpVisible(false);
  Table.ProcessMessages();

  const int step = std::min((Layout.HandRight - cw) / 5, cw + 50);
  int x = Layout.PlayerHandLeft;
  for (int i = 0; i <= 5; ++i) {
    ICardControl& c = GetCard(buffer[i]);
    AddToList(CardInfoOfTag(buffer[i]), PlayerHand);
    AddToList(CardInfoOfTag(buffer[i]), UnseenCards);
    c.SetHandCursor(true);
    c.SetClickable(true);
    c.FlipMoveTo(x, Layout.PlayerHandTop, 0, GlideStep(GlideSpeed * 2));
    x += step;
  }
  x = Layout.CompHandLeft;
  for (int i = 6; i <= 11; ++i) {
    AddToList(CardInfoOfTag(buffer[i]), CompHand);
    GetCard(buffer[i]).MoveTo(x, Layout.CompHandTop, 0, GlideStep(GlideSpeed * 2), false);
    x += step;
  }
  for (int i = 0; i <= 23; ++i) {
    const int tag = buffer[12 + i];
    AddToList(CardInfoOfTag(tag), Deck);
    if (i > 0) {
      AddToList(CardInfoOfTag(tag), UnseenCards);
      continue;
    }
    // The trump card lies face up across the stock, half under it.
    ICardControl& c = GetCard(tag);
    c.Turn();
    c.MoveTo(Layout.DeckLeft - ch / 2, Layout.DeckTop + (ch - cw) / 2, 0, GlideStep(GlideSpeed),
             true);
  }

  Trump = Deck[0].Suit;
  Table.SetTrumpPicture(Trump);
  Table.SetTrumpVisible(true);

  const int p = LowestTrump(PlayerHand, Trump);
  const int c = LowestTrump(CompHand, Trump);
  PaintStock();

  if (Leader == ldUndecided) {
    if (c < p) {
      // The computer has the lower trump: it leads and shows that trump briefly.
      Leader = ldComputer;
      ShowSpeech(sayCompLeadsDeal);
      ICardControl& shown = GetCard(FindCard(CompHand, Trump, c));
      AddToList(CardInfoOfTag(shown.Tag()), SeenCompCards);
      shown.FlipInPlace(10, true);
      Table.ProcessMessages();
      Table.Wait(1000);
      shown.FlipInPlace(10, true);
    } else {
      Leader = ldPlayer;
    }
  }

  SetButton(TakeButton, false);
  SetButton(ComputerTakesButton, false);
  SetButton(DiscardButton, false);

  if (Leader == ldPlayer) {
    MarkPlayable(pmLead);
    CompAction = caNothing;
    ShowSpeech(sayPlayerLeadsDeal);
  } else if (Leader == ldComputer) {
    MarkPlayable(pmNone);
    CompAction = caLead;
    ComputerMove(caLead, 0);
    SetButton(TakeButton, true);
  }
}

void TGame::NewGame() {
  PlayerScore = 0;
  ComputerScore = 0;
  Table.SetLed(StockLed, 0);
  ShowScore();
  Leader = ldUndecided;

  // Sweep every card off the table, to the nearer side.
  const int speed = GlideStep(GlideSpeed * 5);
  for (int tag = 1; tag <= 36; ++tag) {
    ICardControl& c = GetCard(tag);
    if (c.Left() > Layout.TableWidth / 2) {
      c.MoveTo(Layout.TableWidth + 10, c.Top(), 0, speed, false);
      c.SetBounds(OffTableLeft(c.Width()), c.Top(), c.Width(), c.Height());
    } else {
      c.MoveTo(OffTableLeft(c.Width()), c.Top(), 0, speed, false);
    }
  }

  // The abandoned deal leaves nothing behind: no list or row still names a card, so a new
  // layout (another window size, another card library) keeps the table empty until the
  // next deal.
  for (int tag = 1; tag <= 36; ++tag) {
    ICardControl& c = GetCard(tag);
    c.SetClickable(false);
    if (c.HotMouse()) c.SetHotMouse(false);
  }
  PlayerHand.clear();
  CompHand.clear();
  Deck.clear();
  TableCards.clear();
  ClearRow(PlayerRow);
  ClearRow(CompRow);
  Discard.clear();
  UnseenCards.clear();
  KnownCards.clear();
  Table.SetTrumpVisible(false);

  SetButton(DealButton, true);
  SetButton(TakeButton, false);
  SetButton(ComputerTakesButton, false);
  SetButton(DiscardButton, false);
  SetButton(DefendButton, false);
  ShowSpeech(sayNewGame);
}

}  // namespace durak
