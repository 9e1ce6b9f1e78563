// The hint: what the strong player would do in the player's seat now. It decides on the
// player's own view of the game (the hand, the table, the discard, the trump card and the
// computer's cards the player has seen) and plays nothing itself.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>

#include "Announcer.h"
#include "HandFocus.h"
#include "KeyboardAccess.h"
#include "MainWindow.h"
#include "MenuCommands.h"
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

void TMenuCommands::HintClick() {
  TKeyboardAccess& keys = window_.Keys();
  keys.SetHintMenu(-1);
  if (window_.TablePlaying()) {
    window_.TableWindow()->Hint();
    return;
  }
  if (Game().Busy) return;
  // The same table always gets the same suggestion.
  const THint hint = StrongHint(Game(), 1, TStrongParams(), window_.SearchClock());
  if (!hint.Valid) {
    QApplication::beep();
    return;
  }
  // In a solved position the hint also says what exact play on both sides leads to.
  const QString solved = !hint.Solved     ? QString()
                         : hint.Value > 0 ? Texts()[kSolvedWinText]
                         : hint.Value < 0 ? Texts()[kSolvedLossText]
                                          : Texts()[kSolvedDrawText];
  if (hint.IsClick) {
    keys.SetHintMenu(hint.Menu);
    keys.HandFocus()->Show(Parts().Cards[hint.Tag - 1]);
    keys.SetHintMarked(keys.HandFocus()->Card() != nullptr);
    // Said as a hint, not only as the card the mark moved to.
    QString card = keys.CardName(Parts().Cards[hint.Tag - 1]);
    if (!card.isEmpty()) card[0] = card[0].toLower();
    if (!Texts()[kHintPlayText].isEmpty()) keys.Announcer()->Say(Texts()[kHintPlayText].arg(card));
    keys.Announcer()->Flush();
    if (!solved.isEmpty()) Parts().SpeechLabel->setText(solved);
    return;
  }
  keys.ClearMark();
  TRaisedButton* button = Parts().ButtonOf(hint.Button);
  const QString format = Texts()[kHintButtonText].contains(QStringLiteral("%1"))
                             ? Texts()[kHintButtonText]
                             : QStringLiteral("%1");
  const QString text = format.arg(button->text());
  Parts().SpeechLabel->setText(solved.isEmpty() ? text
                                                : QStringLiteral("%1. %2").arg(text, solved));
  keys.Announcer()->Say(format.arg(button->text().remove(u'&')));
  keys.Announcer()->Flush();
}

}  // namespace durak
