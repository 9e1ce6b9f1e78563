// Laying out the stock and the hands on the table.
#include <algorithm>

#include "Game.h"

namespace durak {

void TGame::ArrangeTable(int tableWidth, int tableHeight, int cardWidth, int cardHeight,
                         double scale) {
  Layout = ComputeLayout(tableWidth, tableHeight, cardWidth, cardHeight);
  Layout.Scale = scale < 1.0 ? 1.0 : scale;
  PaintStock();
  PlaceRow(sdPlayer);
  PlaceRow(sdComputer);
}

void TGame::PaintStock() {
  const int cw = Layout.CardWidth, ch = Layout.CardHeight;
  Table.PlaceTrumpPicture(Layout.DeckLeft - (Table.TrumpPictureWidth() - cw) / 2,
                          Layout.DeckTop - (Table.TrumpPictureHeight() - ch) / 2);
  Table.SetLed(StockLed, static_cast<int>(Deck.size()));
  PlaceCards(Layout.CompHandLeft, Layout.HandRight, Layout.CompHandTop, 0, CompHand);

  if (!Deck.empty()) {
    // The trump card lies across the stock, sticking out on the left by a third.
    ICardControl& trump = GetCard(Deck[0].Tag);
    if (trump.CardState() != 1) trump.SetCardState(1);
    if (!trump.Turned()) {
      trump.Turn();
      trump.BringToFront();
    }
    trump.SetBounds(Layout.DeckLeft - ch / 3, Layout.DeckTop + (ch - cw) / 2, trump.Width(),
                    trump.Height());
  }
  // The stock: a slanting pile, the next card to be drawn on top.
  for (size_t i = 1; i < Deck.size(); ++i) {
    ICardControl& c = GetCard(Deck[i].Tag);
    const int d = static_cast<int>(i) - 1;
    c.SetBounds(Layout.DeckLeft + d, Layout.DeckTop - d, cw, ch);
    if (c.CardState() != 0) c.SetCardState(0);
    c.BringToFront();
  }
  PlaceCards(Layout.PlayerHandLeft, Layout.HandRight, Layout.PlayerHandTop, HandOrder, PlayerHand);
}

void TGame::PlaceCards(int left, int right, int top, int sortKind, TCardList& list) {
  if (list.empty()) return;
  SortHand(list, sortKind, Trump);
  const int n = static_cast<int>(list.size());
  const int step = PlaceCardsStep(right, Layout.CardWidth, n, sortKind);
  int extra = 0;
  for (int i = 0; i < n; ++i) {
    // By suit, an empty step separates the suit groups.
    if (sortKind == 1 && i > 0 && list[i].Suit != list[i - 1].Suit) extra += step;
    ICardControl& c = GetCard(list[i].Tag);
    const int x = left + step * i + extra;
    c.SetBounds(x, top, c.Width(), c.Height());
    c.BringToFront();
  }
}

int TGame::GlideStep(int speed) const {
  const int64_t step = Nearest(speed * Layout.Scale);
  return step < 1 ? 1 : static_cast<int>(std::min<int64_t>(step, 100000));
}

void TGame::LayOutHand(const TCardList& hand, int left, int top, int step) {
  for (size_t i = 0; i < hand.size(); ++i) {
    ICardControl& c = GetCard(hand[i].Tag);
    c.SetBounds(left + step * static_cast<int>(i), top, c.Width(), c.Height());
  }
}

}  // namespace durak
