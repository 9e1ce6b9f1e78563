#include "MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QThread>
#include <nlohmann/json.hpp>

#include "Announcer.h"
#include "CardWidget.h"
#include "ChampionsDialog.h"
#include "DealKeeper.h"
#include "EasyPlayer.h"
#include "HandFocus.h"
#include "LedDisplay.h"
#include "OwnPictures.h"
#include "PaintedPanel.h"
#include "PasswordDialog.h"
#include "PlainText.h"
#include "PlayNarrator.h"
#include "ProgramFonts.h"
#include "RaisedButton.h"
#include "RulesWindow.h"
#include "SettingsPath.h"
#include "SoundPlayer.h"
#include "StrongChooser.h"
#include "TableSeatPlan.h"
#include "TableWindow.h"
#include "WinColor.h"
#include "WindowPlacement.h"

namespace durak {

namespace {
constexpr int kColumnWidth = 62;  // the right-hand column
// The player's name under the player's counter: its size, and the least it shrinks to.
constexpr int kNamePoints = 9, kNameLeastPoints = 8;
constexpr int kBarHeight = 45;  // the bottom bar
constexpr int kMinWidth = 630, kMinHeight = 450;
constexpr int32_t kFrameColor = 22668;  // the brown under the wood of the frame
}  // namespace

TMainWindow::TMainWindow(QWidget* parent) : QMainWindow(parent) {
  // FormCreate: settings first, then the window's parts and the 36 cards.
  SettingsFile = SettingsFilePath();
  TProfileFile ini(QFile::encodeName(SettingsFile).toStdString());
  ini.Load();
  Settings = ReadSettings(ini, std::function<bool()>(&SoundPlayer::HasAudioOutput));

  setWindowTitle(QStringLiteral("//"));
  setWindowIcon(QIcon(QPixmap::fromImage(OwnPicture(QStringLiteral("ICON")))));
  setMinimumSize(kMinWidth, kMinHeight);
  CreateMenus();
  CreatePanels();
  // The saved placement, kept on the screen: never larger than it, never off every screen.
  const QRect placed =
      ClampPlacement(Settings.Left, Settings.Top, Settings.Width, Settings.Height,
                     AvailableAreaFor(Settings.Left, Settings.Top, Settings.Width, Settings.Height),
                     QSize(kMinWidth, kMinHeight));
  move(placed.topLeft());
  resize(placed.size());

  CreateCards();
  CreateHandFocus();
  SetUpAccessibility();
  CreateAnnouncer();
  Engine->Options = Settings.Options;
  Engine->GlideSpeed = Settings.GlideSpeed;
  Engine->HandOrder = Settings.HandOrder;

  DressFramePanels();

  PasswordDialog_.SetMaker([this] {
    auto* d = new TPasswordDialog(this);
    if (TextsLoaded) d->ApplyTexts(Texts);
    return d;
  });
  ChampionsDialog_.SetMaker([this] {
    auto* d = new TChampionsDialog(PasswordDialog_.Get(), this);
    if (TextsLoaded) d->ApplyTexts(Texts);
    d->ResetScores = [this] {
      Engine->PlayerScore = 0;
      Engine->ComputerScore = 0;
    };
    return d;
  });
  // The window shows the chosen language from its first paint; a language library that
  // cannot be opened is reported at the first activation.
  if (LoadLanguage(Settings.Language))
    (Settings.Language == 2 ? EnglishItem : RussianItem)->setChecked(true);
  Engine->Busy = false;
}

TMainWindow::~TMainWindow() {
  // The cards outlive this part of the window; a reader asking about them now gets their
  // plain defaults.
  ForgetAccessibility();
  // The mark watches the cards, which are hidden and freed after the engine is gone.
  delete HandFocus;
  HandFocus = nullptr;
}

void TMainWindow::CreateMenus() {
  auto action = [this](QMenu* menu, const char* caption) {
    return menu->addAction(QString::fromUtf8(caption));
  };
  FileMenu = menuBar()->addMenu(QStringLiteral("Файл"));
  NewGameItem = action(FileMenu, "Новая игра");
  NewGameItem->setShortcut(Qt::Key_F2);
  ChampionsItem = action(FileMenu, "Чемпионы");
  FileMenu->addSeparator();
  ExitItem = action(FileMenu, "Выход");
  OptionsMenu = menuBar()->addMenu(QStringLiteral("Параметры"));
  OptionsItem = action(OptionsMenu, "Настройки...");
  AppearanceItem = action(OptionsMenu, "Интерфейс...");
  DeskPictureMenu = OptionsMenu->addMenu(QStringLiteral("Картинка"));
  auto* desk = new QActionGroup(this);
  const char* const deskNames[] = {"Нет",   "Фон 1", "Фон 2", "Фон 3",    "Фон 4",
                                   "Фон 5", "Фон 6", "Фон 7", "Gradient", "Rainbow"};
  for (int i = 0; i < 10; ++i) {
    DeskItems[i] = action(DeskPictureMenu, deskNames[i]);
    DeskItems[i]->setCheckable(true);
    DeskItems[i]->setData(i);
    desk->addAction(DeskItems[i]);
  }
  LanguageMenu = OptionsMenu->addMenu(QStringLiteral("Language"));
  auto* langs = new QActionGroup(this);
  RussianItem = action(LanguageMenu, "Russian");
  EnglishItem = action(LanguageMenu, "English");
  for (QAction* a : {RussianItem, EnglishItem}) {
    a->setCheckable(true);
    langs->addAction(a);
  }
  HelpMenu = menuBar()->addMenu(QStringLiteral("Справка"));
  AboutItem = action(HelpMenu, "О программе");
  RulesItem = new QAction(QStringLiteral("Правила игры"), this);
  RulesItem->setObjectName(QStringLiteral("Rules"));
  RulesItem->setShortcut(QKeySequence::HelpContents);
  HelpMenu->insertAction(AboutItem, RulesItem);
  HintItem = new QAction(QStringLiteral("Подсказка"), this);
  HintItem->setObjectName(QStringLiteral("Hint"));
  HintItem->setShortcut(Qt::Key_H);
  FileMenu->insertAction(ChampionsItem, HintItem);
  DealReviewItem = new QAction(QStringLiteral("Разбор раздачи"), this);
  DealReviewItem->setObjectName(QStringLiteral("DealReview"));
  FileMenu->insertAction(ExitItem, DealReviewItem);
  FileMenu->insertSeparator(ExitItem);
  DealByNumberItem = new QAction(QStringLiteral("Раздача по номеру…"), this);
  DealByNumberItem->setObjectName(QStringLiteral("DealByNumber"));
  FileMenu->insertAction(HintItem, DealByNumberItem);
  StatisticsItem = new QAction(QStringLiteral("Статистика"), this);
  StatisticsItem->setObjectName(QStringLiteral("Statistics"));
  // After the champions, before the separator above Exit.
  FileMenu->insertAction(FileMenu->actions().value(FileMenu->actions().indexOf(ChampionsItem) + 1),
                         StatisticsItem);
  ExitBarItem = menuBar()->addAction(QStringLiteral("Выход !!!"));

  connect(NewGameItem, &QAction::triggered, this, [this] { NewGameClick(); });
  connect(DealByNumberItem, &QAction::triggered, this, [this] { DealByNumberClick(); });
  connect(StatisticsItem, &QAction::triggered, this, [this] { StatisticsClick(); });
  connect(ChampionsItem, &QAction::triggered, this, [this] { ShowChampions(); });
  connect(ExitItem, &QAction::triggered, this, &QWidget::close);
  connect(ExitBarItem, &QAction::triggered, this, &QWidget::close);
  connect(RussianItem, &QAction::triggered, this, [this] { LanguageChosen(1); });
  connect(EnglishItem, &QAction::triggered, this, [this] { LanguageChosen(2); });
  connect(OptionsItem, &QAction::triggered, this, [this] { ShowOptions(); });
  connect(AppearanceItem, &QAction::triggered, this, [this] { ShowAppearance(); });
  connect(AboutItem, &QAction::triggered, this, [this] { ShowAbout(); });
  connect(RulesItem, &QAction::triggered, this, [this] { RulesClick(); });
  connect(HintItem, &QAction::triggered, this, [this] { HintClick(); });
  connect(DealReviewItem, &QAction::triggered, this, [this] { OpenDealReview(); });
  // The desk entries and the languages are found by name too ("F3", "EnglishItem").
  for (int i = 0; i < 10; ++i) {
    DeskItems[i]->setObjectName(QStringLiteral("F%1").arg(i));
    connect(DeskItems[i], &QAction::triggered, this, [this, i] { ChooseDeskPicture(i); });
  }
  RussianItem->setObjectName(QStringLiteral("L1"));
  EnglishItem->setObjectName(QStringLiteral("L2"));
  CreateDialogs();
}

void TMainWindow::CreatePanels() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  TablePanel = new TPaintedPanel(central);
  ScoreColumn = new TPaintedPanel(central);
  ButtonBar = new TPaintedPanel(central);
  TablePanel->SetRBright(Settings.RBright);
  TablePanel->SetFColor(ColorFromWin(Settings.FColor));
  TablePanel->SetSColor(ColorFromWin(Settings.SColor));
  TablePanel->SetColor(ColorFromWin(Settings.Color));
  TablePanel->SetMode(pmSolid);
  // The frame: the button-shadow border and the brown that shows where the wood does not.
  for (TPaintedPanel* frame : {ButtonBar, ScoreColumn}) {
    frame->SetBColor(SysColor(SysBtnShadow));
    frame->SetColor(ColorFromWin(kFrameColor));
  }

  TrumpImage = MakePlain(new QLabel(TablePanel));
  TrumpImage->hide();

  auto led = [this](int digits, int cell) {
    auto* l = new TLedDisplay(ScoreColumn);
    l->SetNeg(false);
    l->SetHiNill(true);
    l->SetW1Digit(cell);
    l->SetDigits(digits);
    return l;
  };
  ComputerScoreLed = led(3, 17);
  StockLed = led(2, 20);
  PlayerScoreLed = led(3, 17);
  auto dress = [](QLabel* l) {
    l->setFont(ProgramPixelFont(QStringLiteral("Arial"), 12, true));
    l->setStyleSheet(QStringLiteral("color: #ffff80; background: transparent;"));
    return l;
  };
  auto label = [this, dress](const char* text) {
    return dress(MakePlain(new QLabel(QString::fromUtf8(text), ScoreColumn)));
  };
  ComputerScoreCaption = label("Мое");
  StockCaption = label("В колоде");
  PlayerNameLabel = new TNameLabel(QString::fromUtf8("Твое"), ScoreColumn);
  dress(PlayerNameLabel);

  SpeechLabel = MakePlain(new QLabel(ButtonBar));
  SpeechLabel->setFont(ProgramPixelFont(QStringLiteral("Times New Roman"), 17, true));
  // A long line in a narrow window breaks in two rather than losing its end.
  SpeechLabel->setWordWrap(true);
  SpeechLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const QColor words = ColorFromWin(Settings.SpeechColour);
  SpeechLabel->setStyleSheet(
      QStringLiteral("color: %1; background: transparent;").arg(words.name()));

  struct {
    TRaisedButton** button;
    const char* caption;
    TButton id;
  } buttons[] = {{&DealButton, "Замесить", durak::DealButton},
                 {&DiscardButton, "Бито", durak::DiscardButton},
                 {&TakeButton, "Беру", durak::TakeButton},
                 {&ComputerTakesButton, "Забирай", durak::ComputerTakesButton},
                 {&DefendButton, "Бейся", durak::DefendButton}};
  for (auto& b : buttons) {
    auto* button = new TRaisedButton(QString::fromUtf8(b.caption), ButtonBar);
    button->SetFCol(QColor(255, 255, 128));
    button->SetBCol(Qt::black);
    button->SetRad(1);
    button->setFont(ProgramPixelFont(QStringLiteral("Times New Roman"), 19));
    button->resize(92, 31);
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    *b.button = button;
  }
  PassButton = new TRaisedButton(QString::fromUtf8("Пас"), ButtonBar);
  PassButton->setObjectName(QStringLiteral("PassButton"));
  PassButton->SetFCol(QColor(255, 255, 128));
  PassButton->SetBCol(Qt::black);
  PassButton->SetRad(1);
  PassButton->setFont(ProgramPixelFont(QStringLiteral("Times New Roman"), 19));
  PassButton->resize(92, 31);
  PassButton->setFocusPolicy(Qt::NoFocus);
  PassButton->hide();
  connect(PassButton, &QPushButton::clicked, this, [this] {
    if (TablePlaying()) TableWindow->PassClicked();
    ForgetHint();
  });
  // A button pressed is a move made: a hint given before it no longer holds. At a table of
  // three or four the table's window takes the press; in the two-player game the engine does,
  // and the press is kept with the deal.
  auto press = [this](TButton button, const char* name, void (TGame::*click)()) {
    if (TablePlaying())
      TableWindow->ButtonClicked(button);
    else
      PlayEvent([this, click] { ((*Engine).*click)(); }, {{"type", "button"}, {"name", name}});
    ForgetHint();
  };
  connect(TakeButton, &QPushButton::clicked, this,
          [press] { press(durak::TakeButton, "Button1", &TGame::TakePressed); });
  connect(DealButton, &QPushButton::clicked, this, [this] {
    if (TablePlaying())
      TableWindow->ButtonClicked(durak::DealButton);
    else
      DealCards();
    ForgetHint();
  });
  connect(ComputerTakesButton, &QPushButton::clicked, this,
          [press] { press(durak::ComputerTakesButton, "Button3", &TGame::ComputerTakesPressed); });
  connect(DiscardButton, &QPushButton::clicked, this,
          [press] { press(durak::DiscardButton, "Button4", &TGame::DiscardPressed); });
  connect(DefendButton, &QPushButton::clicked, this,
          [press] { press(durak::DefendButton, "Button5", &TGame::DefendPressed); });
}

void TMainWindow::CreateCards() {
  std::array<ICardControl*, 36> controls{};
  for (int i = 1; i <= 36; ++i) {
    auto* card = new TCardWidget(i, TablePanel);
    card->SetBounds(-100, 0, CardWidth, CardHeight);
    card->SetCard(i + 16, 1);
    card->setObjectName(QStringLiteral("Card%1").arg(i));
    card->SetHotMouseColor(ColorFromWin(Settings.HotColor));
    card->OnClick = [this](TCardWidget* c) {
      if (!KeyboardPlay) PlaysByKeys = false;  // a click with the mouse
      if (TablePlaying())
        TableWindow->CardClicked(c);
      else
        PlayEvent([this, c] { Engine->CardClicked(*c); }, {{"type", "click"}, {"tag", c->Tag()}});
      ForgetHint();
    };
    Cards.push_back(card);
    controls[i - 1] = card;
  }
  Engine = std::make_unique<TGame>(controls, *this, *this);
  SearchClock = MakeWindowSearchClock();
  Strong = std::make_unique<TStrongChooser>(TStrongParams(), 1, SearchClock.get());
  Easy = std::make_unique<TEasyChooser>(1);
  Engine->Busy = true;  // until the window is made
}

void TMainWindow::RulesClick() {
  if (!RulesWindow) {
    RulesWindow = new TRulesWindow(this);
    RulesWindow->ApplyTexts(Texts);
  }
  RulesWindow->show();
  RulesWindow->raise();
  RulesWindow->activateWindow();
}

TRaisedButton* TMainWindow::ButtonOf(TButton button) const {
  switch (button) {
    case durak::TakeButton:
      return TakeButton;
    case durak::DealButton:
      return DealButton;
    case durak::ComputerTakesButton:
      return ComputerTakesButton;
    case durak::DiscardButton:
      return DiscardButton;
    default:
      return DefendButton;
  }
}

void TMainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ArrangeTable();
}

// Lays the window out: the table fills what the column and the bar leave, then the engine
// recomputes where the cards go.
void TMainWindow::ArrangeTable() {
  QWidget* c = centralWidget();
  const int w = c->width(), h = c->height();
  ButtonBar->setGeometry(0, h - kBarHeight, w, kBarHeight);
  ScoreColumn->setGeometry(w - kColumnWidth, 0, kColumnWidth, h - kBarHeight);
  TablePanel->setGeometry(0, 0, w - kColumnWidth, h - kBarHeight);
  DressFramePanels();
  if (!Cards.empty()) {
    ApplyCardScale(TablePanel->width(), TablePanel->height());
    if (TablePlaying())
      TableWindow->ArrangeTable();
    else
      Engine->ArrangeTable(TablePanel->width(), TablePanel->height(), TableCardWidth,
                           TableCardHeight, CardScaleNow);
  }
  ArrangeColumn();
  ArrangeBottomBar();
}

// The bottom bar and the right-hand column are dressed in the wood texture. A panel cuts
// its tile to the size it has when the picture is set, so the picture is set again once the
// panel has its real size: a tile cut to a panel not yet laid out would repeat with seams.
void TMainWindow::DressFramePanels() {
  static const QImage wood = OwnPicture(QStringLiteral("PBG"));
  for (TPaintedPanel* panel : {ButtonBar, ScoreColumn}) {
    const int insideW = panel->width() - 4, insideH = panel->height() - 4;
    if (insideW < 1 || insideH < 1) continue;
    if (!panel->Strip().isNull() && panel->Strip().width() == std::min(insideW, wood.width()) &&
        panel->TileHeight() == std::min(insideH, wood.height()))
      continue;
    panel->SetPicture(wood,
                      [](int factor) { return OwnPicture(QStringLiteral("PBG@%1x").arg(factor)); });
  }
}

void TMainWindow::ApplyCardScale(int tableWidth, int tableHeight) {
  const double scale = !Settings.ScaleToWindow || CardWidth <= 0 || CardHeight <= 0 ? 1.0
                       : TablePlaying() ? TableCardScale(TableWindow->Seats(), tableWidth,
                                                         tableHeight, CardWidth, CardHeight)
                                        : CardScale(tableWidth, tableHeight, CardWidth, CardHeight);
  const int cw = ScaledCardSide(CardWidth, scale), ch = ScaledCardSide(CardHeight, scale);
  const double dpr = TablePanel->devicePixelRatioF();
  if (!PicturesStale && cw == TableCardWidth && ch == TableCardHeight && dpr == CardDpr) return;
  PicturesStale = false;
  CardScaleNow = scale;
  TableCardWidth = cw;
  TableCardHeight = ch;
  CardDpr = dpr;
  // Cards parked off the table stay wholly off it at their new size (and so draw nothing
  // until they come onto it).
  if (cw > 0 && ch > 0) {
    for (TCardWidget* c : Cards)
      if (c->x() < 0)
        c->SetBounds(OffTableLeft(c->Turned() ? ch : cw), c->y(), c->width(), c->height());
  }
  // A library without a back has no card size: the cards keep their pictures' own.
  ApplyCardPictures(Cards, Library, cw > 0 && ch > 0 ? QSize(cw, ch) : QSize(), dpr);
  for (TCardWidget* c : Cards)
    if (c->x() < 0) c->SetBounds(OffTableLeft(c->width()), c->y(), c->width(), c->height());
  ShowTrumpPicture();
}

void TMainWindow::ArrangeColumn() {
  const int wc = ScoreColumn->width(), hc = ScoreColumn->height();
  auto centre = [wc](QWidget* w, int top) { w->move((wc - w->width()) / 2, top); };
  for (QLabel* l : {ComputerScoreCaption, StockCaption}) l->adjustSize();
  centre(ComputerScoreLed, 2);
  centre(ComputerScoreCaption, ComputerScoreLed->y() + ComputerScoreLed->height() + 2);
  centre(PlayerScoreLed, hc - PlayerScoreLed->height() - 2);
  // The player's name shrinks point by point while it is wider than the column less 3
  // pixels on each side, but not below a size still easily read; a name too long even then
  // shows its beginning and "…", and the whole name in its tool tip.
  QFont f = ProgramPixelFont(QStringLiteral("Arial"), 12, true);
  f.setPointSize(kNamePoints);
  PlayerNameLabel->setFont(f);
  PlayerNameLabel->adjustSize();
  const int room = wc - 2 * 3;
  while (PlayerNameLabel->width() > room && f.pointSize() > kNameLeastPoints) {
    f.setPointSize(f.pointSize() - 1);
    PlayerNameLabel->setFont(f);
    PlayerNameLabel->adjustSize();
  }
  if (PlayerNameLabel->width() > room)
    PlayerNameLabel->resize(std::max(0, room), PlayerNameLabel->height());
  centre(PlayerNameLabel, PlayerScoreLed->y() - PlayerNameLabel->height() - 2);
  PlayerNameLabel->setToolTip(PlayerNameLabel->Elided() ? PlainToolTip(PlayerNameLabel->text())
                                                        : QString());
  centre(StockLed, (hc - StockLed->height()) / 2);
  centre(StockCaption, StockLed->y() + StockLed->height() + 2);
}

// The speech line on the left; the visible command buttons from the right edge inwards.
void TMainWindow::ArrangeBottomBar() {
  int x = ButtonBar->width() - 8;
  for (TRaisedButton* b :
       {DealButton, DefendButton, ComputerTakesButton, TakeButton, DiscardButton, PassButton}) {
    if (b->isHidden()) continue;
    x -= b->width();
    b->move(x, (ButtonBar->height() - b->height()) / 2);
    x -= 6;
  }
  SpeechLabel->setGeometry(10, 0, std::max(0, x - 10), ButtonBar->height());
}

// ---- table view ---------------------------------------------------------------------

void TMainWindow::SetButtonVisible(TButton button, bool visible) {
  ButtonOf(button)->setVisible(visible);
  // "Замесить" shows when a deal is over or a new game begins: the hand's frame goes with
  // the deal, so that Enter presses "Замесить" and the next deal's first arrow starts
  // afresh.
  if (button == durak::DealButton && visible && HandFocus) {
    HintMarked = false;
    HandFocus->Clear();
  }
  ArrangeBottomBar();
  Narrate();
}

void TMainWindow::SetSpeechText(const std::string& text) {
  // What happened before the words comes first.
  Narrate();
  const QString line = QString::fromStdString(text);
  const bool changed = line != SpeechLabel->text();
  SpeechLabel->setText(line);
  SpeechLabel->repaint();
  if (changed && !line.isEmpty()) AnnounceSpeech();
}

void TMainWindow::SetLed(TLed led, int value) {
  TLedDisplay* l = led == durak::PlayerScoreLed     ? PlayerScoreLed
                   : led == durak::ComputerScoreLed ? ComputerScoreLed
                                                    : StockLed;
  l->SetNumber(value);
  UpdateAccessibleTexts();
  Narrate();
}

void TMainWindow::SetTrumpPicture(int suit) {
  TrumpSuit = suit;
  ShowTrumpPicture();
}

void TMainWindow::ShowTrumpPicture() {
  if (TrumpSuit == 0) return;
  static const char* const kNames[] = {"BS", "BS", "BC", "BD", "BH"};
  const QString name =
      QString::fromLatin1(kNames[TrumpSuit >= 1 && TrumpSuit <= 4 ? TrumpSuit : 0]);
  // The picture grows with the cards, drawn from its larger renditions.
  const QImage base = OwnPicture(name);
  const QSize size(ScaledCardSide(base.width(), CardScaleNow),
                   ScaledCardSide(base.height(), CardScaleNow));
  const QImage picture = OwnPictureAt(name, size, CardDpr);
  TrumpImage->setPixmap(QPixmap::fromImage(picture));
  TrumpImage->resize(size);
}

void TMainWindow::SetTrumpVisible(bool visible) {
  TrumpImage->setVisible(visible);
  TrumpImage->lower();
}

void TMainWindow::PlaceTrumpPicture(int left, int top) {
  TrumpImage->move(left, top);
}
int TMainWindow::TrumpPictureWidth() const {
  return TrumpImage->pixmap().isNull() ? 63 : TrumpImage->width();
}
int TMainWindow::TrumpPictureHeight() const {
  return TrumpImage->pixmap().isNull() ? 84 : TrumpImage->height();
}

void TMainWindow::Wait(int milliseconds) {
  Narrate();
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}
void TMainWindow::ProcessMessages() {
  Narrate();
  QCoreApplication::processEvents();
}

void TMainWindow::CloseMainWindow() {
  close();
}

uint32_t TMainWindow::MillisOfDay() {
  // A deal by number shuffles from its number; tests fix the time of day for every deal.
  if (DealClock) return *DealClock;
  if (FixedMillisOfDay) return *FixedMillisOfDay;
  return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

}  // namespace durak
