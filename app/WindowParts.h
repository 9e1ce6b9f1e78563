// The widgets of the main window, named as the game names them: the table with the 36
// cards, the right-hand column with the three counters, and the bottom bar with the speech
// line and the command buttons. They are made once, with the window, and laid out here.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "TNameLabel.h"
#include "TableView.h"

class QLabel;
class QWidget;

namespace durak {

class TCardWidget;
class TLedDisplay;
class TPaintedPanel;
class TRaisedButton;
struct TSettings;

struct TWindowParts {
  // Makes the panels, the counters, the labels and the command buttons inside `central`,
  // dressed in the colours the settings keep. The buttons are made hidden and unconnected.
  void Create(QWidget* central, const TSettings& settings);
  // Puts the panels in place for a central area of that size.
  void PlacePanels(int width, int height) const;
  // The bottom bar and the right-hand column in the wood texture.
  void DressFramePanels() const;
  // The counters and their captions centred in the right-hand column.
  void ArrangeColumn() const;
  // The speech line on the left; the visible command buttons from the right edge inwards.
  void ArrangeBottomBar() const;
  // The speech line's words in the colour of the settings' SpeechColour.
  void ColourSpeech(int32_t winColour) const;

  // The engine's button by its number.
  TRaisedButton* ButtonOf(TButton button) const;
  // The command buttons from the right edge of the bar inwards, as they are laid out.
  std::array<TRaisedButton*, 6> ButtonsFromTheRight() const;
  // The five buttons the engine shows, in the order of their captions in the language pack.
  std::array<TRaisedButton*, 5> ButtonsByCaption() const;
  // The command button Enter presses: the rightmost one shown, or nullptr.
  TRaisedButton* RightmostButton() const;

  TPaintedPanel *ButtonBar = nullptr, *ScoreColumn = nullptr, *TablePanel = nullptr;
  QLabel *StockCaption = nullptr, *SpeechLabel = nullptr, *ComputerScoreCaption = nullptr,
         *TrumpImage = nullptr;
  // The current player's name under the player's counter.
  TNameLabel* PlayerNameLabel = nullptr;
  TLedDisplay *PlayerScoreLed = nullptr, *ComputerScoreLed = nullptr, *StockLed = nullptr;
  TRaisedButton *TakeButton = nullptr, *DealButton = nullptr, *ComputerTakesButton = nullptr,
                *DiscardButton = nullptr, *DefendButton = nullptr;
  // "Пас": the person throws in no more (at a table of three or four).
  TRaisedButton* PassButton = nullptr;
  // The 36 cards, card k (1..36) at k - 1.
  std::vector<TCardWidget*> Cards;
};

}  // namespace durak
