// The menu bar: its menus and entries, their captions in the current language, and the
// commands they run.
#include "MenuCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "MainWindow.h"
#include "RulesWindow.h"
#include "TextIds.h"

namespace durak {

TMenuCommands::TMenuCommands(TMainWindow& window) : window_(window) {
  CreateMenus();
  ConnectMenus();
  CreateDialogs();
  CreateDeskPopup();
}

TGame& TMenuCommands::Game() const {
  return window_.Game();
}
TSettings& TMenuCommands::Settings() const {
  return window_.Settings();
}
const TTextTable& TMenuCommands::Texts() const {
  return window_.Texts();
}
const TWindowParts& TMenuCommands::Parts() const {
  return window_.Parts();
}

void TMenuCommands::CreateMenus() {
  auto action = [](QMenu* menu, const char* caption) {
    return menu->addAction(QString::fromUtf8(caption));
  };
  TMenuItems& m = items_;
  QMenuBar* bar = window_.menuBar();
  m.FileMenu = bar->addMenu(QStringLiteral("Файл"));
  m.NewGameItem = action(m.FileMenu, "Новая игра");
  m.NewGameItem->setShortcut(Qt::Key_F2);
  m.ChampionsItem = action(m.FileMenu, "Чемпионы");
  m.FileMenu->addSeparator();
  m.ExitItem = action(m.FileMenu, "Выход");
  m.OptionsMenu = bar->addMenu(QStringLiteral("Параметры"));
  m.OptionsItem = action(m.OptionsMenu, "Настройки...");
  m.AppearanceItem = action(m.OptionsMenu, "Интерфейс...");
  m.DeskPictureMenu = m.OptionsMenu->addMenu(QStringLiteral("Картинка"));
  auto* desk = new QActionGroup(&window_);
  const char* const deskNames[] = {"Нет",   "Фон 1", "Фон 2", "Фон 3",    "Фон 4",
                                   "Фон 5", "Фон 6", "Фон 7", "Gradient", "Rainbow"};
  for (int i = 0; i < 10; ++i) {
    m.DeskItems[i] = action(m.DeskPictureMenu, deskNames[i]);
    m.DeskItems[i]->setCheckable(true);
    m.DeskItems[i]->setData(i);
    desk->addAction(m.DeskItems[i]);
  }
  m.LanguageMenu = m.OptionsMenu->addMenu(QStringLiteral("Language"));
  auto* langs = new QActionGroup(&window_);
  m.RussianItem = action(m.LanguageMenu, "Russian");
  m.EnglishItem = action(m.LanguageMenu, "English");
  for (QAction* a : {m.RussianItem, m.EnglishItem}) {
    a->setCheckable(true);
    langs->addAction(a);
  }
  m.HelpMenu = bar->addMenu(QStringLiteral("Справка"));
  m.AboutItem = action(m.HelpMenu, "О программе");
  m.RulesItem = new QAction(QStringLiteral("Правила игры"), &window_);
  m.RulesItem->setObjectName(QStringLiteral("Rules"));
  m.RulesItem->setShortcut(QKeySequence::HelpContents);
  m.HelpMenu->insertAction(m.AboutItem, m.RulesItem);
  m.HintItem = new QAction(QStringLiteral("Подсказка"), &window_);
  m.HintItem->setObjectName(QStringLiteral("Hint"));
  m.HintItem->setShortcut(Qt::Key_H);
  m.FileMenu->insertAction(m.ChampionsItem, m.HintItem);
  m.DealReviewItem = new QAction(QStringLiteral("Разбор раздачи"), &window_);
  m.DealReviewItem->setObjectName(QStringLiteral("DealReview"));
  m.FileMenu->insertAction(m.ExitItem, m.DealReviewItem);
  m.FileMenu->insertSeparator(m.ExitItem);
  m.DealByNumberItem = new QAction(QStringLiteral("Раздача по номеру…"), &window_);
  m.DealByNumberItem->setObjectName(QStringLiteral("DealByNumber"));
  m.FileMenu->insertAction(m.HintItem, m.DealByNumberItem);
  m.StatisticsItem = new QAction(QStringLiteral("Статистика"), &window_);
  m.StatisticsItem->setObjectName(QStringLiteral("Statistics"));
  // After the champions, before the separator above Exit.
  m.FileMenu->insertAction(
      m.FileMenu->actions().value(m.FileMenu->actions().indexOf(m.ChampionsItem) + 1),
      m.StatisticsItem);
  m.ExitBarItem = bar->addAction(QStringLiteral("Выход !!!"));
  // The desk entries and the languages are found by name too ("F3", "L2").
  for (int i = 0; i < 10; ++i) m.DeskItems[i]->setObjectName(QStringLiteral("F%1").arg(i));
  m.RussianItem->setObjectName(QStringLiteral("L1"));
  m.EnglishItem->setObjectName(QStringLiteral("L2"));
}

void TMenuCommands::ConnectMenus() {
  const TMenuItems& m = items_;
  TMainWindow* w = &window_;
  QObject::connect(m.NewGameItem, &QAction::triggered, w, [w] { w->NewGameClick(); });
  QObject::connect(m.DealByNumberItem, &QAction::triggered, w, [w] { w->DealByNumberClick(); });
  QObject::connect(m.StatisticsItem, &QAction::triggered, w, [this] { StatisticsClick(); });
  QObject::connect(m.ChampionsItem, &QAction::triggered, w, [this] { ShowChampions(); });
  QObject::connect(m.ExitItem, &QAction::triggered, w, &QWidget::close);
  QObject::connect(m.ExitBarItem, &QAction::triggered, w, &QWidget::close);
  QObject::connect(m.RussianItem, &QAction::triggered, w, [w] { w->LanguageChosen(1); });
  QObject::connect(m.EnglishItem, &QAction::triggered, w, [w] { w->LanguageChosen(2); });
  QObject::connect(m.OptionsItem, &QAction::triggered, w, [this] { ShowOptions(); });
  QObject::connect(m.AppearanceItem, &QAction::triggered, w, [this] { ShowAppearance(); });
  QObject::connect(m.AboutItem, &QAction::triggered, w, [this] { ShowAbout(); });
  QObject::connect(m.RulesItem, &QAction::triggered, w, [this] { RulesClick(); });
  QObject::connect(m.HintItem, &QAction::triggered, w, [this] { HintClick(); });
  QObject::connect(m.DealReviewItem, &QAction::triggered, w, [this] { OpenDealReview(); });
  for (int i = 0; i < 10; ++i)
    QObject::connect(m.DeskItems[i], &QAction::triggered, w, [this, i] { ChooseDeskPicture(i); });
}

void TMenuCommands::ApplyTexts(const TTextTable& t) {
  const TMenuItems& m = items_;
  m.FileMenu->menuAction()->setText(t[kFileMenuText]);
  m.NewGameItem->setText(t[kNewGameMenuText]);
  m.ChampionsItem->setText(t[kChampionsMenuText]);
  m.ExitItem->setText(t[kExitMenuText]);
  m.OptionsMenu->menuAction()->setText(t[kOptionsMenuText]);
  m.OptionsItem->setText(t[kSettingsMenuText]);
  m.AppearanceItem->setText(t[kAppearanceMenuText]);
  m.DeskPictureMenu->menuAction()->setText(t[kDeskMenuText]);
  for (int i = 0; i < 10; ++i) m.DeskItems[i]->setText(t[DeskText(i)]);
  m.LanguageMenu->menuAction()->setText(t[kLanguageMenuText]);
  m.RussianItem->setText(t[kRussianMenuText]);
  m.EnglishItem->setText(t[kEnglishMenuText]);
  m.HelpMenu->menuAction()->setText(t[kHelpMenuText]);
  m.AboutItem->setText(t[kAboutMenuText]);
  m.ExitBarItem->setText(t[kQuitMenuText]);
  m.DealByNumberItem->setText(t[kDealByNumberMenuText]);
  m.StatisticsItem->setText(t[kStatisticsMenuText]);
  // The desk entries of the right-click menu share the main menu's texts.
  for (int i = 0; i < 10; ++i) m.DeskPopupItems[i]->setText(t[DeskText(i)]);
  m.RulesItem->setText(t[kRulesMenuText]);
  m.HintItem->setText(t[kHintMenuText]);
  m.DealReviewItem->setText(t[kDealReviewText]);
}

void TMenuCommands::TriggerMenuItem(const QString& name) {
  if (name.isEmpty()) return;
  if (auto* item = window_.findChild<QAction*>(name, Qt::FindChildrenRecursively)) item->trigger();
}

void TMenuCommands::RulesClick() {
  if (!rulesWindow_) {
    rulesWindow_ = new TRulesWindow(&window_);
    rulesWindow_->ApplyTexts(window_.Texts());
  }
  rulesWindow_->show();
  rulesWindow_->raise();
  rulesWindow_->activateWindow();
}

}  // namespace durak
