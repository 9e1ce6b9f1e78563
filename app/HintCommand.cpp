// The hint: what the strong player would do in the player's seat now. It decides on the
// player's own view of the game (the hand, the table, the discard, the trump card and the
// computer's cards the player has seen) and plays nothing itself.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>

#include "Announcer.h"
#include "HandFocus.h"
#include "MainWindow.h"
#include "RaisedButton.h"
#include "StrongChooser.h"
#include "TableWindow.h"
#include "TextIds.h"

namespace durak {

namespace {

class TWindowSearchClock : public ISearchClock {
 public:
  void Restart() override { timer_.start(); }
  double ElapsedMs() override {
    return timer_.isValid() ? static_cast<double>(timer_.nsecsElapsed()) / 1e6 : 0.0;
  }

 private:
  QElapsedTimer timer_;
};

}  // namespace

std::unique_ptr<ISearchClock> MakeWindowSearchClock() {
  return std::make_unique<TWindowSearchClock>();
}

void TMainWindow::HintClick() {
  HintMenu = -1;
  if (TablePlaying()) {
    TableWindow->Hint();
    return;
  }
  if (Engine->Busy) return;
  // The same table always gets the same suggestion.
  const THint hint = StrongHint(*Engine, 1, TStrongParams(), SearchClock.get());
  if (!hint.Valid) {
    QApplication::beep();
    return;
  }
  // In a solved position the hint also says what exact play on both sides leads to.
  const QString solved = !hint.Solved     ? QString()
                         : hint.Value > 0 ? Texts[kSolvedWinText]
                         : hint.Value < 0 ? Texts[kSolvedLossText]
                                          : Texts[kSolvedDrawText];
  if (hint.IsClick) {
    HintMenu = hint.Menu;
    HandFocus->Show(Cards[hint.Tag - 1]);
    HintMarked = HandFocus->Card() != nullptr;
    // Said as a hint, not only as the card the mark moved to.
    QString card = CardName(Cards[hint.Tag - 1]);
    if (!card.isEmpty()) card[0] = card[0].toLower();
    if (!Texts[kHintPlayText].isEmpty()) Announcer->Say(Texts[kHintPlayText].arg(card));
    Announcer->Flush();
    if (!solved.isEmpty()) SpeechLabel->setText(solved);
    return;
  }
  HintMarked = false;
  HandFocus->Clear();
  TRaisedButton* button = ButtonOf(hint.Button);
  const QString format = Texts[kHintButtonText].contains(QStringLiteral("%1"))
                             ? Texts[kHintButtonText]
                             : QStringLiteral("%1");
  const QString text = format.arg(button->text());
  SpeechLabel->setText(solved.isEmpty() ? text : QStringLiteral("%1. %2").arg(text, solved));
  Announcer->Say(format.arg(button->text().remove(u'&')));
  Announcer->Flush();
}

void TMainWindow::ForgetHint() {
  HintMenu = -1;
  if (!HintMarked) return;
  HintMarked = false;
  // A card played from the keyboard leaves the frame to the keys, which pass it on along
  // the hand; otherwise the suggestion's mark goes with the move that followed it.
  if (!KeyboardPlay) HandFocus->Clear();
}

}  // namespace durak
