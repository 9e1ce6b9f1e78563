// The table as a screen reader hears it, in the current language: each card by its name
// ("Дама треф, козырь"), a face-down card without giving it away, the pairs on the table
// ("attack, beaten by"), the counters with their numbers, and the computer's speech line,
// which is announced whenever it changes.
#include <QAccessible>
#include <QLabel>

#include "Accessibility.h"
#include "Announcer.h"
#include "CardWidget.h"
#include "HandFocus.h"
#include "KeyboardAccess.h"
#include "LedDisplay.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "RaisedButton.h"
#include "TableWindow.h"
#include "TextIds.h"

namespace durak {

namespace {

QString LowerFirst(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toLower();
  return text;
}

// The text with its place filled in; nothing before the language is loaded.
QString Filled(const QString& pattern, int number) {
  return pattern.isEmpty() ? QString() : pattern.arg(number);
}

bool InHand(const TCardList& hand, int tag) {
  for (const TCardInfo& k : hand) {
    if (k.Tag == tag) return true;
  }
  return false;
}

}  // namespace

void TKeyboardAccess::SetUpAccessibility() {
  InstallGameAccessibility();
  for (TCardWidget* card : Parts().Cards) {
    TAccessibleParts parts;
    parts.Role = QAccessible::Graphic;
    parts.Text = [this, card](QAccessible::Text t) {
      return t == QAccessible::Name ? CardName(card) : CardDescription(card);
    };
    parts.State = [this, card](QAccessible::State& s) {
      const bool inHand = TablePlaying() ? TableWindow()->PersonHolds(card->Tag())
                                         : InHand(Game().PlayerHand, card->Tag());
      s.focusable = inHand;
      s.focused = handFocus_->Card() == card;
      // A card swept off the table is not there for the reader either.
      if (!card->geometry().intersects(Parts().TablePanel->rect())) s.invisible = true;
    };
    parts.Press = [this, card] {
      if (TablePlaying() ? TableWindow()->PersonHolds(card->Tag())
                         : InHand(Game().PlayerHand, card->Tag()))
        PlayCardFromKeyboard(card);
    };
    SetAccessibleParts(card, std::move(parts));
  }
  TAccessibleParts table;
  table.Role = QAccessible::Pane;
  table.Text = [this](QAccessible::Text t) {
    return t == QAccessible::Name ? Texts()[kTableText] : TableDescription();
  };
  SetAccessibleParts(Parts().TablePanel, std::move(table));
}

void TKeyboardAccess::ForgetAccessibility() {
  for (TCardWidget* card : Parts().Cards) ForgetAccessibleParts(card);
  ForgetAccessibleParts(Parts().TablePanel);
}

QString TKeyboardAccess::CardName(const TCardWidget* card) const {
  if (Texts()[kCardNameText].isEmpty() || Texts()[kTrumpCardText].isEmpty())
    return {};  // not loaded
  if (card->CardState() != 1) return Texts()[kFaceDownText];
  const int rank = card->Rank(), suit = card->Suit();
  if (rank < 6 || rank > 14 || suit < 1 || suit > 4) return Texts()[kFaceDownText];
  const QString name =
      Texts()[kCardNameText].arg(Texts()[RankNameText(rank)], Texts()[SuitWordText(suit)]);
  const int trump = TablePlaying() ? TableWindow()->TrumpSuit() : Game().Trump;
  return suit == trump ? Texts()[kTrumpCardText].arg(name) : name;
}

// Which row holds the attack: the one with the bout's first card, since a transfer moves
// the whole attack across. 0 the player's row, 1 the computer's, -1 an empty table.
int TKeyboardAccess::AttackRow() const {
  if (Game().TableCards.empty()) return -1;
  const int first = Game().TableCards.front().Tag;
  for (const TCardInfo& k : Game().PlayerRow) {
    if (k.Rank != 0 && k.Tag == first) return 0;
  }
  return 1;
}

QString TKeyboardAccess::PairText(int slot) const {
  const int attack = AttackRow();
  if (attack < 0 || slot < 0 || slot > 5) return {};
  if (Texts()[kOpenPairText].isEmpty() || Texts()[kBeatenPairText].isEmpty()) return {};
  const TCardInfo& a = attack == 0 ? Game().PlayerRow[slot] : Game().CompRow[slot];
  const TCardInfo& d = attack == 0 ? Game().CompRow[slot] : Game().PlayerRow[slot];
  if (a.Rank == 0) return {};
  const QString attackName = CardName(Parts().Cards[a.Tag - 1]);
  if (d.Rank == 0) return Texts()[kOpenPairText].arg(attackName);
  return Texts()[kBeatenPairText].arg(attackName, LowerFirst(CardName(Parts().Cards[d.Tag - 1])));
}

QString TKeyboardAccess::CardDescription(const TCardWidget* card) const {
  const int tag = card->Tag();
  if (TablePlaying())
    return TableWindow()->PersonHolds(tag) && card->HotMouse() ? Texts()[kPlayableText] : QString();
  if (InHand(Game().PlayerHand, tag)) return card->HotMouse() ? Texts()[kPlayableText] : QString();
  for (int i = 0; i < 6; ++i) {
    if ((Game().PlayerRow[i].Rank != 0 && Game().PlayerRow[i].Tag == tag) ||
        (Game().CompRow[i].Rank != 0 && Game().CompRow[i].Tag == tag)) {
      return PairText(i);
    }
  }
  return {};
}

QString TKeyboardAccess::TableDescription() const {
  QStringList pairs;
  for (int i = 0; i < 6; ++i) {
    const QString pair = PairText(i);
    if (!pair.isEmpty()) pairs << pair;
  }
  return pairs.isEmpty() ? Texts()[kEmptyTableText] : pairs.join(QStringLiteral("; "));
}

void TKeyboardAccess::UpdateAccessibleTexts() {
  // Each change is told to a reader, so only a text that changed is set: this runs after
  // every move.
  auto name = [](QWidget* w, const QString& text) {
    if (w->accessibleName() != text) w->setAccessibleName(text);
  };
  auto description = [](QWidget* w, const QString& text) {
    if (w->accessibleDescription() != text) w->setAccessibleDescription(text);
  };
  name(Parts().PlayerScoreLed, Filled(Texts()[kMyLedText], Parts().PlayerScoreLed->Number()));
  name(Parts().ComputerScoreLed, ComputerLedName());
  name(Parts().StockLed, Filled(Texts()[kStockLedText], Parts().StockLed->Number()));
  description(Parts().SpeechLabel, Texts()[kSpeechLineText]);
  const std::array<TRaisedButton*, 5> byCaption = Parts().ButtonsByCaption();
  for (int i = 0; i < 5; ++i) {
    const QChar key = byCaption[i]->KeyLetter();
    const QString& pattern = Texts()[kButtonKeyText];
    description(byCaption[i], key.isNull() || pattern.isEmpty() ? QString() : pattern.arg(key));
  }
}

void TKeyboardAccess::AnnounceSpeech() {
  // The label reports its new name itself; a reader speaks the words as the announcer's
  // notification, whatever has the focus.
  SendAccessibleEvent(Parts().SpeechLabel, QAccessible::Alert);
  if (announcer_) announcer_->Say(Parts().SpeechLabel->text());
}

void TKeyboardAccess::CardFocusMoved(TCardWidget* card) {
  if (!card) return;
  SendAccessibleEvent(card, QAccessible::Focus);
}

}  // namespace durak
