// The switch between the two-player game and a table of three or four, made at a new game.
#include "MainWindow.h"
#include "TableWindow.h"

namespace durak {

bool TMainWindow::TablePlaying() const {
  return TableWindow && TableWindow->Seats() >= 3;
}

void TMainWindow::StartNewGame() {
  const int players = Settings.Players;
  if (players == 3 || players == 4) {
    if (!TableWindow) {
      TableWindow = std::make_unique<TTableWindow>(*this);
      if (TextsLoaded) TableWindow->ApplyTexts();
    }
    TableWindow->NewGame(players);
    return;
  }
  if (TablePlaying()) {
    TableWindow->Leave();
    ArrangeTable();  // the two-player layout again
  }
  Engine->NewGame();
}

}  // namespace durak
