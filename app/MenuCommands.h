// The window's menus and what their commands do: a new game, a deal by number, the
// champions table and the statistics, the options and the appearance with the desk
// pictures, the hint, the review of the last deal, the language, the rules and About; and
// the table's right-click menu of desk pictures.
#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <array>

#include "MadeOnUse.h"

class QAction;
class QMenu;

namespace durak {

class TAppearanceDialog;
class TDealReviewWindow;
class TGame;
class TMainWindow;
class TOptionsDialog;
class TRulesWindow;
class TTextTable;
struct TSettings;
struct TWindowParts;

// The menus and their entries, as the menu bar shows them.
struct TMenuItems {
  QMenu *FileMenu = nullptr, *OptionsMenu = nullptr, *DeskPictureMenu = nullptr,
        *LanguageMenu = nullptr, *HelpMenu = nullptr;
  QAction *NewGameItem = nullptr, *ChampionsItem = nullptr, *ExitItem = nullptr,
          *OptionsItem = nullptr, *AppearanceItem = nullptr, *AboutItem = nullptr,
          *ExitBarItem = nullptr, *RussianItem = nullptr, *EnglishItem = nullptr;
  QAction *RulesItem = nullptr, *HintItem = nullptr, *DealReviewItem = nullptr,
          *DealByNumberItem = nullptr, *StatisticsItem = nullptr;
  // The ten desk pictures of the options menu ("F0".."F9").
  std::array<QAction*, 10> DeskItems{};
  // The table's right-click menu and its ten desk entries ("PF0".."PF9").
  QMenu* DeskPopupMenu = nullptr;
  std::array<QAction*, 10> DeskPopupItems{};
};

class TMenuCommands {
 public:
  // Puts the menus on the window's menu bar and connects their commands.
  explicit TMenuCommands(TMainWindow& window);
  TMenuCommands(const TMenuCommands&) = delete;
  TMenuCommands& operator=(const TMenuCommands&) = delete;

  const TMenuItems& Items() const { return items_; }
  // The menus' captions in the current language.
  void ApplyTexts(const TTextTable& texts);
  // Triggers the window's menu item of that name ("F3", "L2"); an unknown name does nothing.
  void TriggerMenuItem(const QString& name);

  // ---- the champions table -------------------------------------------------------------
  void ShowChampions();
  // The champions table after a deal: the deal's result goes into the current player's row;
  // false when the player closed it with Cancel.
  bool ShowChampionsAfterDeal();
  // File > Statistics: the current player's deals as the history tells them.
  void StatisticsClick();
  // "Разбор раздачи": the review of the last finished deal of the history.
  void OpenDealReview();

  // ---- options, desk pictures, appearance, hint, rules, About ------------------------
  void ShowOptions();
  void ShowAppearance();
  void ChooseDeskPicture(int tag);
  // At start-up: tells the player when the desk library cannot be opened. The desk menus'
  // entry pictures are made when a desk menu is first opened.
  void CheckDeskLibrary();
  // Rebuilds the picture of desk entry k (0..9), or of all ten for k = 100.
  void MakeDeskThumbnails(int k);
  const std::array<QImage, 10>& DeskThumbnails() const { return deskThumbnails_; }
  // Game > Hint (H): marks the card (with the keyboard's frame) or names the button the
  // strong player would choose for the player now, from what the player can see.
  void HintClick();
  // Help > Rules: shows the rules window (not modal) and brings it to the front.
  void RulesClick();
  void ShowAbout();

  // The dialogs and windows the commands open, made when first opened.
  TMadeOnUse<TOptionsDialog>& OptionsDialog() { return optionsDialog_; }
  TMadeOnUse<TAppearanceDialog>& AppearanceDialog() { return appearanceDialog_; }
  TRulesWindow* RulesWindow() const { return rulesWindow_; }
  TDealReviewWindow* DealReviewWindow() const;

 private:
  void CreateMenus();
  void ConnectMenus();
  void CreateDialogs();
  void CreateDeskPopup();
  // Rebuilds desk entry pictures; `report` false keeps quiet about a missing desk library.
  void MakeDeskThumbnails(int k, bool report);
  // What the window holds, as the commands read and change it.
  TGame& Game() const;
  TSettings& Settings() const;
  const TTextTable& Texts() const;
  const TWindowParts& Parts() const;

  TMainWindow& window_;
  TMenuItems items_;
  TMadeOnUse<TOptionsDialog> optionsDialog_;
  TMadeOnUse<TAppearanceDialog> appearanceDialog_;
  TRulesWindow* rulesWindow_ = nullptr;
  QPointer<TDealReviewWindow> dealReviewWindow_;
  std::array<QImage, 10> deskThumbnails_;
  // Whether a missing desk library has been reported in this run.
  bool deskMissingTold_ = false;
};

}  // namespace durak
