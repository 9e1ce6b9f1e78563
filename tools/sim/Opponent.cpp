#include "Opponent.h"

#include <chrono>

#include "EasyPlayer.h"
#include "StrongChooser.h"

namespace durak {

namespace {

constexpr TButton kAnswerButtons[] = {DiscardButton, TakeButton, ComputerTakesButton, DefendButton};

class TRandomOpponent : public TOpponent {
 public:
  explicit TRandomOpponent(uint64_t seed) : rng_(seed) {}

  bool NextMove(const TGame& game, TPlayerMove& move) override {
    choices_.clear();
    if (game.PlayMode != pmNone)
      for (const TCardInfo& k : game.PlayerHand)
        if (game.ClickActs(k)) choices_.push_back({true, k.Tag, TakeButton});
    for (TButton b : kAnswerButtons)
      if (game.ButtonVisible[b]) choices_.push_back({false, 0, b});
    if (choices_.empty()) return false;
    move = choices_[rng_.Below(static_cast<uint32_t>(choices_.size()))];
    return true;
  }

  int PickMenu(const std::vector<TPairMenuItem>& items) override {
    if (items.empty()) return -1;
    return items[rng_.Below(static_cast<uint32_t>(items.size()))].Tag;
  }

 private:
  TSplitMix rng_;
  std::vector<TPlayerMove> choices_;
};

class TFirstOpponent : public TOpponent {
 public:
  bool NextMove(const TGame& game, TPlayerMove& move) override {
    if (game.PlayMode != pmNone)
      for (const TCardInfo& k : game.PlayerHand)
        if (game.ClickActs(k)) {
          move = {true, k.Tag, TakeButton};
          return true;
        }
    for (TButton b : kAnswerButtons)
      if (game.ButtonVisible[b]) {
        move = {false, 0, b};
        return true;
      }
    return false;
  }

  int PickMenu(const std::vector<TPairMenuItem>& items) override {
    return items.empty() ? -1 : items.front().Tag;
  }
};

class TSteadyClock : public ISearchClock {
 public:
  void Restart() override { start_ = std::chrono::steady_clock::now(); }
  double ElapsedMs() override {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_)
        .count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

class TStrongOpponent : public TOpponent {
 public:
  TStrongOpponent(uint64_t seed, int iterations, double timeLimitMs) : seed_(seed) {
    params_.Iterations = iterations;
    // Without a limit the budget is the iteration count alone.
    params_.TimeLimitMs = timeLimitMs > 0 ? timeLimitMs : 1e18;
  }

  bool NextMove(const TGame& game, TPlayerMove& move) override {
    TStrongStats stats;
    TSteadyClock clock;
    clock.Restart();
    const THint hint = StrongHint(game, seed_, params_, &clock, &stats, &memory_);
    const double ms = clock.ElapsedMs();
    if (!hint.Valid) return false;
    if (stats.LegalMoves > 1) times_.push_back(ms);
    menu_ = hint.Menu;
    move = {hint.IsClick, hint.Tag, hint.Button};
    return true;
  }

  int PickMenu(const std::vector<TPairMenuItem>& items) override {
    for (const TPairMenuItem& item : items)
      if (item.Tag == menu_) return menu_;
    return items.empty() ? -1 : items.front().Tag;
  }

  const std::vector<double>* ThinkTimes() const override { return &times_; }

 private:
  uint64_t seed_;
  TStrongParams params_;
  int menu_ = -1;
  std::vector<double> times_;
  TRepetitionMemory memory_;
};

class TEasyOpponent : public TOpponent {
 public:
  explicit TEasyOpponent(uint64_t seed) : seed_(seed) {}

  bool NextMove(const TGame& game, TPlayerMove& move) override {
    const THint hint = EasyHint(game, seed_, &memory_);
    if (!hint.Valid) return false;
    menu_ = hint.Menu;
    move = {hint.IsClick, hint.Tag, hint.Button};
    return true;
  }

  int PickMenu(const std::vector<TPairMenuItem>& items) override {
    for (const TPairMenuItem& item : items)
      if (item.Tag == menu_) return menu_;
    return items.empty() ? -1 : items.front().Tag;
  }

 private:
  uint64_t seed_;
  int menu_ = -1;
  TRepetitionMemory memory_;
};

}  // namespace

std::unique_ptr<TOpponent> MakeEasyOpponent(uint64_t seed) {
  return std::make_unique<TEasyOpponent>(seed);
}

std::unique_ptr<TOpponent> MakeStrongOpponent(uint64_t seed, int iterations, double timeLimitMs) {
  return std::make_unique<TStrongOpponent>(seed, iterations, timeLimitMs);
}

uint64_t TSplitMix::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::unique_ptr<TOpponent> MakeRandomOpponent(uint64_t seed) {
  return std::make_unique<TRandomOpponent>(seed);
}

std::unique_ptr<TOpponent> MakeFirstOpponent() {
  return std::make_unique<TFirstOpponent>();
}

int TPlayTable::PopupPairMenu(const std::vector<TPairMenuItem>& items, int x, int y) {
  const int pick = Opponent != nullptr ? Opponent->PickMenu(items) : -1;
  MenuChoice = pick;
  return THeadlessTable::PopupPairMenu(items, x, y);
}

void ApplyMove(TGame& game, THeadlessCards& cards, const TPlayerMove& move) {
  if (!move.IsClick) {
    switch (move.Button) {
      case TakeButton:
        game.TakePressed();
        break;
      case ComputerTakesButton:
        game.ComputerTakesPressed();
        break;
      case DiscardButton:
        game.DiscardPressed();
        break;
      case DefendButton:
        game.DefendPressed();
        break;
      default:
        break;
    }
    return;
  }
  // Only the cards of the player's hand answer a click, as in the window.
  THeadlessCard& card = *cards.Cards[move.Tag - 1];
  if (card.Clickable()) game.CardClicked(card);
}

}  // namespace durak
