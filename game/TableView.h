// What the engine asks of the table window besides the cards: command buttons, the speech
// line, the LED counters, the trump-suit picture, the pick-a-pair menu, sounds, waiting,
// letting pending window messages run, and the champions dialog after a deal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Vocabulary.h"

namespace durak {

// The command buttons under the table, numbered as the engine names them.
enum TButton {
  TakeButton = 1,           // "Беру": the player takes the table
  DealButton = 2,           // "Замесить": deal the next hand
  ComputerTakesButton = 3,  // "Забирай": the computer, which could not beat, takes the table
  DiscardButton = 4,        // "Бито": the bout the computer beat is discarded
  DefendButton = 5,  // "Бейся": the player leads no more cards of the rank; the computer defends
};

// The three counters of the right-hand column.
enum TLed { PlayerScoreLed = 0, ComputerScoreLed = 1, StockLed = 2 };

// One item of the pick-a-pair menu.
struct TPairMenuItem {
  int Tag = -1;         // 0..5 the pair whose computer card is beaten, 6 transfer
  std::string Caption;  // "<prefix> <rank word> <suit word>" or the transfer caption
  int PictureCard = 0;  // card whose face corner is the item's picture
  bool Arrow = false;   // the transfer item carries an upward arrow over its picture
};

class ITableView {
 public:
  virtual ~ITableView() = default;

  virtual void SetButtonVisible(TButton button, bool visible) = 0;
  virtual void SetSpeechText(const std::string& text) = 0;
  virtual void SetLed(TLed led, int value) = 0;

  // The trump-suit picture: which suit it shows, whether it is visible, where it lies and
  // its size (it sizes itself to its picture).
  virtual void SetTrumpPicture(int suit) = 0;
  virtual void SetTrumpVisible(bool visible) = 0;
  virtual void PlaceTrumpPicture(int left, int top) = 0;
  virtual int TrumpPictureWidth() const = 0;
  virtual int TrumpPictureHeight() const = 0;

  // Pops the pick-a-pair menu up at (x, y) in table coordinates, next to the clicked card;
  // returns the Tag of the chosen item, or -1 when the menu is dismissed.
  virtual int PopupPairMenu(const std::vector<TPairMenuItem>& items, int x, int y) = 0;

  // Plays sound "SND<id>" from the sound library, fire and forget.
  virtual void PlaySound(TSound id) = 0;
  virtual void Wait(int milliseconds) = 0;
  virtual void ProcessMessages() = 0;

  // The champions table in its after-a-deal mode; stores the current player's record.
  // Returns false when the user closed it with Cancel.
  virtual bool ShowChampionsAfterDeal() = 0;
  // Closes the main window (which runs the normal close).
  virtual void CloseMainWindow() = 0;
};

// The time of day, for reseeding the random generator.
class IClock {
 public:
  virtual ~IClock() = default;
  // ((hour * 60 + minute) * 60 + second) * 1000 + millisecond, UTC.
  virtual uint32_t MillisOfDay() = 0;
};

}  // namespace durak
