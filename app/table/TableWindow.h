// The main window's play at a table of three or four: the person at the bottom against two
// or three computer players. It lays the 36 cards of the window out for the table, shows
// each computer seat's name, card count and role, glides the cards as the deal goes on,
// puts the seats' remarks on the speech line, answers the person's clicks, buttons and
// keys, gives the hint and tells a screen reader what happens, naming the seat that plays.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "TableGame.h"
#include "TableSeatPlan.h"
#include "TableView.h"

class QLabel;

namespace durak {

class TMainWindow;
class TCardWidget;

class TTableWindow {
 public:
  explicit TTableWindow(TMainWindow& form);
  ~TTableWindow();
  TTableWindow(const TTableWindow&) = delete;
  TTableWindow& operator=(const TTableWindow&) = delete;

  // A new game at a table of `seats` (3 or 4): the table is swept and "Замесить" waits.
  void NewGame(int seats);
  // Leaves the table (back to the two-player game): the seat lines and cards go.
  void Leave();
  int Seats() const { return seats_; }
  // The number of the deal on the table (what its shuffle started from), none between
  // games.
  std::optional<uint32_t> DealNumber() const {
    return dealt_ ? std::optional<uint32_t>(dealNumber_) : std::nullopt;
  }
  // The game being played, null while none is.
  const durak::table::TTableGame* Game() const { return game_.get(); }

  // "Замесить": deals the next hand and plays until the person is to move.
  void Deal();
  // Where the deals' numbers come from (random by default); tests fix them so that a deal
  // is the same on every run.
  std::function<uint32_t()> DealNumbers;
  // Whether no deal is going on (before the first deal and after each one).
  bool BetweenDeals() const;
  // A card of the window clicked (or played from the keyboard).
  void CardClicked(TCardWidget* card);
  // One of the command buttons, or "Пас".
  void ButtonClicked(TButton button);
  void PassClicked();
  // Lays everything out again for the table's size (a resize, new card pictures).
  void ArrangeTable();
  // The options changed: hot cards, hand order, the computer players' level.
  void OptionsChanged();
  // The texts of the current language changed.
  void ApplyTexts();

  // Game > Hint: what the strong player would do in the person's seat.
  void Hint();
  // The person's cards as they lie, for the keyboard's mark.
  std::vector<TCardWidget*> HandCards() const;
  bool PersonHolds(int tag) const;
  int TrumpSuit() const;
  // F5: the table pair by pair, and who attacks and defends.
  QString TableReading() const;
  // F6: every seat's card count, the stock, the trump and the score.
  QString StateReading() const;

 private:
  QString SeatName(int seat) const;
  void CreateSeatLabels();
  // Where each card rests in the state as it is: hands, pairs, stock, discard.
  void LayOut();
  void PlaceHand(int seat);
  void PlaceStock();
  void UpdateSeatLabels();
  // Hot cards, cursors and buttons for the person's turn (or none).
  void ShowPersonTurn();
  // Plays the computer seats' moves, and passes for the person when the person has nothing
  // to throw in and did not attack, until the person decides or the deal ends.
  void Advance();
  bool AutoPassDue() const;
  void PlayPerson(const durak::table::TTableMove& move);
  // Shows what the events brought about: the cards' glides, remarks and announcements.
  void ShowEvents(const durak::table::TTableEvents& events);
  void ShowDeal(const durak::table::TTableEvents& events);
  void Remark(int seat, const QString& words);
  void Say(const QString& line);
  void GlideTo(TCardWidget* card, QPoint to, bool faceUp);
  QPoint HandPlaceOf(int seat, int tag) const;
  TCardWidget* CardOf(int tag) const;
  QString CardWords(int tag) const;
  void EndOfDeal();
  void HideButtons();
  int Pause() const;

  TMainWindow& form_;
  int seats_ = 0;
  std::unique_ptr<durak::table::TTableGame> game_;
  std::string level_;
  TTablePlan plan_;
  std::array<QLabel*, 4> labels_{};
  // What the window shows while events are played out: each seat's card count and role.
  std::array<int, 4> shownCount_{};
  int shownAttacker_ = -1, shownDefender_ = -1, shownToMove_ = -1;
  std::vector<int> shownTable_;       // the cards on the table as shown, in the order they came
  std::array<int, 6> shownAttack_{};  // the attacking card of each pair as shown
  // Whether a card of the bout has been beaten (a lead is over), and whether the defender
  // has said it takes.
  bool shownBeaten_ = false, shownTaking_ = false;
  bool dealt_ = false;
  uint32_t dealNumber_ = 0;
  bool busy_ = false;
  // Grows with every new game and deal: a loop of computer moves started for an earlier one
  // stops.
  int generation_ = 0;
  // Deals of this game the person was and was not the fool.
  int personFool_ = 0, personSafe_ = 0;
};

}  // namespace durak
