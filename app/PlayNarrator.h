// Tells a player who cannot see the table what happened on it: it compares the game as it
// is now with the game as it was when last looked at, and puts the difference into words
// (the computer's lead, throw-in, beat or transfer, a take or a discard, the cards each
// side drew, the buttons that came up, the end of the deal). It names only what a sighted
// player sees: the player's own draws by name, the computer's by count.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "Game.h"
#include "TextTable.h"

namespace durak {

class TPlayNarrator {
 public:
  // cardName: a face-up card's name by tag ("Дама треф, козырь"); buttonCaption: a command
  // button's caption without its key mark.
  TPlayNarrator(const TTextTable& texts, std::function<QString(int tag)> cardName,
                std::function<QString(TButton)> buttonCaption);

  // The lines for what changed since the last call; the first call only looks.
  QStringList Observe(const TGame& game);
  // Whether the last look saw a bout begin: the table swept, or a new deal dealt.
  bool BoutBegan() const { return boutBegan_; }
  // Forgets the last look: the next call only looks again.
  void Forget() { seen_.Valid = false; }

 private:
  struct TLook {
    bool Valid = false;
    std::array<int, 6> PlayerRow{}, CompRow{};  // tags, 0 for a free place
    int AttackRow = -1;                         // 0 the player's, 1 the computer's, -1 none
    std::vector<int> PlayerHand, CompHand, Deck;
    std::array<bool, 6> Buttons{};
    int Result = drGoesOn;
    int PlayerScore = 0, ComputerScore = 0;
  };
  static TLook LookAt(const TGame& game);
  QString Names(const std::vector<int>& tags) const;
  QString Line(TextId id, const QString& a = {}, const QString& b = {}) const;

  const TTextTable& texts_;
  std::function<QString(int)> cardName_;
  std::function<QString(TButton)> buttonCaption_;
  TLook seen_;
  // The attack moved over to the computer's row before its transfer card came down.
  bool transferPending_ = false;
  // The trump card last named, 0 for none.
  int trumpTold_ = 0;
  bool boutBegan_ = false;
};

}  // namespace durak
