// The table of a deal under review: both hands face up (the computer's at the top, the
// player's at the bottom), the stock with its trump card, the pairs on the table and the
// size of the discard, drawn from a state as the harness writes it.
#pragma once

#include <QWidget>
#include <nlohmann/json.hpp>
#include <vector>

namespace durak {

struct TCardLibrary;

class TReviewTableView : public QWidget {
  Q_OBJECT
 public:
  explicit TReviewTableView(QWidget* parent = nullptr);
  // The card pictures; none draws each card as its rank and suit.
  void SetLibrary(const TCardLibrary* library) { library_ = library; }
  // The table to show and the cards to mark on it: those the player and the computer
  // played in the step shown.
  void ShowState(const nlohmann::json& state, std::vector<int> playerMarks,
                 std::vector<int> computerMarks);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawCard(class QPainter& p, int tag, const QRect& r);
  nlohmann::json state_;
  std::vector<int> playerMarks_, computerMarks_;
  const TCardLibrary* library_ = nullptr;
};

}  // namespace durak
