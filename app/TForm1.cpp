#include "TForm1.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QThread>

#include "Announcer.h"
#include "EasyPlayer.h"
#include "HandFocus.h"
#include "OwnPictures.h"
#include "PlainText.h"
#include "PlayNarrator.h"
#include "ProgramFonts.h"
#include "SettingsPath.h"
#include "SoundPlayer.h"
#include "StrongChooser.h"
#include "TBtn3d.h"
#include "TChempForm.h"
#include "THotCard.h"
#include "TKuvLed.h"
#include "TKuvPanel.h"
#include "TPassForm.h"
#include "TRulesForm.h"
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

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
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
  Engine->ASpeed = Settings.ASpeed;
  Engine->VidSort = Settings.VidSort;

  DressFramePanels();

  PassForm_.SetMaker([this] {
    auto* d = new TPassForm(this);
    if (TextsLoaded) d->ApplyTexts(Texts);
    return d;
  });
  ChempForm_.SetMaker([this] {
    auto* d = new TChempForm(PassForm_.Get(), this);
    if (TextsLoaded) d->ApplyTexts(Texts);
    d->ResetScores = [this] {
      Engine->MyScore = 0;
      Engine->HerScore = 0;
    };
    return d;
  });
  // The window shows the chosen language from its first paint; a language library that
  // cannot be opened is reported at the first activation.
  if (LoadLanguage(Settings.Language)) (Settings.Language == 2 ? L2 : L1)->setChecked(true);
  Engine->Busy = false;
}

TForm1::~TForm1() {
  // The cards outlive this part of the window; a reader asking about them now gets their
  // plain defaults.
  ForgetAccessibility();
  // The mark watches the cards, which are hidden and freed after the engine is gone.
  delete HandFocus;
  HandFocus = nullptr;
}

void TForm1::CreateMenus() {
  auto action = [this](QMenu* menu, const char* caption) {
    return menu->addAction(QString::fromUtf8(caption));
  };
  File1 = menuBar()->addMenu(QStringLiteral("Файл"));
  N8 = action(File1, "Новая игра");
  N8->setShortcut(Qt::Key_F2);
  N7 = action(File1, "Чемпионы");
  File1->addSeparator();
  N2 = action(File1, "Выход");
  Options1 = menuBar()->addMenu(QStringLiteral("Параметры"));
  N3 = action(Options1, "Настройки...");
  Inter = action(Options1, "Интерфейс...");
  N4 = Options1->addMenu(QStringLiteral("Картинка"));
  auto* desk = new QActionGroup(this);
  const char* const deskNames[] = {"Нет",   "Фон 1", "Фон 2", "Фон 3",    "Фон 4",
                                   "Фон 5", "Фон 6", "Фон 7", "Gradient", "Rainbow"};
  for (int i = 0; i < 10; ++i) {
    F[i] = action(N4, deskNames[i]);
    F[i]->setCheckable(true);
    F[i]->setData(i);
    desk->addAction(F[i]);
  }
  Language1 = Options1->addMenu(QStringLiteral("Language"));
  auto* langs = new QActionGroup(this);
  L1 = action(Language1, "Russian");
  L2 = action(Language1, "English");
  for (QAction* a : {L1, L2}) {
    a->setCheckable(true);
    langs->addAction(a);
  }
  N6 = menuBar()->addMenu(QStringLiteral("Справка"));
  N5 = action(N6, "О программе");
  RulesItem = new QAction(QStringLiteral("Правила игры"), this);
  RulesItem->setObjectName(QStringLiteral("Rules"));
  RulesItem->setShortcut(QKeySequence::HelpContents);
  N6->insertAction(N5, RulesItem);
  HintItem = new QAction(QStringLiteral("Подсказка"), this);
  HintItem->setObjectName(QStringLiteral("Hint"));
  HintItem->setShortcut(Qt::Key_H);
  File1->insertAction(N7, HintItem);
  Exit1 = menuBar()->addAction(QStringLiteral("Выход !!!"));

  connect(N8, &QAction::triggered, this, [this] { Engine->N8Click(); });
  connect(N7, &QAction::triggered, this, [this] { N7Click(); });
  connect(N2, &QAction::triggered, this, &QWidget::close);
  connect(Exit1, &QAction::triggered, this, &QWidget::close);
  connect(L1, &QAction::triggered, this, [this] { L2Click(1); });
  connect(L2, &QAction::triggered, this, [this] { L2Click(2); });
  connect(N3, &QAction::triggered, this, [this] { N3Click(); });
  connect(Inter, &QAction::triggered, this, [this] { InterClick(); });
  connect(N5, &QAction::triggered, this, [this] { N5Click(); });
  connect(RulesItem, &QAction::triggered, this, [this] { RulesClick(); });
  connect(HintItem, &QAction::triggered, this, [this] { HintClick(); });
  // The desk entries and the languages are found by name too ("F3", "L2").
  for (int i = 0; i < 10; ++i) {
    F[i]->setObjectName(QStringLiteral("F%1").arg(i));
    connect(F[i], &QAction::triggered, this, [this, i] { N4Click(i); });
  }
  L1->setObjectName(QStringLiteral("L1"));
  L2->setObjectName(QStringLiteral("L2"));
  CreateDialogs();
}

void TForm1::CreatePanels() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  Panel3 = new TKuvPanel(central);
  Panel2 = new TKuvPanel(central);
  Panel1 = new TKuvPanel(central);
  Panel3->SetRBright(Settings.RBright);
  Panel3->SetFColor(ColorFromWin(Settings.FColor));
  Panel3->SetSColor(ColorFromWin(Settings.SColor));
  Panel3->SetColor(ColorFromWin(Settings.Color));
  Panel3->SetMode(pmSolid);
  // The frame: the button-shadow border and the brown that shows where the wood does not.
  for (TKuvPanel* frame : {Panel1, Panel2}) {
    frame->SetBColor(SysColor(SysBtnShadow));
    frame->SetColor(ColorFromWin(kFrameColor));
  }

  Image2 = MakePlain(new QLabel(Panel3));
  Image2->hide();

  auto led = [this](int digits, int cell) {
    auto* l = new TKuvLed(Panel2);
    l->SetNeg(false);
    l->SetHiNill(true);
    l->SetW1Digit(cell);
    l->SetDigits(digits);
    return l;
  };
  HerLed1 = led(3, 17);
  ColLed1 = led(2, 20);
  MyLed1 = led(3, 17);
  auto dress = [](QLabel* l) {
    l->setFont(ProgramPixelFont(QStringLiteral("Arial"), 12, true));
    l->setStyleSheet(QStringLiteral("color: #ffff80; background: transparent;"));
    return l;
  };
  auto label = [this, dress](const char* text) {
    return dress(MakePlain(new QLabel(QString::fromUtf8(text), Panel2)));
  };
  Label7 = label("Мое");
  Label1 = label("В колоде");
  Label6 = new TNameLabel(QString::fromUtf8("Твое"), Panel2);
  dress(Label6);

  Label2 = MakePlain(new QLabel(Panel1));
  Label2->setFont(ProgramPixelFont(QStringLiteral("Times New Roman"), 17, true));
  // A long line in a narrow window breaks in two rather than losing its end.
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const QColor words = ColorFromWin(Settings.MyWords);
  Label2->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(words.name()));

  struct {
    TBtn3d** button;
    const char* caption;
    TButton id;
  } buttons[] = {{&Button2, "Замесить", durak::Button2},
                 {&Button4, "Бито", durak::Button4},
                 {&Button1, "Беру", durak::Button1},
                 {&Button3, "Забирай", durak::Button3},
                 {&Button5, "Бейся", durak::Button5}};
  for (auto& b : buttons) {
    auto* button = new TBtn3d(QString::fromUtf8(b.caption), Panel1);
    button->SetFCol(QColor(255, 255, 128));
    button->SetBCol(Qt::black);
    button->SetRad(1);
    button->setFont(ProgramPixelFont(QStringLiteral("Times New Roman"), 19));
    button->resize(92, 31);
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    *b.button = button;
  }
  // A button pressed is a move made: a hint given before it no longer holds.
  connect(Button1, &QPushButton::clicked, this, [this] {
    Engine->Button1Click();
    ForgetHint();
  });
  connect(Button2, &QPushButton::clicked, this, [this] {
    // The opponent chosen in the options plays from this deal on.
    if (!Engine->Busy)
      Engine->Chooser = Settings.Opponent == kOpponentStrong
                            ? static_cast<ICompChooser*>(Strong.get())
                        : Settings.Opponent == kOpponentEasy ? Easy.get()
                                                             : nullptr;
    Engine->Button2Click();
    ForgetHint();
  });
  connect(Button3, &QPushButton::clicked, this, [this] {
    Engine->Button3Click();
    ForgetHint();
  });
  connect(Button4, &QPushButton::clicked, this, [this] {
    Engine->Button4Click();
    ForgetHint();
  });
  connect(Button5, &QPushButton::clicked, this, [this] {
    Engine->Button5Click();
    ForgetHint();
  });
}

void TForm1::CreateCards() {
  std::array<ICardControl*, 36> controls{};
  for (int i = 1; i <= 36; ++i) {
    auto* card = new THotCard(i, Panel3);
    card->SetBounds(-100, 0, CardWidth, CardHeight);
    card->SetCard(i + 16, 1);
    card->setObjectName(QStringLiteral("Card%1").arg(i));
    card->SetHotMouseColor(ColorFromWin(Settings.HotColor));
    card->OnClick = [this](THotCard* c) {
      if (!KeyboardPlay) PlaysByKeys = false;  // a click with the mouse
      Engine->Card1Click(*c);
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

void TForm1::RulesClick() {
  if (!RulesForm) {
    RulesForm = new TRulesForm(this);
    RulesForm->ApplyTexts(Texts);
  }
  RulesForm->show();
  RulesForm->raise();
  RulesForm->activateWindow();
}

TBtn3d* TForm1::ButtonOf(TButton button) const {
  switch (button) {
    case durak::Button1:
      return Button1;
    case durak::Button2:
      return Button2;
    case durak::Button3:
      return Button3;
    case durak::Button4:
      return Button4;
    default:
      return Button5;
  }
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Res();
}

// Lays the window out: the table fills what the column and the bar leave, then the engine
// recomputes where the cards go.
void TForm1::Res() {
  QWidget* c = centralWidget();
  const int w = c->width(), h = c->height();
  Panel1->setGeometry(0, h - kBarHeight, w, kBarHeight);
  Panel2->setGeometry(w - kColumnWidth, 0, kColumnWidth, h - kBarHeight);
  Panel3->setGeometry(0, 0, w - kColumnWidth, h - kBarHeight);
  DressFramePanels();
  if (!Cards.empty()) {
    ApplyCardScale(Panel3->width(), Panel3->height());
    Engine->Res(Panel3->width(), Panel3->height(), TableCardWidth, TableCardHeight, CardScaleNow);
  }
  ArrangeColumn();
  ArrangeBottomBar();
}

// The bottom bar and the right-hand column are dressed in the wood texture. A panel cuts
// its tile to the size it has when the picture is set, so the picture is set again once the
// panel has its real size: a tile cut to a panel not yet laid out would repeat with seams.
void TForm1::DressFramePanels() {
  static const QImage wood = OwnPicture(QStringLiteral("PBG"));
  for (TKuvPanel* panel : {Panel1, Panel2}) {
    const int insideW = panel->width() - 4, insideH = panel->height() - 4;
    if (insideW < 1 || insideH < 1) continue;
    if (!panel->Strip().isNull() && panel->Strip().width() == std::min(insideW, wood.width()) &&
        panel->TileHeight() == std::min(insideH, wood.height()))
      continue;
    panel->SetPicture(wood,
                      [](int factor) { return OwnPicture(QStringLiteral("PBG@%1x").arg(factor)); });
  }
}

void TForm1::ApplyCardScale(int tableWidth, int tableHeight) {
  const double scale = Settings.ScaleToWindow && CardWidth > 0 && CardHeight > 0
                           ? CardScale(tableWidth, tableHeight, CardWidth, CardHeight)
                           : 1.0;
  const int cw = ScaledCardSide(CardWidth, scale), ch = ScaledCardSide(CardHeight, scale);
  const double dpr = Panel3->devicePixelRatioF();
  if (!PicturesStale && cw == TableCardWidth && ch == TableCardHeight && dpr == CardDpr) return;
  PicturesStale = false;
  CardScaleNow = scale;
  TableCardWidth = cw;
  TableCardHeight = ch;
  CardDpr = dpr;
  // Cards parked off the table stay wholly off it at their new size (and so draw nothing
  // until they come onto it).
  if (cw > 0 && ch > 0) {
    for (THotCard* c : Cards)
      if (c->x() < 0)
        c->SetBounds(OffTableLeft(c->Turned() ? ch : cw), c->y(), c->width(), c->height());
  }
  // A library without a back has no card size: the cards keep their pictures' own.
  ApplyCardPictures(Cards, Library, cw > 0 && ch > 0 ? QSize(cw, ch) : QSize(), dpr);
  for (THotCard* c : Cards)
    if (c->x() < 0) c->SetBounds(OffTableLeft(c->width()), c->y(), c->width(), c->height());
  ShowTrumpPicture();
}

void TForm1::ArrangeColumn() {
  const int wc = Panel2->width(), hc = Panel2->height();
  auto centre = [wc](QWidget* w, int top) { w->move((wc - w->width()) / 2, top); };
  for (QLabel* l : {Label7, Label1}) l->adjustSize();
  centre(HerLed1, 2);
  centre(Label7, HerLed1->y() + HerLed1->height() + 2);
  centre(MyLed1, hc - MyLed1->height() - 2);
  // The player's name shrinks point by point while it is wider than the column less 3
  // pixels on each side, but not below a size still easily read; a name too long even then
  // shows its beginning and "…", and the whole name in its tool tip.
  QFont f = ProgramPixelFont(QStringLiteral("Arial"), 12, true);
  f.setPointSize(kNamePoints);
  Label6->setFont(f);
  Label6->adjustSize();
  const int room = wc - 2 * 3;
  while (Label6->width() > room && f.pointSize() > kNameLeastPoints) {
    f.setPointSize(f.pointSize() - 1);
    Label6->setFont(f);
    Label6->adjustSize();
  }
  if (Label6->width() > room) Label6->resize(std::max(0, room), Label6->height());
  centre(Label6, MyLed1->y() - Label6->height() - 2);
  Label6->setToolTip(Label6->Elided() ? PlainToolTip(Label6->text()) : QString());
  centre(ColLed1, (hc - ColLed1->height()) / 2);
  centre(Label1, ColLed1->y() + ColLed1->height() + 2);
}

// The speech line on the left; the visible command buttons from the right edge inwards.
void TForm1::ArrangeBottomBar() {
  int x = Panel1->width() - 8;
  for (TBtn3d* b : {Button2, Button5, Button3, Button1, Button4}) {
    if (b->isHidden()) continue;
    x -= b->width();
    b->move(x, (Panel1->height() - b->height()) / 2);
    x -= 6;
  }
  Label2->setGeometry(10, 0, std::max(0, x - 10), Panel1->height());
}

// ---- table view ---------------------------------------------------------------------

void TForm1::SetButtonVisible(TButton button, bool visible) {
  ButtonOf(button)->setVisible(visible);
  // "Замесить" shows when a deal is over or a new game begins: the hand's frame goes with
  // the deal, so that Enter presses "Замесить" and the next deal's first arrow starts
  // afresh.
  if (button == durak::Button2 && visible && HandFocus) {
    HintMarked = false;
    HandFocus->Clear();
  }
  ArrangeBottomBar();
  Narrate();
}

void TForm1::SetSpeechText(const std::string& text) {
  // What happened before the words comes first.
  Narrate();
  const QString line = QString::fromStdString(text);
  const bool changed = line != Label2->text();
  Label2->setText(line);
  Label2->repaint();
  if (changed && !line.isEmpty()) AnnounceSpeech();
}

void TForm1::SetLed(TLed led, int value) {
  TKuvLed* l = led == durak::MyLed1 ? MyLed1 : led == durak::HerLed1 ? HerLed1 : ColLed1;
  l->SetNumber(value);
  UpdateAccessibleTexts();
  Narrate();
}

void TForm1::SetTrumpPicture(int suit) {
  TrumpSuit = suit;
  ShowTrumpPicture();
}

void TForm1::ShowTrumpPicture() {
  if (TrumpSuit == 0) return;
  static const char* const kNames[] = {"BS", "BS", "BC", "BD", "BH"};
  const QString name =
      QString::fromLatin1(kNames[TrumpSuit >= 1 && TrumpSuit <= 4 ? TrumpSuit : 0]);
  // The picture grows with the cards, drawn from its larger renditions.
  const QImage base = OwnPicture(name);
  const QSize size(ScaledCardSide(base.width(), CardScaleNow),
                   ScaledCardSide(base.height(), CardScaleNow));
  const QImage picture = OwnPictureAt(name, size, CardDpr);
  Image2->setPixmap(QPixmap::fromImage(picture));
  Image2->resize(size);
}

void TForm1::SetTrumpVisible(bool visible) {
  Image2->setVisible(visible);
  Image2->lower();
}

void TForm1::PlaceTrumpPicture(int left, int top) {
  Image2->move(left, top);
}
int TForm1::TrumpPictureWidth() const {
  return Image2->pixmap().isNull() ? 63 : Image2->width();
}
int TForm1::TrumpPictureHeight() const {
  return Image2->pixmap().isNull() ? 84 : Image2->height();
}

void TForm1::Wait(int milliseconds) {
  Narrate();
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}
void TForm1::ProcessMessages() {
  Narrate();
  QCoreApplication::processEvents();
}

void TForm1::CloseMainWindow() {
  close();
}

uint32_t TForm1::MillisOfDay() {
  return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

}  // namespace durak
