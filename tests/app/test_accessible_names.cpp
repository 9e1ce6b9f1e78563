// What a screen reader hears, asked through Qt's accessibility interface: the cards by
// name, the command buttons with their keys, the counters with their numbers, the pairs on
// the table, and the speech line announced when it changes, in both languages.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include "Accessibility.h"
#include "CardWidget.h"
#include "HandFocus.h"
#include "LedDisplay.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "PaintedPanel.h"
#include "RaisedButton.h"
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
  static TCardWidget* CardOf(TMainWindow& form, int rank, int suit) {
    return form.Parts().Cards[(rank - 6) * 4 + suit - 1];
  }
};

TEST_F(AccessibleNamesTest, CardsButtonsAndCountersInBothLanguages) {
  TMainWindow& form = StartFastWindow();
  TGame& g = form.Game();
  QTest::mouseClick(form.Parts().DealButton, Qt::LeftButton);
  ASSERT_EQ(g.Deck.size(), 24u);
  const int trump = g.Trump;
  const int other = trump % 4 + 1;
  // Queen of clubs, the queen of another suit: whatever their place, their names.
  TCardWidget* queenOfTrumps = CardOf(form, 12, trump);
  TCardWidget* plainQueen = CardOf(form, 12, other);
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
    form.LanguageChosen(c.language);
    // Put both queens face up where the test can see them, then read their names.
    for (TCardWidget* q : {queenOfTrumps, plainQueen}) q->SetCardState(1);
    EXPECT_EQ(Name(plainQueen), c.queen);
    EXPECT_EQ(Name(queenOfTrumps), c.trumpQueen);
    // A face-down card of the computer's hand gives nothing away.
    TCardWidget* hidden = form.Parts().Cards[g.CompHand.front().Tag - 1];
    hidden->SetCardState(0);
    EXPECT_EQ(Name(hidden), c.faceDown);
    // The trump under the stock says it is a trump.
    const QString trumpWord =
        c.language == 1 ? QStringLiteral(", козырь") : QStringLiteral(", trump");
    EXPECT_TRUE(Name(form.Parts().Cards[g.Deck.front().Tag - 1]).endsWith(trumpWord));
    EXPECT_EQ(Name(form.Parts().StockLed), c.stock);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Parts().StockLed)->role(),
              QAccessible::StaticText);
    // The computer's counter also names its card count.
    EXPECT_TRUE(Name(form.Parts().ComputerScoreLed)
                    .startsWith(form.Texts().At(261).arg(0) + QStringLiteral(". ")))
        << Name(form.Parts().ComputerScoreLed).toStdString();
    EXPECT_EQ(Name(form.Parts().PlayerScoreLed), form.Texts().At(262).arg(0));
    EXPECT_EQ(Name(form.Parts().DealButton), c.deal);
    EXPECT_EQ(Description(form.Parts().DealButton), c.dealKey);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Parts().DealButton)->role(),
              QAccessible::Button);
  }
  // The cards of the hand are buttons that can be pressed; a stock card is only a picture.
  QAccessibleInterface* handCard =
      QAccessible::queryAccessibleInterface(form.Parts().Cards[g.PlayerHand.front().Tag - 1]);
  EXPECT_EQ(handCard->role(), QAccessible::Graphic);
  EXPECT_TRUE(handCard->state().focusable);
  QAccessibleInterface* stockCard =
      QAccessible::queryAccessibleInterface(form.Parts().Cards[g.Deck.back().Tag - 1]);
  EXPECT_FALSE(stockCard->state().focusable);
}

TEST_F(AccessibleNamesTest, PairsOnTheTableReadAsAttackBeatenBy) {
  TMainWindow& form = StartFastWindow();
  TGame& g = form.Game();
  form.LanguageChosen(1);
  EXPECT_EQ(Description(form.Parts().TablePanel), QStringLiteral("Стол пуст"));
  EXPECT_EQ(Name(form.Parts().TablePanel), QStringLiteral("Стол"));
  form.LanguageChosen(2);
  EXPECT_EQ(Description(form.Parts().TablePanel), QStringLiteral("The table is empty"));
  QTest::mouseClick(form.Parts().DealButton, Qt::LeftButton);
  // Play on until a pair is beaten or an attack stands open.
  form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
  for (int step = 0; step < 50 && g.TableCards.empty(); ++step) {
    for (const TCardInfo& k : TCardList(g.PlayerHand)) {
      QTest::mouseClick(form.Parts().Cards[k.Tag - 1], Qt::LeftButton);
      if (!g.TableCards.empty()) break;
    }
    if (g.TableCards.empty() && form.Parts().RightmostButton())
      QTest::mouseClick(form.Parts().RightmostButton(), Qt::LeftButton);
  }
  ASSERT_FALSE(g.TableCards.empty());
  // Pair 0 in both languages, checked against the cards that lie there.
  const TCardInfo attack = g.TableCards.front();
  const bool playerAttacks = g.PlayerRow[0].Rank != 0 && g.PlayerRow[0].Tag == attack.Tag;
  const TCardInfo defence = playerAttacks ? g.CompRow[0] : g.PlayerRow[0];
  for (int language : {1, 2}) {
    form.LanguageChosen(language);
    const QString a = form.Keys().CardName(form.Parts().Cards[attack.Tag - 1]);
    QString expected;
    if (defence.Rank == 0) {
      expected =
          language == 1 ? a + QStringLiteral(", не побита") : a + QStringLiteral(", not beaten");
    } else {
      QString d = form.Keys().CardName(form.Parts().Cards[defence.Tag - 1]);
      d[0] = d[0].toLower();
      expected =
          a + (language == 1 ? QStringLiteral(", побита: ") : QStringLiteral(", beaten by ")) + d;
    }
    EXPECT_EQ(form.Keys().PairText(0), expected);
    EXPECT_TRUE(Description(form.Parts().TablePanel).startsWith(expected))
        << Description(form.Parts().TablePanel).toStdString();
    EXPECT_EQ(Description(form.Parts().Cards[attack.Tag - 1]), expected);
  }
}

TEST_F(AccessibleNamesTest, TheSpeechLineIsAnnouncedAndTheMarkedCardTakesTheFocus) {
  TMainWindow& form = StartFastWindow();
  WatchAccessibleEvents(RecordEvent);
  form.LanguageChosen(2);
  gEvents.clear();
  QTest::keyClick(form.windowHandle(), Qt::Key_Return);  // deal: a speech follows
  auto seen = [&](QObject* o, QAccessible::Event type) {
    return std::count_if(gEvents.begin(), gEvents.end(), [&](const auto& e) {
      return std::get<0>(e) == o && std::get<1>(e) == type;
    });
  };
  // The deal's speech is announced, by the words it shows.
  ASSERT_GE(seen(form.Parts().SpeechLabel, QAccessible::Alert), 1);
  EXPECT_FALSE(form.Parts().SpeechLabel->text().isEmpty());
  // (The mark's card may be named after it, when the computer leads.)
  const auto lastAlert = std::find_if(gEvents.rbegin(), gEvents.rend(), [&](const auto& e) {
    return std::get<0>(e) == form.Parts().SpeechLabel && std::get<1>(e) == QAccessible::Alert;
  });
  EXPECT_EQ(std::get<2>(*lastAlert), form.Parts().SpeechLabel->text());
  EXPECT_EQ(Name(form.Parts().SpeechLabel), form.Parts().SpeechLabel->text());
  EXPECT_EQ(Description(form.Parts().SpeechLabel), QStringLiteral("The computer says"));
  // The same words again are not announced twice; a cleared line is not announced.
  const auto alerts = seen(form.Parts().SpeechLabel, QAccessible::Alert);
  form.TableView().SetSpeechText(form.Parts().SpeechLabel->text().toStdString());
  form.TableView().SetSpeechText("");
  EXPECT_EQ(seen(form.Parts().SpeechLabel, QAccessible::Alert), alerts);

  gEvents.clear();
  QTest::keyClick(form.windowHandle(), Qt::Key_Right);
  TCardWidget* marked = form.Keys().HandFocus()->Card();
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
