// What a screen reader hears, asked through Qt's accessibility interface: the cards by
// name, the command buttons with their keys, the counters with their numbers, the pairs on
// the table, and the speech line announced when it changes, in both languages.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include "Accessibility.h"
#include "HandFocus.h"
#include "ModalDriver.h"
#include "TBtn3d.h"
#include "TForm1.h"
#include "THotCard.h"
#include "TKuvLed.h"
#include "TKuvPanel.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

QString Name(QObject* o) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
  return a ? a->text(QAccessible::Name) : QStringLiteral("<no interface>");
}
QString Description(QObject* o) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
  return a ? a->text(QAccessible::Description) : QStringLiteral("<no interface>");
}

// Every event the game sent a reader, as (object, type, the object's name then).
std::vector<std::tuple<QObject*, QAccessible::Event, QString>> gEvents;
void RecordEvent(QObject* object, QAccessible::Event type) {
  gEvents.emplace_back(object, type, Name(object));
}

class AccessibleNamesTest : public TWindowTest {
 protected:
  void SetUp() override {
    TWindowTest::SetUp();
    gEvents.clear();
  }
  // The card with that rank and suit.
  static THotCard* CardOf(TForm1& form, int rank, int suit) {
    return form.Cards[(rank - 6) * 4 + suit - 1];
  }
};

TEST_F(AccessibleNamesTest, CardsButtonsAndCountersInBothLanguages) {
  TForm1& form = StartFastWindow();
  TGame& g = form.Game();
  QTest::mouseClick(form.Button2, Qt::LeftButton);
  ASSERT_EQ(g.Deck.size(), 24u);
  const int trump = g.Trump;
  const int other = trump % 4 + 1;
  // Queen of clubs, the queen of another suit: whatever their place, their names.
  THotCard* queenOfTrumps = CardOf(form, 12, trump);
  THotCard* plainQueen = CardOf(form, 12, other);
  const char* ruSuits[] = {"", "пик", "треф", "бубён", "червей"};
  const char* enSuits[] = {"", "spades", "clubs", "diamonds", "hearts"};

  struct {
    int language;
    QString queen, trumpQueen, faceDown, stock, deal, dealKey;
  } cases[] = {
      {1, QStringLiteral("Дама %1").arg(QString::fromUtf8(ruSuits[other])),
       QStringLiteral("Дама %1, козырь").arg(QString::fromUtf8(ruSuits[trump])),
       QStringLiteral("Карта рубашкой вверх"), QStringLiteral("В колоде: 24"),
       QStringLiteral("Замесить"), QStringLiteral("Клавиша З")},
      {2, QStringLiteral("Queen of %1").arg(QLatin1String(enSuits[other])),
       QStringLiteral("Queen of %1, trump").arg(QLatin1String(enSuits[trump])),
       QStringLiteral("Card, face down"), QStringLiteral("In the stock: 24"),
       QStringLiteral("Deal"), QStringLiteral("Key D")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    form.L2Click(c.language);
    // Put both queens face up where the test can see them, then read their names.
    for (THotCard* q : {queenOfTrumps, plainQueen}) q->SetCardState(1);
    EXPECT_EQ(Name(plainQueen), c.queen);
    EXPECT_EQ(Name(queenOfTrumps), c.trumpQueen);
    // A face-down card of the computer's hand gives nothing away.
    THotCard* hidden = form.Cards[g.CompHand.front().Tag - 1];
    hidden->SetCardState(0);
    EXPECT_EQ(Name(hidden), c.faceDown);
    // The trump under the stock says it is a trump.
    const QString trumpWord =
        c.language == 1 ? QStringLiteral(", козырь") : QStringLiteral(", trump");
    EXPECT_TRUE(Name(form.Cards[g.Deck.front().Tag - 1]).endsWith(trumpWord));
    EXPECT_EQ(Name(form.ColLed1), c.stock);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.ColLed1)->role(), QAccessible::StaticText);
    // The computer's counter also names its card count.
    EXPECT_TRUE(Name(form.HerLed1).startsWith(form.Texts.At(261).arg(0) + QStringLiteral(". ")))
        << Name(form.HerLed1).toStdString();
    EXPECT_EQ(Name(form.MyLed1), form.Texts.At(262).arg(0));
    EXPECT_EQ(Name(form.Button2), c.deal);
    EXPECT_EQ(Description(form.Button2), c.dealKey);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Button2)->role(), QAccessible::Button);
  }
  // The cards of the hand are buttons that can be pressed; a stock card is only a picture.
  QAccessibleInterface* handCard =
      QAccessible::queryAccessibleInterface(form.Cards[g.PlayerHand.front().Tag - 1]);
  EXPECT_EQ(handCard->role(), QAccessible::Graphic);
  EXPECT_TRUE(handCard->state().focusable);
  QAccessibleInterface* stockCard =
      QAccessible::queryAccessibleInterface(form.Cards[g.Deck.back().Tag - 1]);
  EXPECT_FALSE(stockCard->state().focusable);
}

TEST_F(AccessibleNamesTest, PairsOnTheTableReadAsAttackBeatenBy) {
  TForm1& form = StartFastWindow();
  TGame& g = form.Game();
  form.L2Click(1);
  EXPECT_EQ(Description(form.Panel3), QStringLiteral("Стол пуст"));
  EXPECT_EQ(Name(form.Panel3), QStringLiteral("Стол"));
  form.L2Click(2);
  EXPECT_EQ(Description(form.Panel3), QStringLiteral("The table is empty"));
  QTest::mouseClick(form.Button2, Qt::LeftButton);
  // Play on until a pair is beaten or an attack stands open.
  form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
  for (int step = 0; step < 50 && g.TableCards.empty(); ++step) {
    for (const TKart& k : TKarts(g.PlayerHand)) {
      QTest::mouseClick(form.Cards[k.Tag - 1], Qt::LeftButton);
      if (!g.TableCards.empty()) break;
    }
    if (g.TableCards.empty() && form.RightmostButton())
      QTest::mouseClick(form.RightmostButton(), Qt::LeftButton);
  }
  ASSERT_FALSE(g.TableCards.empty());
  // Pair 0 in both languages, checked against the cards that lie there.
  const TKart attack = g.TableCards.front();
  const bool playerAttacks = g.PlayerRow[0].Rank != 0 && g.PlayerRow[0].Tag == attack.Tag;
  const TKart defence = playerAttacks ? g.CompRow[0] : g.PlayerRow[0];
  for (int language : {1, 2}) {
    form.L2Click(language);
    const QString a = form.CardName(form.Cards[attack.Tag - 1]);
    QString expected;
    if (defence.Rank == 0) {
      expected =
          language == 1 ? a + QStringLiteral(", не побита") : a + QStringLiteral(", not beaten");
    } else {
      QString d = form.CardName(form.Cards[defence.Tag - 1]);
      d[0] = d[0].toLower();
      expected =
          a + (language == 1 ? QStringLiteral(", побита: ") : QStringLiteral(", beaten by ")) + d;
    }
    EXPECT_EQ(form.PairText(0), expected);
    EXPECT_TRUE(Description(form.Panel3).startsWith(expected))
        << Description(form.Panel3).toStdString();
    EXPECT_EQ(Description(form.Cards[attack.Tag - 1]), expected);
  }
}

TEST_F(AccessibleNamesTest, TheSpeechLineIsAnnouncedAndTheMarkedCardTakesTheFocus) {
  TForm1& form = StartFastWindow();
  WatchAccessibleEvents(RecordEvent);
  form.L2Click(2);
  gEvents.clear();
  QTest::keyClick(form.windowHandle(), Qt::Key_Return);  // deal: a speech follows
  auto seen = [&](QObject* o, QAccessible::Event type) {
    return std::count_if(gEvents.begin(), gEvents.end(), [&](const auto& e) {
      return std::get<0>(e) == o && std::get<1>(e) == type;
    });
  };
  // The deal's speech is announced, by the words it shows.
  ASSERT_GE(seen(form.Label2, QAccessible::Alert), 1);
  EXPECT_FALSE(form.Label2->text().isEmpty());
  // (The mark's card may be named after it, when the computer leads.)
  const auto lastAlert = std::find_if(gEvents.rbegin(), gEvents.rend(), [&](const auto& e) {
    return std::get<0>(e) == form.Label2 && std::get<1>(e) == QAccessible::Alert;
  });
  EXPECT_EQ(std::get<2>(*lastAlert), form.Label2->text());
  EXPECT_EQ(Name(form.Label2), form.Label2->text());
  EXPECT_EQ(Description(form.Label2), QStringLiteral("The computer says"));
  // The same words again are not announced twice; a cleared line is not announced.
  const auto alerts = seen(form.Label2, QAccessible::Alert);
  form.SetSpeechText(form.Label2->text().toStdString());
  form.SetSpeechText("");
  EXPECT_EQ(seen(form.Label2, QAccessible::Alert), alerts);

  gEvents.clear();
  QTest::keyClick(form.windowHandle(), Qt::Key_Right);
  THotCard* marked = form.HandFocus->Card();
  ASSERT_NE(marked, nullptr);
  EXPECT_TRUE(seen(marked, QAccessible::Focus));
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(marked)->state().focused);
  // Escape takes the mark away: no card is focused any more.
  QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(marked)->state().focused);
  WatchAccessibleEvents(nullptr);
}

}  // namespace
}  // namespace durak::testing
