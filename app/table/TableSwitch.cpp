// The switch between the two-player game and a table of three or four, made at a new game.
#include "MainWindow.h"
#include "TableWindow.h"

namespace durak {

bool TMainWindow::TablePlaying() const {
  return tableWindow_ && tableWindow_->Seats() >= 3;
}

void TMainWindow::StartNewGame() {
  const int players = settings_.Players;
  if (players == 3 || players == 4) {
    if (!tableWindow_) {
      tableWindow_ = std::make_unique<TTableWindow>(*this);
      if (textsLoaded_) tableWindow_->ApplyTexts();
    }
    tableWindow_->NewGame(players);
    return;
  }
  if (TablePlaying()) {
    tableWindow_->Leave();
    ArrangeTable();  // the two-player layout again
  }
  engine_->NewGame();
}

}  // namespace durak
