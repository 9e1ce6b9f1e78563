#include "Headless.h"

#include "Game.h"
#include "StrongChooser.h"

namespace durak {

void THeadlessCard::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void THeadlessCard::MoveTo(int x, int y, int, int, bool toggle) {
  if (toggle) ToggleSide();
  left_ = x;
  top_ = y;
}

void THeadlessCard::FlipMoveTo(int x, int y, int, int) {
  ToggleSide();
  left_ = x;
  top_ = y;
}

void THeadlessCard::FlipInPlace(int, bool) {
  state_ = state_ == 1 ? 0 : 1;
}

void THeadlessCard::Turn() {
  std::swap(width_, height_);
  turned_ = !turned_;
}

int THeadlessTable::PopupPairMenu(const std::vector<TPairMenuItem>& items, int, int) {
  MenuShown = true;
  MenuItems = items;
  MenuOffered.clear();
  for (const TPairMenuItem& item : items) MenuOffered.push_back(item.Tag);
  return MenuChoice;
}

THeadlessCards::THeadlessCards() {
  for (int i = 0; i < 36; ++i) Cards[i] = std::make_unique<THeadlessCard>(i + 1);
}

std::array<ICardControl*, 36> THeadlessCards::Pointers() const {
  std::array<ICardControl*, 36> p{};
  for (int i = 0; i < 36; ++i) p[i] = Cards[i].get();
  return p;
}

void PlayHint(TGame& game, THeadlessTable& table, const THeadlessCards& cards, const THint& hint) {
  table.MenuChoice = hint.Menu;
  if (hint.IsClick)
    game.CardClicked(*cards.Cards[hint.Tag - 1]);
  else if (hint.Button == TakeButton)
    game.TakePressed();
  else if (hint.Button == ComputerTakesButton)
    game.ComputerTakesPressed();
  else if (hint.Button == DiscardButton)
    game.DiscardPressed();
  else
    game.DefendPressed();
}

}  // namespace durak
