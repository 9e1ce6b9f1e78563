// The main window: the card table with the two hands and the six pairs, the right-hand
// column with the three counters, the bottom bar with the speech line and the command
// buttons, and the menus. It hands the engine the 36 cards and itself as the table view.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <vector>

#include "CardRenditions.h"
#include "Game.h"
#include "MadeOnUse.h"
#include "Settings.h"
#include "TNameLabel.h"
#include "TextTable.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace durak {

class ISearchClock;
class TAnnouncer;
class TPlayNarrator;
class TRaisedButton;
class THandFocus;
class TStrongChooser;
class TEasyChooser;
class TCardWidget;
class TLedDisplay;
class TPaintedPanel;
class TChampionsDialog;
class TDealKeeper;
struct TResumePoint;
struct TDealRecord;
class TAppearanceDialog;
class TPasswordDialog;
class TOptionsDialog;
class TRulesWindow;
class TDealReviewWindow;
class TTableWindow;

// The clock the search reads its time budget from.
std::unique_ptr<ISearchClock> MakeWindowSearchClock();

class TMainWindow : public QMainWindow, public ITableView, public IClock {
  Q_OBJECT
 public:
  explicit TMainWindow(QWidget* parent = nullptr);
  ~TMainWindow() override;

  // ---- the table view the engine talks to --------------------------------------------
  void SetButtonVisible(TButton button, bool visible) override;
  void SetSpeechText(const std::string& text) override;
  void SetLed(TLed led, int value) override;
  void SetTrumpPicture(int suit) override;
  void SetTrumpVisible(bool visible) override;
  void PlaceTrumpPicture(int left, int top) override;
  int TrumpPictureWidth() const override;
  int TrumpPictureHeight() const override;
  int PopupPairMenu(const std::vector<TPairMenuItem>& items, int x, int y) override;
  void PlaySound(TSound id) override;
  void Wait(int milliseconds) override;
  void ProcessMessages() override;
  bool ShowChampionsAfterDeal() override;
  void CloseMainWindow() override;
  uint32_t MillisOfDay() override;

  // ---- start-up, layout and shutdown -------------------------------------------------
  void PrepareOnShow();
  void ArrangeTable();
  void LoadCardFaces();
  void ShowChampions();
  void LanguageChosen(int language);
  void ApplyLanguage(int language);
  // Loads the texts of a language from the language library and puts them on the window;
  // false, with nothing changed, when the library cannot be opened.
  bool LoadLanguage(int language);
  // The language whose texts are loaded: 1 Russian, 2 English, 0 none yet.
  int TextsLanguage = 0;
  // Writes durak.ini; false (with a message shown) when the file cannot be written.
  bool WriteSettingsFile();
  // Puts the texts of the current language on every caption and into the word tables.
  void ApplyTexts();

  // When set, answers the pick-a-pair menu instead of popping it up (tests, automation).
  std::function<int(const std::vector<TPairMenuItem>&)> ChoosePair;

  // ---- keyboard play -------------------------------------------------------------------
  // The mark the arrow keys move along the player's hand.
  THandFocus* HandFocus = nullptr;
  // The cards of the player's hand lying on the table, in the engine's order.
  std::vector<TCardWidget*> HandCards() const;
  // The command button Enter presses: the rightmost one shown, or nullptr.
  TRaisedButton* RightmostButton() const;
  // Set while a card played from the keyboard is being played.
  bool KeyboardPlay = false;

  // ---- what a screen reader hears ------------------------------------------------------
  // A card's name in the current language ("Дама треф, козырь"); a face-down card's name
  // does not give it away.
  QString CardName(const TCardWidget* card) const;
  // Pair 0..5 on the table: "attack, beaten by" or "attack, not beaten"; empty when free.
  QString PairText(int slot) const;
  QString CardDescription(const TCardWidget* card) const;
  QString TableDescription() const;
  // Says lines to a reader without moving the focus (the play as it goes, F5, F6, H).
  TAnnouncer* Announcer = nullptr;
  // Puts what changed on the table since the last look into words for the reader.
  void Narrate();
  // F6: the computer's card count, the stock, the trump under it and the score.
  QString StateReading() const;
  // The name the computer's counter reads as: its score and its card count.
  QString ComputerLedName() const;

  // ---- options, desk pictures, appearance, About ------------------------------------
  void ShowOptions();
  void ShowAppearance();
  void ChooseDeskPicture(int tag);
  void ChooseDeskPictureFromPopup(int tag);
  // Triggers the window's menu item of that name ("F3", "EnglishItem"); an unknown name does
  // nothing.
  void TriggerMenuItem(const QString& name);
  // Rebuilds the picture of desk entry k (0..9), or of all ten for k = 100.
  // At start-up: tells the player when the desk library cannot be opened. The desk menus'
  // entry pictures are made when a desk menu is first opened.
  void CheckDeskLibrary();
  void MakeDeskThumbnails(int k);
  void ShowAbout();
  // Help > Rules: shows the rules window (not modal) and brings it to the front.
  void RulesClick();
  TRulesWindow* RulesWindow = nullptr;
  QAction* RulesItem = nullptr;
  // Game > Hint (H): marks the card (with the keyboard's frame) or names the button the
  // strong player would choose for the player now, from what the player can see.
  void HintClick();
  QAction* HintItem = nullptr;
  // "Разбор раздачи": the review of the last finished deal of the history.
  QAction* DealReviewItem = nullptr;
  QPointer<TDealReviewWindow> DealReviewWindow;
  void OpenDealReview();
  // The pair the hint chose to beat, preselected when the pick-a-pair menu comes up.
  int HintMenu = -1;
  // Whether the hand's frame is the hint's mark on its suggested card.
  bool HintMarked = false;
  // After a card played or a button pressed: the hint's mark goes, the hint being spent.
  void ForgetHint();
  // The options and appearance dialogs, made when first opened.
  TMadeOnUse<TOptionsDialog> OptionsDialog;
  TMadeOnUse<TAppearanceDialog> AppearanceDialog;
  QMenu* DeskPopupMenu = nullptr;
  std::array<QAction*, 10> DeskPopupItems{};
  std::array<QImage, 10> DeskThumbnails;
  // Shows a message box over the window; tests replace it.
  std::function<void(const QString& text)> ShowMessage;

  // ---- the deal kept: resume, deal numbers, history, statistics ------------------------
  // Deals the cards: with the number given, or with one taken from the clock. The deal's
  // number is its shuffle's seed: the window's clock answers it while the cards are dealt.
  void DealCards(std::optional<uint32_t> number = std::nullopt);
  // File > Deal by number: asks for a number and deals it (a deal going on is given up).
  void DealByNumberClick();
  // File > Statistics: the current player's deals as the history tells them.
  void StatisticsClick();
  // F2: the game starts again; the deal going on is given up and not resumed.
  void NewGameClick();
  // Feeds the engine one event of the player's (a card clicked, a button pressed), then
  // writes the deal to the resume file, or into the history once it is over.
  void PlayEvent(const std::function<void()>& apply, nlohmann::json event);
  // At start-up, once the champions table has chosen the player: a deal of that player's
  // cut off last time is offered to go on.
  void OfferResume();
  // Lays the table out as the resume point left it; false when the engine refuses it.
  bool RestoreDeal(const TResumePoint& point);
  // The window's caption with the number of the deal on the table.
  void ShowDealNumber();
  // The resume and history files, beside the champions table.
  QString KeptFilePath(const QString& name) const;
  // A finished deal at a table of three or four into the history, with the champion's
  // name, the time and the computer players' level; tells the player when it could not be
  // written.
  void KeepTableDeal(TDealRecord record);
  std::unique_ptr<TDealKeeper> Keeper;
  // Asks a yes-or-no question over the window; tests replace it.
  std::function<bool(const QString& text)> AskYesNo;
  // Asks for a deal number; tests replace it. Empty when the player cancels.
  std::function<std::optional<QString>()> AskDealNumber;
  QAction *DealByNumberItem = nullptr, *StatisticsItem = nullptr;
  // ---- the table of three and four ---------------------------------------------------
  // Plays a table of three or four in this window; made when first chosen.
  std::unique_ptr<TTableWindow> TableWindow;
  // Whether the window plays a table of three or four now.
  bool TablePlaying() const;
  // File > New game (F2), and the game at start-up: at the number of players the options
  // hold now.
  void StartNewGame();
  // "Пас": the person throws in no more (at a table of three or four).
  TRaisedButton* PassButton = nullptr;

  TGame& Game() { return *Engine; }
  TChampionsDialog* ChampionsDialog() { return ChampionsDialog_.Get(); }
  TSettings Settings;
  // The durak.ini of this run, fixed when the window is made.
  QString SettingsFile;
  // The texts of the current language; empty until loaded.
  TTextTable Texts;
  // Whether Texts have been put on the window (dialogs made later take them on too).
  bool TextsLoaded = false;
  bool Activated = false;
  // The time of day every deal is shuffled from, fixed by tests that play a known deal;
  // unset, the clock is read.
  std::optional<uint32_t> FixedMillisOfDay;

  // The window's parts, named as the game names them.
  TPaintedPanel *ButtonBar, *ScoreColumn, *TablePanel;
  QLabel *StockCaption, *SpeechLabel, *ComputerScoreCaption, *TrumpImage;
  // The current player's name under the player's counter.
  TNameLabel* PlayerNameLabel;
  TLedDisplay *PlayerScoreLed, *ComputerScoreLed, *StockLed;
  TRaisedButton *TakeButton, *DealButton, *ComputerTakesButton, *DiscardButton, *DefendButton;
  std::vector<TCardWidget*> Cards;
  QMenu *FileMenu, *OptionsMenu, *DeskPictureMenu, *LanguageMenu, *HelpMenu;
  QAction *NewGameItem, *ChampionsItem, *ExitItem, *OptionsItem, *AppearanceItem, *AboutItem,
      *ExitBarItem, *RussianItem, *EnglishItem;
  std::array<QAction*, 10> DeskItems{};
  // The card library's card size (its back's size).
  int CardWidth = 59, CardHeight = 80;
  // The size the table shows the cards at: the library's size times CardScaleNow, which
  // grows with the table while Settings.ScaleToWindow is on.
  int TableCardWidth = 59, TableCardHeight = 80;
  double CardScaleNow = 1.0;
  // The faces and backs of the card library in use, with their larger renditions.
  TCardLibrary Library;

 protected:
  void showEvent(QShowEvent* event) override;
  // Moves and shrinks the window so that its frame lies on the available screen area.
  void KeepFrameOnScreen();
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class TTableWindow;
  void CreateMenus();
  void CreateDialogs();
  void CreatePanels();
  void CreateCards();
  void ArrangeColumn();
  // Rebuilds desk entry pictures; `report` false keeps quiet about a missing desk library.
  void MakeDeskThumbnails(int k, bool report);
  // Whether a missing desk library has been reported in this run.
  bool DeskMissingTold = false;
  void DressFramePanels();
  void ArrangeBottomBar();
  // Works out the card size for the table's size and, when it or the screen's pixel density
  // changed, draws the faces, backs and the trump-suit picture anew for it.
  void ApplyCardScale(int tableWidth, int tableHeight);
  // The trump-suit picture at the current card scale.
  void ShowTrumpPicture();
  TRaisedButton* ButtonOf(TButton button) const;
  void CreateHandFocus();
  std::array<TRaisedButton*, 6> ButtonsFromTheRight() const;
  bool HandleKey(const QKeyEvent& event);
  void PlayCardFromKeyboard(TCardWidget* card);
  // Tells a screen reader which card the keyboard mark is on now.
  void CardFocusMoved(TCardWidget* card);
  int KeyDepth = 0;
  void SetUpAccessibility();
  void ForgetAccessibility();
  int AttackRow() const;
  // The counters' names and the buttons' key descriptions in the current language.
  void UpdateAccessibleTexts();
  void AnnounceSpeech();
  void CreateAnnouncer();
  // After a bout and at a deal's start the keyboard's mark waits on the hand's first card.
  void MarkHandForNextBout();
  // The card the mark was put on for a new bout, while the player has not moved it: the
  // mark keeps to the hand's first card as the hand is laid out and sorted.
  QPointer<TCardWidget> AutoMarked;
  // Whether the player plays from the keyboard: set by a key pressed in the window, cleared
  // by a card clicked with the mouse. Only then (or with a screen reader listening) does a
  // new bout put the frame on the hand's first card.
  bool PlaysByKeys = false;
  void KeepAutoMarkFirst();
  std::unique_ptr<TPlayNarrator> Narrator;

  std::unique_ptr<TGame> Engine;
  // The strong and the easy computer players, taken at each deal when the options choose one.
  std::unique_ptr<ISearchClock> SearchClock;
  std::unique_ptr<TStrongChooser> Strong;
  std::unique_ptr<TEasyChooser> Easy;
  // The champions table and its name-and-password dialog, made when first needed: at start-up
  // after the table is painted.
  TMadeOnUse<TPasswordDialog> PasswordDialog_;
  TMadeOnUse<TChampionsDialog> ChampionsDialog_;
  bool Closing = false;
  // The card pictures must be drawn again (a new library or back).
  bool PicturesStale = true;
  double CardDpr = 1.0;
  int TrumpSuit = 0;
  bool ScreenWatched = false;
  // While set, the clock answers this (the number of the deal being dealt).
  std::optional<uint32_t> DealClock;
  // Events being fed to the engine, one inside another while a glide lets input through.
  int EventDepth = 0;
  // Whether a failed write of the resume file has been told in this run.
  bool ResumeFailureTold = false;
};

}  // namespace durak
