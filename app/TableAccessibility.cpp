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

void TMainWindow::SetUpAccessibility() {
  InstallGameAccessibility();
  for (TCardWidget* card : Cards) {
    TAccessibleParts parts;
    parts.Role = QAccessible::Graphic;
    parts.Text = [this, card](QAccessible::Text t) {
      return t == QAccessible::Name ? CardName(card) : CardDescription(card);
    };
    parts.State = [this, card](QAccessible::State& s) {
      const bool inHand = TablePlaying() ? TableWindow->PersonHolds(card->Tag())
                                         : InHand(Engine->PlayerHand, card->Tag());
      s.focusable = inHand;
      s.focused = HandFocus->Card() == card;
      // A card swept off the table is not there for the reader either.
      if (!card->geometry().intersects(TablePanel->rect())) s.invisible = true;
    };
    parts.Press = [this, card] {
      if (TablePlaying() ? TableWindow->PersonHolds(card->Tag())
                         : InHand(Engine->PlayerHand, card->Tag()))
        PlayCardFromKeyboard(card);
    };
    SetAccessibleParts(card, std::move(parts));
  }
  TAccessibleParts table;
  table.Role = QAccessible::Pane;
  table.Text = [this](QAccessible::Text t) {
    return t == QAccessible::Name ? Texts[kTableText] : TableDescription();
  };
  SetAccessibleParts(TablePanel, std::move(table));
}

void TMainWindow::ForgetAccessibility() {
  for (TCardWidget* card : Cards) ForgetAccessibleParts(card);
  ForgetAccessibleParts(TablePanel);
}

QString TMainWindow::CardName(const TCardWidget* card) const {
  if (Texts[kCardNameText].isEmpty() || Texts[kTrumpCardText].isEmpty()) return {};  // not loaded
  if (card->CardState() != 1) return Texts[kFaceDownText];
  const int rank = card->Rank(), suit = card->Suit();
  if (rank < 6 || rank > 14 || suit < 1 || suit > 4) return Texts[kFaceDownText];
  const QString name =
      Texts[kCardNameText].arg(Texts[RankNameText(rank)], Texts[SuitWordText(suit)]);
  const int trump = TablePlaying() ? TableWindow->TrumpSuit() : Engine->Trump;
  return suit == trump ? Texts[kTrumpCardText].arg(name) : name;
}

// Which row holds the attack: the one with the bout's first card, since a transfer moves
// the whole attack across. 0 the player's row, 1 the computer's, -1 an empty table.
int TMainWindow::AttackRow() const {
  if (Engine->TableCards.empty()) return -1;
  const int first = Engine->TableCards.front().Tag;
  for (const TCardInfo& k : Engine->PlayerRow) {
    if (k.Rank != 0 && k.Tag == first) return 0;
  }
  return 1;
}

QString TMainWindow::PairText(int slot) const {
  const int attack = AttackRow();
  if (attack < 0 || slot < 0 || slot > 5) return {};
  if (Texts[kOpenPairText].isEmpty() || Texts[kBeatenPairText].isEmpty()) return {};
  const TCardInfo& a = attack == 0 ? Engine->PlayerRow[slot] : Engine->CompRow[slot];
  const TCardInfo& d = attack == 0 ? Engine->CompRow[slot] : Engine->PlayerRow[slot];
  if (a.Rank == 0) return {};
  const QString attackName = CardName(Cards[a.Tag - 1]);
  if (d.Rank == 0) return Texts[kOpenPairText].arg(attackName);
  return Texts[kBeatenPairText].arg(attackName, LowerFirst(CardName(Cards[d.Tag - 1])));
}

QString TMainWindow::CardDescription(const TCardWidget* card) const {
  const int tag = card->Tag();
  if (TablePlaying())
    return TableWindow->PersonHolds(tag) && card->HotMouse() ? Texts[kPlayableText] : QString();
  if (InHand(Engine->PlayerHand, tag)) return card->HotMouse() ? Texts[kPlayableText] : QString();
  for (int i = 0; i < 6; ++i) {
    if ((Engine->PlayerRow[i].Rank != 0 && Engine->PlayerRow[i].Tag == tag) ||
        (Engine->CompRow[i].Rank != 0 && Engine->CompRow[i].Tag == tag)) {
      return PairText(i);
    }
  }
  return {};
}

QString TMainWindow::TableDescription() const {
  QStringList pairs;
  for (int i = 0; i < 6; ++i) {
    const QString pair = PairText(i);
    if (!pair.isEmpty()) pairs << pair;
  }
  return pairs.isEmpty() ? Texts[kEmptyTableText] : pairs.join(QStringLiteral("; "));
}

void TMainWindow::UpdateAccessibleTexts() {
  // Each change is told to a reader, so only a text that changed is set: this runs after
  // every move.
  auto name = [](QWidget* w, const QString& text) {
    if (w->accessibleName() != text) w->setAccessibleName(text);
  };
  auto description = [](QWidget* w, const QString& text) {
    if (w->accessibleDescription() != text) w->setAccessibleDescription(text);
  };
  name(PlayerScoreLed, Filled(Texts[kMyLedText], PlayerScoreLed->Number()));
  name(ComputerScoreLed, ComputerLedName());
  name(StockLed, Filled(Texts[kStockLedText], StockLed->Number()));
  description(SpeechLabel, Texts[kSpeechLineText]);
  const std::array<TRaisedButton*, 5> byCaption = {DealButton, DiscardButton, TakeButton,
                                                   ComputerTakesButton, DefendButton};
  for (int i = 0; i < 5; ++i) {
    const QChar key = byCaption[i]->KeyLetter();
    const QString& pattern = Texts[kButtonKeyText];
    description(byCaption[i], key.isNull() || pattern.isEmpty() ? QString() : pattern.arg(key));
  }
}

void TMainWindow::AnnounceSpeech() {
  // The label reports its new name itself; a reader speaks the words as the announcer's
  // notification, whatever has the focus.
  SendAccessibleEvent(SpeechLabel, QAccessible::Alert);
  if (Announcer) Announcer->Say(SpeechLabel->text());
}

void TMainWindow::CardFocusMoved(TCardWidget* card) {
  if (!card) return;
  SendAccessibleEvent(card, QAccessible::Focus);
}

}  // namespace durak
