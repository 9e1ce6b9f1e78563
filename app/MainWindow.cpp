// The main window made and laid out: the settings read, the menus, the widgets and the 36
// cards made, the engine given the cards and the table view, the command buttons and the
// cards' clicks put through to the engine or the table of three or four; the card size
// worked out for the table; the clock the deals are shuffled from.
#include "MainWindow.h"

#include <QDateTime>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <nlohmann/json.hpp>

#include "CardWidget.h"
#include "ChampionsDialog.h"
#include "DealKeeper.h"
#include "EasyPlayer.h"
#include "KeyboardAccess.h"
#include "MenuCommands.h"
#include "OwnPictures.h"
#include "PaintedPanel.h"
#include "PasswordDialog.h"
#include "PlainText.h"
#include "RaisedButton.h"
#include "SettingsPath.h"
#include "SoundPlayer.h"
#include "StrongChooser.h"
#include "TableSeatPlan.h"
#include "TableWindow.h"
#include "WinColor.h"
#include "WindowPlacement.h"
#include "WindowTableView.h"

namespace durak {

namespace {
constexpr int kMinWidth = 630, kMinHeight = 450;
}  // namespace

TMainWindow::TMainWindow(QWidget* parent) : QMainWindow(parent) {
  // FormCreate: settings first, then the window's parts and the 36 cards.
  settingsFile_ = SettingsFilePath();
  TProfileFile ini(QFile::encodeName(settingsFile_).toStdString());
  ini.Load();
  settings_ = ReadSettings(ini, std::function<bool()>(&SoundPlayer::HasAudioOutput));

  setWindowTitle(QStringLiteral("//"));
  setWindowIcon(QIcon(QPixmap::fromImage(OwnPicture(QStringLiteral("ICON")))));
  setMinimumSize(kMinWidth, kMinHeight);
  ShowMessage = [this](const QString& text) {
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), text);
  };
  tableView_ = std::make_unique<TWindowTableView>(*this);
  menus_ = std::make_unique<TMenuCommands>(*this);
  auto* central = new QWidget(this);
  setCentralWidget(central);
  parts_.Create(central, settings_);
  ConnectButtons();
  // The saved placement, kept on the screen: never larger than it, never off every screen.
  const QRect placed = ClampPlacement(
      settings_.Left, settings_.Top, settings_.Width, settings_.Height,
      AvailableAreaFor(settings_.Left, settings_.Top, settings_.Width, settings_.Height),
      QSize(kMinWidth, kMinHeight));
  move(placed.topLeft());
  resize(placed.size());

  CreateCards();
  keys_ = std::make_unique<TKeyboardAccess>(*this);
  SettingsIntoGame();

  parts_.DressFramePanels();
  CreateChampions();
  // The window shows the chosen language from its first paint; a language library that
  // cannot be opened is reported at the first activation.
  if (LoadLanguage(settings_.Language))
    (settings_.Language == 2 ? menus_->Items().EnglishItem : menus_->Items().RussianItem)
        ->setChecked(true);
  engine_->Busy = false;
}

TMainWindow::~TMainWindow() {
  // The reader's view of the cards and the keyboard's mark go before the engine and the
  // cards do.
  keys_.reset();
}

void TMainWindow::SettingsIntoGame() {
  engine_->Options = settings_.Options;
  engine_->GlideSpeed = settings_.GlideSpeed;
  engine_->HandOrder = settings_.HandOrder;
}

void TMainWindow::GameIntoSettings() {
  settings_.Options = static_cast<uint16_t>(engine_->Options);
  settings_.GlideSpeed = engine_->GlideSpeed;
  settings_.HandOrder = engine_->HandOrder;
}

void TMainWindow::CreateChampions() {
  passwordDialog_.SetMaker([this] {
    auto* d = new TPasswordDialog(this);
    if (textsLoaded_) d->ApplyTexts(texts_);
    return d;
  });
  championsDialog_.SetMaker([this] {
    auto* d = new TChampionsDialog(passwordDialog_.Get(), this);
    if (textsLoaded_) d->ApplyTexts(texts_);
    d->ResetScores = [this] {
      engine_->PlayerScore = 0;
      engine_->ComputerScore = 0;
    };
    return d;
  });
}

void TMainWindow::ConnectButtons() {
  connect(parts_.PassButton, &QPushButton::clicked, this, [this] {
    if (TablePlaying()) tableWindow_->PassClicked();
    keys_->ForgetHint();
  });
  // A button pressed is a move made: a hint given before it no longer holds. At a table of
  // three or four the table's window takes the press; in the two-player game the engine does,
  // and the press is kept with the deal.
  auto press = [this](TButton button, const char* name, void (TGame::*click)()) {
    if (TablePlaying())
      tableWindow_->ButtonClicked(button);
    else
      PlayEvent([this, click] { ((*engine_).*click)(); }, {{"type", "button"}, {"name", name}});
    keys_->ForgetHint();
  };
  connect(parts_.TakeButton, &QPushButton::clicked, this,
          [press] { press(durak::TakeButton, "Button1", &TGame::TakePressed); });
  connect(parts_.DealButton, &QPushButton::clicked, this, [this] {
    if (TablePlaying())
      tableWindow_->ButtonClicked(durak::DealButton);
    else
      DealCards();
    keys_->ForgetHint();
  });
  connect(parts_.ComputerTakesButton, &QPushButton::clicked, this,
          [press] { press(durak::ComputerTakesButton, "Button3", &TGame::ComputerTakesPressed); });
  connect(parts_.DiscardButton, &QPushButton::clicked, this,
          [press] { press(durak::DiscardButton, "Button4", &TGame::DiscardPressed); });
  connect(parts_.DefendButton, &QPushButton::clicked, this,
          [press] { press(durak::DefendButton, "Button5", &TGame::DefendPressed); });
}

void TMainWindow::CreateCards() {
  std::array<ICardControl*, 36> controls{};
  for (int i = 1; i <= 36; ++i) {
    auto* card = new TCardWidget(i, parts_.TablePanel);
    card->SetBounds(-100, 0, cardSize_.LibraryWidth, cardSize_.LibraryHeight);
    card->SetCard(i + 16, 1);
    card->setObjectName(QStringLiteral("Card%1").arg(i));
    card->SetHotMouseColor(ColorFromWin(settings_.HotColor));
    card->OnClick = [this](TCardWidget* c) {
      keys_->MouseClicked();
      if (TablePlaying())
        tableWindow_->CardClicked(c);
      else
        PlayEvent([this, c] { engine_->CardClicked(*c); }, {{"type", "click"}, {"tag", c->Tag()}});
      keys_->ForgetHint();
    };
    parts_.Cards.push_back(card);
    controls[i - 1] = card;
  }
  engine_ = std::make_unique<TGame>(controls, *tableView_, *this);
  searchClock_ = MakeWindowSearchClock();
  strong_ = std::make_unique<TStrongChooser>(TStrongParams(), 1, searchClock_.get());
  easy_ = std::make_unique<TEasyChooser>(1);
  engine_->Busy = true;  // until the window is made
}

void TMainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ArrangeTable();
}

void TMainWindow::keyPressEvent(QKeyEvent* event) {
  if (keys_->KeyPressed(*event))
    event->accept();
  else
    QMainWindow::keyPressEvent(event);
}

// Lays the window out: the table fills what the column and the bar leave, then the engine
// recomputes where the cards go.
void TMainWindow::ArrangeTable() {
  const QWidget* c = centralWidget();
  parts_.PlacePanels(c->width(), c->height());
  parts_.DressFramePanels();
  if (!parts_.Cards.empty()) {
    const TPaintedPanel* table = parts_.TablePanel;
    ApplyCardScale(table->width(), table->height());
    if (TablePlaying())
      tableWindow_->ArrangeTable();
    else
      engine_->ArrangeTable(table->width(), table->height(), cardSize_.Width, cardSize_.Height,
                            cardSize_.Scale);
  }
  parts_.ArrangeColumn();
  parts_.ArrangeBottomBar();
}

void TMainWindow::DrawCardsAnew() {
  cardSize_.PicturesStale = true;
  ApplyCardScale(parts_.TablePanel->width(), parts_.TablePanel->height());
}

void TMainWindow::ApplyCardScale(int tableWidth, int tableHeight) {
  const int libraryW = cardSize_.LibraryWidth, libraryH = cardSize_.LibraryHeight;
  const double scale = !settings_.ScaleToWindow || libraryW <= 0 || libraryH <= 0 ? 1.0
                       : TablePlaying() ? TableCardScale(tableWindow_->Seats(), tableWidth,
                                                         tableHeight, libraryW, libraryH)
                                        : CardScale(tableWidth, tableHeight, libraryW, libraryH);
  const int cw = ScaledCardSide(libraryW, scale), ch = ScaledCardSide(libraryH, scale);
  const double dpr = parts_.TablePanel->devicePixelRatioF();
  if (!cardSize_.PicturesStale && cw == cardSize_.Width && ch == cardSize_.Height &&
      dpr == cardSize_.Dpr)
    return;
  cardSize_.PicturesStale = false;
  cardSize_.Scale = scale;
  cardSize_.Width = cw;
  cardSize_.Height = ch;
  cardSize_.Dpr = dpr;
  // Cards parked off the table stay wholly off it at their new size (and so draw nothing
  // until they come onto it).
  const std::vector<TCardWidget*>& cards = parts_.Cards;
  if (cw > 0 && ch > 0) {
    for (TCardWidget* c : cards)
      if (c->x() < 0)
        c->SetBounds(OffTableLeft(c->Turned() ? ch : cw), c->y(), c->width(), c->height());
  }
  // A library without a back has no card size: the cards keep their pictures' own.
  ApplyCardPictures(cards, library_, cw > 0 && ch > 0 ? QSize(cw, ch) : QSize(), dpr);
  for (TCardWidget* c : cards)
    if (c->x() < 0) c->SetBounds(OffTableLeft(c->width()), c->y(), c->width(), c->height());
  tableView_->ShowTrumpPicture();
}

uint32_t TMainWindow::MillisOfDay() {
  // A deal by number shuffles from its number; tests fix the time of day for every deal.
  if (dealClock_) return *dealClock_;
  if (FixedMillisOfDay) return *FixedMillisOfDay;
  return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

}  // namespace durak
