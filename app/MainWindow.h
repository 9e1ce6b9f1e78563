// The main window: the card table with the two hands and the six pairs, the right-hand
// column with the three counters, the bottom bar with the speech line and the command
// buttons, and the menus. It hands the engine the 36 cards and its table view, keeps the
// settings, the texts of the language and the deal, and plays a table of three or four.
// Its concerns live in their own parts: the widgets (TWindowParts), the engine's view of
// them (TWindowTableView), the menus' commands (TMenuCommands) and the keyboard and screen
// reader (TKeyboardAccess).
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <vector>

#include "CardRenditions.h"
#include "Game.h"
#include "KeyboardAccess.h"
#include "MadeOnUse.h"
#include "MenuCommands.h"
#include "Settings.h"
#include "TextTable.h"
#include "WindowParts.h"
#include "WindowTableView.h"

namespace durak {

class ISearchClock;
class TStrongChooser;
class TEasyChooser;
class TChampionsDialog;
class TDealKeeper;
class TPasswordDialog;
class TTableWindow;
struct TResumePoint;
struct TDealRecord;

// The clock the search reads its time budget from.
std::unique_ptr<ISearchClock> MakeWindowSearchClock();

// The card size, kept in one place: the card library's own, and the one the table shows
// the cards at.
struct TCardSize {
  // The card library's card size (its back's size).
  int LibraryWidth = 59, LibraryHeight = 80;
  // The size the table shows the cards at: the library's size times Scale, which grows
  // with the table while the settings' ScaleToWindow is on.
  int Width = 59, Height = 80;
  double Scale = 1.0;
  // The screen's pixel density the pictures were drawn for.
  double Dpr = 1.0;
  // The card pictures must be drawn again (a new library or back).
  bool PicturesStale = true;
};

class TMainWindow : public QMainWindow, public IClock {
  Q_OBJECT
 public:
  explicit TMainWindow(QWidget* parent = nullptr);
  ~TMainWindow() override;

  // ---- the window's parts ------------------------------------------------------------
  TGame& Game() { return *engine_; }
  const TGame& Game() const { return *engine_; }
  const TWindowParts& Parts() const { return parts_; }
  TKeyboardAccess& Keys() { return *keys_; }
  const TKeyboardAccess& Keys() const { return *keys_; }
  TMenuCommands& Menus() { return *menus_; }
  TWindowTableView& TableView() { return *tableView_; }
  // What durak.ini keeps. The options, the cards' speed and the hand's order are the
  // engine's while the window is open: they are taken from here at start-up and put back
  // when the file is written.
  TSettings& Settings() { return settings_; }
  // The texts of the current language; empty until loaded.
  TTextTable& Texts() { return texts_; }
  const TTextTable& Texts() const { return texts_; }
  // Whether the texts have been put on the window (dialogs made later take them on too).
  bool TextsLoaded() const { return textsLoaded_; }
  const TCardSize& CardSize() const { return cardSize_; }
  // The faces and backs of the card library in use, with their larger renditions.
  TCardLibrary& CardLibrary() { return library_; }
  // The clock the hint's search reads its time budget from.
  ISearchClock* SearchClock() const { return searchClock_.get(); }
  // The champions table, made when first asked for.
  TChampionsDialog* ChampionsDialog() { return championsDialog_.Get(); }
  // The same table as a part made on use: IfMade() asks without making it.
  TMadeOnUse<TChampionsDialog>& Champions() { return championsDialog_; }

  // ---- start-up, layout and shutdown -------------------------------------------------
  void PrepareOnShow();
  void ArrangeTable();
  void LoadCardFaces();
  // The card pictures drawn again at the table's card size (a new back); nothing moves.
  void DrawCardsAnew();
  void LanguageChosen(int language);
  void ApplyLanguage(int language);
  // Writes durak.ini; false (with a message shown) when the file cannot be written.
  bool WriteSettingsFile();
  // Puts the texts of the current language on every caption and into the word tables.
  void ApplyTexts();
  uint32_t MillisOfDay() override;

  // ---- the deal kept: resume, deal numbers, history ----------------------------------
  // File > Deal by number: asks for a number and deals it (a deal going on is given up).
  void DealByNumberClick();
  // F2: the game starts again; the deal going on is given up and not resumed.
  void NewGameClick();
  // The window's caption with the number of the deal on the table.
  void ShowDealNumber();
  // The resume and history files, beside the champions table.
  QString KeptFilePath(const QString& name) const;
  // A finished deal at a table of three or four into the history, with the champion's
  // name, the time and the computer players' level; tells the player when it could not be
  // written.
  void KeepTableDeal(TDealRecord record);

  // ---- the table of three and four ---------------------------------------------------
  // The table of three or four played in this window; null until first chosen.
  TTableWindow* TableWindow() const { return tableWindow_.get(); }
  // Whether the window plays a table of three or four now.
  bool TablePlaying() const;
  // File > New game (F2), and the game at start-up: at the number of players the options
  // hold now.
  void StartNewGame();

  // ---- test hooks: tests replace or set these ------------------------------------------
  // Shows a message box over the window.
  std::function<void(const QString& text)> ShowMessage;
  // Asks a yes-or-no question over the window.
  std::function<bool(const QString& text)> AskYesNo;
  // Asks for a deal number. Empty when the player cancels.
  std::function<std::optional<QString>()> AskDealNumber;
  // When set, answers the pick-a-pair menu instead of popping it up.
  std::function<int(const std::vector<TPairMenuItem>&)> ChoosePair;
  // The resume and history files' keeper, made when first needed.
  std::unique_ptr<TDealKeeper> Keeper;
  // The time of day every deal is shuffled from, fixed by tests that play a known deal;
  // unset, the clock is read.
  std::optional<uint32_t> FixedMillisOfDay;
  // Whether the first activation has run; set by tests that skip the start-up round.
  bool Activated = false;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Loads the texts of a language from the language library and puts them on the window;
  // false, with nothing changed, when the library cannot be opened.
  bool LoadLanguage(int language);
  // Deals the cards: with the number given, or with one taken from the clock. The deal's
  // number is its shuffle's seed: the window's clock answers it while the cards are dealt.
  void DealCards(std::optional<uint32_t> number = std::nullopt);
  // Feeds the engine one event of the player's (a card clicked, a button pressed), then
  // writes the deal to the resume file, or into the history once it is over.
  void PlayEvent(const std::function<void()>& apply, nlohmann::json event);
  // Moves and shrinks the window so that its frame lies on the available screen area.
  void KeepFrameOnScreen();
  void CreateCards();
  void ConnectButtons();
  void CreateChampions();
  // At start-up, once the champions table has chosen the player: a deal of that player's
  // cut off last time is offered to go on.
  void OfferResume();
  // Lays the table out as the resume point left it; false when the engine refuses it.
  bool RestoreDeal(const TResumePoint& point);
  // The engine takes the options, the cards' speed and the hand's order from the settings
  // at start-up and owns them during play; they go back into the settings when written.
  void SettingsIntoGame();
  void GameIntoSettings();
  // Works out the card size for the table's size and, when it or the screen's pixel density
  // changed, draws the faces, backs and the trump-suit picture anew for it.
  void ApplyCardScale(int tableWidth, int tableHeight);

  TSettings settings_;
  // The durak.ini of this run, fixed when the window is made.
  QString settingsFile_;
  TTextTable texts_;
  bool textsLoaded_ = false;
  // The language whose texts are loaded: 1 Russian, 2 English, 0 none yet.
  int textsLanguage_ = 0;
  TWindowParts parts_;
  TCardSize cardSize_;
  TCardLibrary library_;
  std::unique_ptr<TWindowTableView> tableView_;
  std::unique_ptr<TMenuCommands> menus_;
  std::unique_ptr<TGame> engine_;
  std::unique_ptr<TKeyboardAccess> keys_;
  // The strong and the easy computer players, taken at each deal when the options choose one.
  std::unique_ptr<ISearchClock> searchClock_;
  std::unique_ptr<TStrongChooser> strong_;
  std::unique_ptr<TEasyChooser> easy_;
  // The champions table and its name-and-password dialog, made when first needed: at start-up
  // after the table is painted.
  TMadeOnUse<TPasswordDialog> passwordDialog_;
  TMadeOnUse<TChampionsDialog> championsDialog_;
  // Plays a table of three or four in this window; made when first chosen.
  std::unique_ptr<TTableWindow> tableWindow_;
  bool closing_ = false;
  bool screenWatched_ = false;
  // While set, the clock answers this (the number of the deal being dealt).
  std::optional<uint32_t> dealClock_;
  // Events being fed to the engine, one inside another while a glide lets input through.
  int eventDepth_ = 0;
  // Whether a failed write of the resume file has been told in this run.
  bool resumeFailureTold_ = false;
};

}  // namespace durak
