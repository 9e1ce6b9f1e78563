// The main window's widgets: made with the window's colours and laid out as the window's
// size changes.
#include "WindowParts.h"

#include <QLabel>

#include "LedDisplay.h"
#include "OwnPictures.h"
#include "PaintedPanel.h"
#include "PlainText.h"
#include "ProgramFonts.h"
#include "RaisedButton.h"
#include "Settings.h"
#include "TNameLabel.h"
#include "WinColor.h"

namespace durak {

namespace {
constexpr int kColumnWidth = 62;  // the right-hand column
// The player's name under the player's counter: its size, and the least it shrinks to.
constexpr int kNamePoints = 9, kNameLeastPoints = 8;
constexpr int kBarHeight = 45;          // the bottom bar
constexpr int32_t kFrameColor = 22668;  // the brown under the wood of the frame

TRaisedButton* MakeCommandButton(const char* caption, QWidget* bar) {
  auto* button = new TRaisedButton(QString::fromUtf8(caption), bar);
  button->SetFCol(QColor(255, 255, 128));
  button->SetBCol(Qt::black);
  button->SetRad(1);
  button->setFont(ProgramPixelFont(QStringLiteral("Times New Roman"), 19));
  button->resize(92, 31);
  button->setFocusPolicy(Qt::NoFocus);
  button->hide();
  return button;
}

}  // namespace

void TWindowParts::Create(QWidget* central, const TSettings& settings) {
  TablePanel = new TPaintedPanel(central);
  ScoreColumn = new TPaintedPanel(central);
  ButtonBar = new TPaintedPanel(central);
  TablePanel->SetRBright(settings.RBright);
  TablePanel->SetFColor(ColorFromWin(settings.FColor));
  TablePanel->SetSColor(ColorFromWin(settings.SColor));
  TablePanel->SetColor(ColorFromWin(settings.Color));
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
  ColourSpeech(settings.SpeechColour);

  DealButton = MakeCommandButton("Замесить", ButtonBar);
  DiscardButton = MakeCommandButton("Бито", ButtonBar);
  TakeButton = MakeCommandButton("Беру", ButtonBar);
  ComputerTakesButton = MakeCommandButton("Забирай", ButtonBar);
  DefendButton = MakeCommandButton("Бейся", ButtonBar);
  PassButton = MakeCommandButton("Пас", ButtonBar);
  PassButton->setObjectName(QStringLiteral("PassButton"));
}

void TWindowParts::ColourSpeech(int32_t winColour) const {
  SpeechLabel->setStyleSheet(
      QStringLiteral("color: %1; background: transparent;").arg(ColorFromWin(winColour).name()));
}

void TWindowParts::PlacePanels(int width, int height) const {
  ButtonBar->setGeometry(0, height - kBarHeight, width, kBarHeight);
  ScoreColumn->setGeometry(width - kColumnWidth, 0, kColumnWidth, height - kBarHeight);
  TablePanel->setGeometry(0, 0, width - kColumnWidth, height - kBarHeight);
}

// A panel cuts its tile to the size it has when the picture is set, so the picture is set
// again once the panel has its real size: a tile cut to a panel not yet laid out would
// repeat with seams.
void TWindowParts::DressFramePanels() const {
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

void TWindowParts::ArrangeColumn() const {
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

void TWindowParts::ArrangeBottomBar() const {
  int x = ButtonBar->width() - 8;
  for (TRaisedButton* b : ButtonsFromTheRight()) {
    if (b->isHidden()) continue;
    x -= b->width();
    b->move(x, (ButtonBar->height() - b->height()) / 2);
    x -= 6;
  }
  SpeechLabel->setGeometry(10, 0, std::max(0, x - 10), ButtonBar->height());
}

TRaisedButton* TWindowParts::ButtonOf(TButton button) const {
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

std::array<TRaisedButton*, 6> TWindowParts::ButtonsFromTheRight() const {
  return {DealButton, DefendButton, ComputerTakesButton, TakeButton, DiscardButton, PassButton};
}

std::array<TRaisedButton*, 5> TWindowParts::ButtonsByCaption() const {
  return {DealButton, DiscardButton, TakeButton, ComputerTakesButton, DefendButton};
}

TRaisedButton* TWindowParts::RightmostButton() const {
  for (TRaisedButton* b : ButtonsFromTheRight()) {
    if (!b->isHidden()) return b;
  }
  return nullptr;
}

}  // namespace durak
