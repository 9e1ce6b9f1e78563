// The window's play from the keyboard and for a screen reader: the mark the arrow keys move
// along the hand, the keys that play, press and read out, the hint's mark, the names a
// reader hears for the cards, pairs and counters, and the play narrated as it goes.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class QKeyEvent;

namespace durak {

class TAnnouncer;
class TCardWidget;
class TGame;
class THandFocus;
class TMainWindow;
class TPlayNarrator;
class TTableWindow;
class TTextTable;
struct TWindowParts;

class TKeyboardAccess {
 public:
  // Made once the window's cards are: puts the mark, the cards' accessible parts and the
  // announcer on the window.
  explicit TKeyboardAccess(TMainWindow& window);
  // The cards outlive this part of the window; a reader asking about them afterwards gets
  // their plain defaults.
  ~TKeyboardAccess();
  TKeyboardAccess(const TKeyboardAccess&) = delete;
  TKeyboardAccess& operator=(const TKeyboardAccess&) = delete;

  // A key pressed in the window; false when the window should pass it on.
  bool KeyPressed(const QKeyEvent& event);

  // ---- keyboard play -------------------------------------------------------------------
  // The mark the arrow keys move along the player's hand.
  THandFocus* HandFocus() const { return handFocus_; }
  // The cards of the player's hand lying on the table, in the engine's order.
  std::vector<TCardWidget*> HandCards() const;
  // Whether a card played from the keyboard is being played now.
  bool KeyboardPlay() const { return keyboardPlay_; }
  // Set by tests that open the pick-a-pair menu as a card played from the keyboard would.
  void SetKeyboardPlay(bool on) { keyboardPlay_ = on; }
  // A card played from the keyboard (Enter, Space, a reader's press): exactly a click.
  void PlayCardFromKeyboard(TCardWidget* card);
  // A card clicked with the mouse: a new bout no longer puts the frame on the hand.
  void MouseClicked();

  // ---- the hint's mark -------------------------------------------------------------------
  // The pair the hint chose to beat, preselected when the pick-a-pair menu comes up; -1 none.
  int HintMenu() const { return hintMenu_; }
  void SetHintMenu(int slot) { hintMenu_ = slot; }
  // Whether the hand's frame is the hint's mark on its suggested card.
  bool HintMarked() const { return hintMarked_; }
  void SetHintMarked(bool marked) { hintMarked_ = marked; }
  // After a card played or a button pressed: the hint's mark goes, the hint being spent.
  void ForgetHint();
  // The hand's frame goes, and the hint's mark with it.
  void ClearMark();

  // ---- what a screen reader hears ------------------------------------------------------
  // Says lines to a reader without moving the focus (the play as it goes, F5, F6, H).
  TAnnouncer* Announcer() const { return announcer_; }
  // A card's name in the current language ("Дама треф, козырь"); a face-down card's name
  // does not give it away.
  QString CardName(const TCardWidget* card) const;
  // Pair 0..5 on the table: "attack, beaten by" or "attack, not beaten"; empty when free.
  QString PairText(int slot) const;
  QString CardDescription(const TCardWidget* card) const;
  QString TableDescription() const;
  // F6: the computer's card count, the stock, the trump under it and the score.
  QString StateReading() const;
  // The name the computer's counter reads as: its score and its card count.
  QString ComputerLedName() const;
  // Puts what changed on the table since the last look into words for the reader.
  void Narrate();
  // The counters' names and the buttons' key descriptions in the current language.
  void UpdateAccessibleTexts();
  // The speech line's new words, told to a reader.
  void AnnounceSpeech();

 private:
  bool HandleKey(const QKeyEvent& event);
  // Tells a screen reader which card the keyboard mark is on now.
  void CardFocusMoved(TCardWidget* card);
  void SetUpAccessibility();
  void ForgetAccessibility();
  void CreateAnnouncer();
  int AttackRow() const;
  // After a bout and at a deal's start the keyboard's mark waits on the hand's first card.
  void MarkHandForNextBout();
  void KeepAutoMarkFirst();
  // What the window holds, as this part of it reads it.
  TGame& Game() const;
  const TWindowParts& Parts() const;
  const TTextTable& Texts() const;
  bool TablePlaying() const;
  TTableWindow* TableWindow() const;

  TMainWindow& window_;
  THandFocus* handFocus_ = nullptr;
  TAnnouncer* announcer_ = nullptr;
  std::unique_ptr<TPlayNarrator> narrator_;
  bool keyboardPlay_ = false;
  int keyDepth_ = 0;
  int hintMenu_ = -1;
  bool hintMarked_ = false;
  // The card the mark was put on for a new bout, while the player has not moved it: the
  // mark keeps to the hand's first card as the hand is laid out and sorted.
  QPointer<TCardWidget> autoMarked_;
  // Whether the player plays from the keyboard: set by a key pressed in the window, cleared
  // by a card clicked with the mouse. Only then (or with a screen reader listening) does a
  // new bout put the frame on the hand's first card.
  bool playsByKeys_ = false;
};

}  // namespace durak
