// A table without a window: cards jump straight to the end of every animation, nothing
// waits and nothing is drawn. The harness and the tests run the engine on it.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CardControl.h"
#include "TableView.h"

namespace durak {

class THeadlessCard : public ICardControl {
 public:
  explicit THeadlessCard(int tag) : tag_(tag) {}

  int Tag() const override { return tag_; }
  int CardState() const override { return state_; }
  void SetCardState(int state) override { state_ = state; }
  bool Turned() const override { return turned_; }
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetBounds(int left, int top, int width, int height) override;
  void MoveTo(int x, int y, int delay, int step, bool toggle) override;
  void FlipMoveTo(int x, int y, int delay, int step) override;
  void FlipInPlace(int delay, bool horizontal) override;
  void Turn() override;
  bool HotMouse() const override { return hot_; }
  void SetHotMouse(bool on) override { hot_ = on; }
  void RestoreFace() override {}
  void BringToFront() override {}
  bool Clickable() const override { return clickable_; }
  void SetClickable(bool on) override { clickable_ = on; }
  void SetHandCursor(bool) override {}

 private:
  void ToggleSide() { state_ = state_ == 0 ? 1 : 0; }

  int tag_;
  int state_ = 1;
  bool turned_ = false;
  int left_ = -100, top_ = 0, width_ = 71, height_ = 96;
  bool hot_ = false;
  bool clickable_ = false;
};

// Answers the pick-a-pair menu with a fixed choice and remembers what it was offered.
class THeadlessTable : public ITableView {
 public:
  void SetButtonVisible(TButton button, bool visible) override { Buttons[button] = visible; }
  void SetSpeechText(const std::string& text) override { Speech = text; }
  void SetLed(TLed led, int value) override { Leds[led] = value; }
  void SetTrumpPicture(int suit) override { TrumpSuit = suit; }
  void SetTrumpVisible(bool visible) override { TrumpVisible = visible; }
  void PlaceTrumpPicture(int left, int top) override { TrumpLeft = left, TrumpTop = top; }
  int TrumpPictureWidth() const override { return 63; }
  int TrumpPictureHeight() const override { return 84; }
  int PopupPairMenu(const std::vector<TPairMenuItem>& items, int x, int y) override;
  void PlaySound(TSound id) override { Played.push_back(id); }
  void Wait(int /*milliseconds*/) override {}
  void ProcessMessages() override {}
  bool ShowChampionsAfterDeal() override {
    if (OnChampions) OnChampions();
    return ChampionsOk;
  }
  void CloseMainWindow() override { Closed = true; }

  std::array<bool, 6> Buttons{};
  std::string Speech;
  std::array<int, 3> Leds{};
  int TrumpSuit = 0;
  bool TrumpVisible = false;
  int TrumpLeft = 0, TrumpTop = 0;
  std::vector<int> Played;
  bool ChampionsOk = true;
  // What the champions table does while it is shown after a deal (another player chosen
  // starts the score afresh, for instance).
  std::function<void()> OnChampions;
  bool Closed = false;

  // The menu: the choice to make, and the tags offered the last time it popped up.
  int MenuChoice = -1;
  bool MenuShown = false;
  std::vector<int> MenuOffered;
  std::vector<TPairMenuItem> MenuItems;
};

class TFixedClock : public IClock {
 public:
  explicit TFixedClock(uint32_t value = 0) : Value(value) {}
  uint32_t MillisOfDay() override { return Value; }
  uint32_t Value;
};

// The 36 headless cards, owned together.
struct THeadlessCards {
  THeadlessCards();
  std::array<ICardControl*, 36> Pointers() const;
  std::array<std::unique_ptr<THeadlessCard>, 36> Cards;
};

class TGame;
struct THint;

// Gives the game a player's input as the strong player's hint or the search model names
// it: the pair the menu is to offer, then the click on the card or the press of the button.
void PlayHint(TGame& game, THeadlessTable& table, const THeadlessCards& cards, const THint& hint);

}  // namespace durak
