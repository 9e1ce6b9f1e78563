// Scripted opponents that take the player's side in `durak-sim play`, through the same
// card clicks, menu picks and buttons a person uses.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Game.h"
#include "Headless.h"

namespace durak {

// A player's input: a click on a card of the hand, or a press of a command button.
struct TPlayerMove {
  bool IsClick = true;
  int Tag = 0;                  // the clicked card
  TButton Button = TakeButton;  // the pressed button
};

class TOpponent {
 public:
  virtual ~TOpponent() = default;
  // The next input; false when the player has nothing at all to do.
  virtual bool NextMove(const TGame& game, TPlayerMove& move) = 0;
  // The item picked from the pick-a-pair menu: one of the offered tags.
  virtual int PickMenu(const std::vector<TPairMenuItem>& items) = 0;
  // How long each real decision took (more than one move to choose from), in milliseconds;
  // only for opponents that think.
  virtual const std::vector<double>* ThinkTimes() const { return nullptr; }
};

// A small, fast generator for the opponents' choices and the deal seeds.
class TSplitMix {
 public:
  explicit TSplitMix(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // Uniform in 0..n-1 (n > 0).
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>((Next() >> 32) * n >> 32); }

 private:
  uint64_t state_;
};

// Uniformly random among the cards of the hand whose click would be accepted as a move and
// the visible answer buttons; a random item of the menu.
std::unique_ptr<TOpponent> MakeRandomOpponent(uint64_t seed);
// The first card in hand order whose click would act, the first menu item; when no card can
// be played, "Бито", "Беру", "Забирай" or "Бейся", whichever is shown.
std::unique_ptr<TOpponent> MakeFirstOpponent();

// The strong player in the player's seat, deciding on the player's knowledge only, with a
// budget of `iterations` searched deals per decision. Without a time limit (0) a run
// repeats exactly; with one, each decision also stops after that many milliseconds, as
// the game's does.
std::unique_ptr<TOpponent> MakeStrongOpponent(uint64_t seed, int iterations,
                                              double timeLimitMs = 0);

// Gives the game the player's input: the click on the card (only a card that answers a
// click, as in the window) or the press of the button.
void ApplyMove(TGame& game, THeadlessCards& cards, const TPlayerMove& move);

// The easy player in the player's seat, on the player's knowledge only.
std::unique_ptr<TOpponent> MakeEasyOpponent(uint64_t seed);

// A table that lets the opponent choose from the pick-a-pair menu.
class TPlayTable : public THeadlessTable {
 public:
  int PopupPairMenu(const std::vector<TPairMenuItem>& items, int x, int y) override;
  TOpponent* Opponent = nullptr;
};

}  // namespace durak
