// What a player who plays by ear is told without moving the focus: the computer's cards
// as it leads, beats, throws in or transfers, a take or a discard, the cards drawn, the
// buttons that come up and the deal's end, said by a notification a reader speaks; F5 and
// F6 read the table and the state; the hint is said as a hint; and the keyboard's mark
// waits on the hand when a bout begins.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <algorithm>

#include "Accessibility.h"
#include "Announcer.h"
#include "CardWidget.h"
#include "HandFocus.h"
#include "LedDisplay.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "RaisedButton.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

// Every line the announcer made a reader speak: the notification's name as it was shown.
QStringList gSaid;
void RecordSaid(QObject* object, QAccessible::Event type) {
  if (type != QAccessible::ObjectShow || !dynamic_cast<TAnnouncer*>(object)) return;
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
  gSaid << (a ? a->text(QAccessible::Name) : QString());
}

QString Lower(QString s) {
  if (!s.isEmpty()) s[0] = s[0].toLower();
  return s;
}

class PlayAnnouncementsTest : public TWindowTest {
 protected:
  void SetUp() override {
    TWindowTest::SetUp();
    gSaid.clear();
    WatchAccessibleEvents(RecordSaid);
  }
  void TearDown() override {
    WatchAccessibleEvents(nullptr);
    TWindowTest::TearDown();
  }
  static void Key(TMainWindow& form, Qt::Key key) { QTest::keyClick(form.windowHandle(), key); }
  // All said so far, once the queued lines are out.
  static QString Said(TMainWindow& form) {
    form.Keys().Announcer()->Flush();
    return gSaid.join(u'\n');
  }
  static QString Name(TMainWindow& form, int tag) {
    return Lower(form.Keys().CardName(form.Parts().Cards[tag - 1]));
  }
  // Plays by mouse: the first card that acts, else the rightmost button.
  static void PlayOneStep(TMainWindow& form) {
    TGame& g = form.Game();
    const size_t before = g.PlayerHand.size() + g.TableCards.size() * 7;
    for (const TCardInfo& k : TCardList(g.PlayerHand)) {
      QTest::mouseClick(form.Parts().Cards[k.Tag - 1], Qt::LeftButton);
      if (g.PlayerHand.size() + g.TableCards.size() * 7 != before) return;
    }
    if (TRaisedButton* b = form.Parts().RightmostButton()) QTest::mouseClick(b, Qt::LeftButton);
  }
  // The same from the keyboard: each card of the hand in turn framed and played with Enter,
  // and failing all, Enter with no frame for the button shown.
  static void PlayOneStepByKeys(TMainWindow& form) {
    TGame& g = form.Game();
    const size_t before = g.PlayerHand.size() + g.TableCards.size() * 7;
    for (size_t i = 0; i < g.PlayerHand.size(); ++i) {
      Key(form, Qt::Key_Home);
      for (size_t r = 0; r < i; ++r) Key(form, Qt::Key_Right);
      Key(form, Qt::Key_Return);
      if (g.PlayerHand.size() + g.TableCards.size() * 7 != before) return;
    }
    Key(form, Qt::Key_Escape);
    Key(form, Qt::Key_Return);
  }
};

TEST_F(PlayAnnouncementsTest, TheDealIsToldCardByCardInBothLanguages) {
  for (int language : {2, 1}) {
    SCOPED_TRACE(language);
    TMainWindow& form = StartFastWindow();
    form.LanguageChosen(language);
    form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
    TGame& g = form.Game();
    gSaid.clear();
    Key(form, Qt::Key_Return);  // "Замесить"
    ASSERT_EQ(g.PlayerHand.size(), 6u);
    QString said = Said(form);
    // The player's six cards by name, the computer's by count, the trump under the stock.
    QStringList mine;
    for (const TCardInfo& k : g.PlayerHand) mine << Name(form, k.Tag);
    const bool en = language == 2;
    for (const QString& card : mine) EXPECT_TRUE(said.contains(card)) << card.toStdString();
    EXPECT_TRUE(said.contains(en ? QStringLiteral("Cards the computer draws: 6")
                                 : QStringLiteral("Компьютер берёт из колоды карт: 6")))
        << said.toStdString();
    EXPECT_TRUE(said.contains((en ? QStringLiteral("The trump under the stock: ")
                                  : QStringLiteral("Козырь под колодой: ")) +
                              Name(form, g.Deck.front().Tag)))
        << said.toStdString();
    // The computer's hand never leaks: no card of it is named.
    for (const TCardInfo& k : g.CompHand) {
      if (k.Tag != g.Deck.front().Tag && !said.contains(QStringLiteral("козырь"))) {
        EXPECT_FALSE(said.contains(Name(form, k.Tag) + u',') || said.endsWith(Name(form, k.Tag)))
            << Name(form, k.Tag).toStdString();
      }
    }

    // Play the deal out; every card the computer puts down is named with what it did.
    const QString beats = en ? QStringLiteral("Computer beats the %1 with the %2")
                             : QStringLiteral("Компьютер бьёт: %1 — картой %2");
    int compCardsNamed = 0, compCardsDown = 0;
    for (int step = 0; step < 300 && g.DealResult == drGoesOn; ++step) {
      gSaid.clear();
      std::array<int, 6> compRowBefore{};
      for (int i = 0; i < 6; ++i) compRowBefore[i] = g.CompRow[i].Rank ? g.CompRow[i].Tag : 0;
      PlayOneStep(form);
      said = Said(form);
      // A defence the computer made in this step: "beats <attack> with <card>".
      for (int i = 0; i < 6; ++i) {
        const int tag = g.CompRow[i].Rank ? g.CompRow[i].Tag : 0;
        if (tag == 0 || tag == compRowBefore[i]) continue;
        ++compCardsDown;
        if (said.contains(Name(form, tag))) ++compCardsNamed;
        if (g.PlayerRow[i].Rank != 0 && g.TableCards.front().Tag == g.PlayerRow[0].Tag) {
          EXPECT_TRUE(said.contains(beats.arg(Name(form, g.PlayerRow[i].Tag), Name(form, tag))))
              << said.toStdString();
        }
      }
    }
    ASSERT_NE(g.DealResult, drGoesOn);
    EXPECT_GT(compCardsDown, 0);
    EXPECT_EQ(compCardsNamed, compCardsDown);
    // The end of the deal with the score, and the button that deals again.
    said = Said(form);
    const QString result =
        g.DealResult == drPlayerWon
            ? (en ? QStringLiteral("You won the deal") : QStringLiteral("Вы выиграли кон"))
        : g.DealResult == drComputerWon ? (en ? QStringLiteral("The computer won the deal")
                                              : QStringLiteral("Компьютер выиграл кон"))
                                        : (en ? QStringLiteral("The deal ended in a draw")
                                              : QStringLiteral("Кон окончен вничью"));
    EXPECT_TRUE(said.contains(result)) << said.toStdString();
    EXPECT_TRUE(said.contains((en ? QStringLiteral("Score: you %1, computer %2")
                                  : QStringLiteral("Счёт: вы %1, компьютер %2"))
                                  .arg(g.PlayerScore)
                                  .arg(g.ComputerScore)))
        << said.toStdString();
    EXPECT_TRUE(said.contains(form.Parts().DealButton->text().remove(u'&'))) << said.toStdString();
  }
}

TEST_F(PlayAnnouncementsTest, TakesDiscardsAndDrawsAreTold) {
  TMainWindow& form = StartFastWindow();
  form.LanguageChosen(2);
  form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
  TGame& g = form.Game();
  Key(form, Qt::Key_Return);
  bool sawSweep = false, sawComputerDraw = false;
  for (int step = 0; step < 300 && g.DealResult == drGoesOn; ++step) {
    gSaid.clear();
    const bool tableBefore = !g.TableCards.empty();
    const size_t stock = g.Deck.size();
    const size_t compHand = g.CompHand.size();
    PlayOneStep(form);
    const QString said = Said(form);
    if (tableBefore && g.TableCards.empty() && g.DealResult == drGoesOn) {
      sawSweep = true;
      EXPECT_TRUE(said.contains(QStringLiteral("You take the cards")) ||
                  said.contains(QStringLiteral("Computer takes the cards")) ||
                  said.contains(QStringLiteral("Done: the cards are discarded")))
          << said.toStdString();
    }
    if (g.Deck.size() < stock && g.CompHand.size() > compHand && g.TableCards.empty()) {
      sawComputerDraw =
          said.contains(QStringLiteral("Cards the computer draws: ")) || sawComputerDraw;
    }
  }
  EXPECT_TRUE(sawSweep);
  EXPECT_TRUE(sawComputerDraw);
}

TEST_F(PlayAnnouncementsTest, TheAnnouncerIsANotificationAReaderIsShown) {
  TMainWindow& form = StartFastWindow();
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(form.Keys().Announcer());
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::Notification);
  // Lines said together go out as one, each a sentence; nothing is said twice.
  gSaid.clear();
  form.Keys().Announcer()->Flush();  // the new game's words
  gSaid.clear();
  form.Keys().Announcer()->Say(QStringLiteral("One"));
  form.Keys().Announcer()->Say(QStringLiteral("Two."));
  form.Keys().Announcer()->Say(QStringLiteral("  "));
  EXPECT_TRUE(gSaid.isEmpty());  // not before the window takes events
  QTest::qWait(300);
  EXPECT_EQ(gSaid.join(u'|').toStdString(), "One. Two.");
  EXPECT_EQ(a->text(QAccessible::Name).toStdString(), "One. Two.");
  form.Keys().Announcer()->Flush();
  EXPECT_EQ(gSaid.size(), 1);
}

TEST_F(PlayAnnouncementsTest, F5ReadsTheTableAndF6TheStateWithTheComputersCardCount) {
  TMainWindow& form = StartFastWindow();
  TGame& g = form.Game();
  form.LanguageChosen(2);
  // Deal until the player leads: the computer holds six cards and the table is empty.
  Key(form, Qt::Key_Return);
  for (int i = 0; i < 20 && g.PlayMode != pmLead; ++i) {
    g.NewGame();
    Key(form, Qt::Key_Return);
  }
  ASSERT_EQ(g.PlayMode, pmLead);
  gSaid.clear();
  Said(form);
  gSaid.clear();
  Key(form, Qt::Key_F6);
  const QString state = Said(form);
  const QString trump = Name(form, g.Deck.front().Tag);
  EXPECT_EQ(state.toStdString(),
            QStringLiteral("Cards in the computer's hand: 6. In the stock: 24. The trump "
                           "under the stock: %1. Your score: 0. Computer's score: 0.")
                .arg(trump)
                .toStdString());
  EXPECT_TRUE(trump.endsWith(QStringLiteral(", trump")));
  // The computer's counter names its card count too.
  auto name = [](QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name).toStdString();
  };
  EXPECT_EQ(name(form.Parts().ComputerScoreLed),
            "Computer's score: 0. Cards in the computer's hand: 6");
  EXPECT_EQ(name(form.Parts().PlayerScoreLed), "Your score: 0");
  form.LanguageChosen(1);
  EXPECT_EQ(name(form.Parts().ComputerScoreLed), "Очки компьютера: 0. Карт у компьютера: 6");
  EXPECT_EQ(name(form.Parts().PlayerScoreLed), "Ваши очки: 0");

  // The table: an empty one, then a pair.
  Said(form);  // what the deal said
  gSaid.clear();
  Key(form, Qt::Key_F5);
  EXPECT_EQ(Said(form).toStdString(), "Стол пуст.");
  form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
  for (int step = 0; step < 50 && g.TableCards.empty(); ++step) PlayOneStep(form);
  ASSERT_FALSE(g.TableCards.empty());
  Said(form);
  gSaid.clear();
  Key(form, Qt::Key_F5);
  EXPECT_EQ(Said(form).toStdString(), (form.Keys().TableDescription() + u'.').toStdString());
  EXPECT_TRUE(form.Keys().TableDescription().contains(form.Keys().PairText(0)));
}

TEST_F(PlayAnnouncementsTest, TheMarkWaitsOnTheHandWhenABoutBeginsAndTheHintIsSaid) {
  TMainWindow& form = StartFastWindow();
  TGame& g = form.Game();
  form.LanguageChosen(2);
  Key(form, Qt::Key_Return);
  QTest::qWait(20);  // the move played out
  // At the deal's start the mark is on the hand's first card, named to the reader.
  std::vector<TCardWidget*> hand = form.Keys().HandCards();
  std::sort(hand.begin(), hand.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
  ASSERT_FALSE(hand.empty());
  EXPECT_EQ(form.Keys().HandFocus()->Card(), hand.front());
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(hand.front())->state().focused);
  Key(form, Qt::Key_Right);  // the arrows act at once
  EXPECT_EQ(form.Keys().HandFocus()->Card(), hand[1]);

  // The hint is said as a hint: a card to play or a button to press.
  Said(form);  // what the deal said
  gSaid.clear();
  Key(form, Qt::Key_Escape);
  form.Menus().HintClick();
  const QString hint = Said(form);
  if (TCardWidget* card = form.Keys().HandFocus()->Card()) {
    EXPECT_EQ(
        hint.toStdString(),
        QStringLiteral("Hint: play the %1.").arg(Lower(form.Keys().CardName(card))).toStdString());
  } else {
    EXPECT_TRUE(hint.startsWith(QStringLiteral("Hint: "))) << hint.toStdString();
  }

  // After a bout the mark is back on the hand.
  form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
  bool boutEnded = false;
  for (int step = 0; step < 200 && g.DealResult == drGoesOn && !boutEnded; ++step) {
    const bool tableBefore = !g.TableCards.empty();
    PlayOneStepByKeys(form);
    boutEnded = tableBefore && g.TableCards.empty() && g.DealResult == drGoesOn;
  }
  if (boutEnded && !g.PlayerHand.empty()) {
    EXPECT_NE(form.Keys().HandFocus()->Card(), nullptr);
  }
  EXPECT_TRUE(boutEnded || g.DealResult != drGoesOn);
}

}  // namespace
}  // namespace durak::testing
