// Playing from the keyboard alone: whole deals of both variants played with key events
// only, the focus mark on the hand, the command buttons' letters, and Enter in the
// champions table at start-up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "CardWidget.h"
#include "ChampionsDialog.h"
#include "HandFocus.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "RaisedButton.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

// Answers the pick-a-pair menu from the keyboard when it pops up: down the list by the
// given number of items, then Enter.
class TMenuKeys : public QObject {
 public:
  // downs < 0: Escape instead of a choice.
  explicit TMenuKeys(int downs) : downs_(downs) {
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu || !menu->activeAction()) return;
      ++Opened;
      if (downs_ < 0) {
        QTest::keyClick(menu, Qt::Key_Escape);
        return;
      }
      const int steps = std::min<int>(downs_, menu->actions().size() - 1);
      for (int i = 0; i < steps; ++i) QTest::keyClick(menu, Qt::Key_Down);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    timer_.start(10);
  }
  int Opened = 0;

 private:
  int downs_;
  QTimer timer_;
};

class KeyboardPlayTest : public TWindowTest {
 protected:
  static void Key(TMainWindow& form, int key) {
    QTest::keyClick(form.windowHandle(), static_cast<Qt::Key>(key));
  }
  // A letter key as a keyboard sends it: the capital's code with the typed letter.
  static void Letter(TMainWindow& form, QChar typed) {
    QTest::sendKeyEvent(QTest::Click, form.windowHandle(),
                        static_cast<Qt::Key>(typed.toUpper().unicode()), QString(typed),
                        Qt::NoModifier);
  }
  // The state a key may change: if none of it moved, the key did nothing.
  static std::tuple<size_t, size_t, int, int, int, bool> Snapshot(TMainWindow& form) {
    TGame& g = form.Game();
    return {g.PlayerHand.size(),
            g.TableCards.size(),
            g.PlayMode,
            g.DealResult,
            static_cast<int>(g.CompHand.size()),
            form.Parts().RightmostButton() != nullptr};
  }

  // One move of a player who has only the keyboard: tries the cards from the left with
  // the arrows and Enter (or Space), else presses the button shown, by Enter or by its
  // letter.
  static bool PlayOneStep(TMainWindow& form, bool letters) {
    TGame& g = form.Game();
    if (g.PlayMode != pmNone && !g.PlayerHand.empty()) {
      Key(form, Qt::Key_Home);
      for (size_t i = 0; i < g.PlayerHand.size(); ++i) {
        const auto before = Snapshot(form);
        Key(form, i % 2 ? Qt::Key_Space : Qt::Key_Return);
        if (Snapshot(form) != before) return true;
        Key(form, Qt::Key_Right);
      }
    }
    TRaisedButton* button = form.Parts().RightmostButton();
    if (!button) return false;
    Key(form, Qt::Key_Escape);  // no card marked: Enter goes to the button
    if (letters) {
      Letter(form, button->KeyLetter().toLower());
    } else {
      Key(form, Qt::Key_Return);
    }
    return true;
  }

  void PlayADeal(int options, int language, int menuDowns) {
    TMainWindow& form = StartFastWindow();
    ASSERT_TRUE(form.isVisible());
    form.LanguageChosen(language);
    form.Game().Options = options;
    TMenuKeys menuKeys(menuDowns);
    ASSERT_TRUE(form.Parts().DealButton->isVisible());
    Key(form, Qt::Key_Return);  // "Замесить"
    ASSERT_FALSE(form.Parts().DealButton->isVisible());
    EXPECT_EQ(form.Game().TransferOn, (options & arTransfer) != 0);
    int steps = 0;
    while (form.Game().DealResult == drGoesOn && steps < 500) {
      ASSERT_TRUE(PlayOneStep(form, language == 1)) << "no move at step " << steps;
      ++steps;
    }
    ASSERT_NE(form.Game().DealResult, drGoesOn);
    EXPECT_TRUE(form.Parts().DealButton->isVisible());
    EXPECT_EQ(form.Game().PlayerScore + form.Game().ComputerScore,
              form.Game().DealResult == drDraw ? 0 : 1);
    EXPECT_GE(Driver->ChampionsShown, 2);  // at start-up and after the deal
    EXPECT_TRUE(Driver->Messages.isEmpty()) << Driver->Messages.join("; ").toStdString();
    // The next deal starts from the keyboard too, by the letter of "Замесить".
    Letter(form, form.Parts().DealButton->KeyLetter());
    EXPECT_FALSE(form.Parts().DealButton->isVisible());
    EXPECT_EQ(form.Game().DealResult, drGoesOn);
  }
};

TEST_F(KeyboardPlayTest, AThrowInDealIsPlayedToItsEndFromTheKeyboardAlone) {
  PlayADeal(arHotCards, 1, 0);
}

TEST_F(KeyboardPlayTest, ATransferDealWithSeveralCardLeadsIsPlayedFromTheKeyboardAlone) {
  PlayADeal(arHotCards | arTransfer | arMultiLead, 2, 1);
}

TEST_F(KeyboardPlayTest, TheMarkMovesAlongTheHandAndFollowsItsCard) {
  TMainWindow& form = StartFastWindow();
  TGame& g = form.Game();
  Key(form, Qt::Key_Return);
  ASSERT_EQ(g.PlayerHand.size(), 6u);
  std::vector<TCardWidget*> hand = form.Keys().HandCards();
  std::sort(hand.begin(), hand.end(), [](auto* a, auto* b) { return a->x() < b->x(); });

  // The deal starts with the mark on the hand's first card; Escape takes it away.
  EXPECT_EQ(form.Keys().HandFocus()->Card(), hand.front());
  Key(form, Qt::Key_Escape);
  EXPECT_EQ(form.Keys().HandFocus()->Card(), nullptr);
  Key(form, Qt::Key_Left);  // the first Left marks the last card
  EXPECT_EQ(form.Keys().HandFocus()->Card(), hand.back());
  Key(form, Qt::Key_Home);
  EXPECT_EQ(form.Keys().HandFocus()->Card(), hand.front());
  Key(form, Qt::Key_Left);  // already at the left end
  EXPECT_EQ(form.Keys().HandFocus()->Card(), hand.front());
  Key(form, Qt::Key_Right);
  Key(form, Qt::Key_Right);
  TCardWidget* marked = hand[2];
  EXPECT_EQ(form.Keys().HandFocus()->Card(), marked);
  // The frame surrounds the card, in the hot-card colour.
  QWidget* frame = form.Keys().HandFocus()->Frame();
  ASSERT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->geometry().contains(marked->geometry()));
  EXPECT_EQ(form.Keys().HandFocus()->Color(), marked->HotMouseColor());
  const QImage shot = frame->grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, shot.height() / 2), marked->HotMouseColor());
  // A picture of the table with the mark and the buttons' letters, for a person to look at.
  form.grab().save(QDir::temp().filePath("durak-keyboard-mark.png"));

  // The hand sorted another way: the mark stays on its card, the frame goes with it.
  const int vidSort = g.HandOrder == 2 ? 1 : 2;
  g.PlaceCards(g.Layout.PlayerHandLeft, g.Layout.HandRight, g.Layout.PlayerHandTop, vidSort,
               g.PlayerHand);
  EXPECT_EQ(form.Keys().HandFocus()->Card(), marked);
  EXPECT_TRUE(frame->geometry().contains(marked->geometry()));

  Key(form, Qt::Key_End);
  hand = form.Keys().HandCards();
  std::sort(hand.begin(), hand.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
  EXPECT_EQ(form.Keys().HandFocus()->Card(), hand.back());
  // Escape takes the mark away; the mouse hides it.
  Key(form, Qt::Key_Escape);
  EXPECT_EQ(form.Keys().HandFocus()->Card(), nullptr);
  EXPECT_FALSE(frame->isVisible());
  Key(form, Qt::Key_Right);
  EXPECT_NE(form.Keys().HandFocus()->Card(), nullptr);
  QTest::mouseMove(form.windowHandle(), QPoint(40, 40));
  QTest::mouseMove(form.windowHandle(), QPoint(200, 120));
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(form.Keys().HandFocus()->Card(), nullptr);
  // Enter with the mark hidden presses the button, as with no mark at all.
  if (g.PlayMode == pmLead) {
    EXPECT_EQ(form.Parts().RightmostButton(), nullptr);
  }
}

TEST_F(KeyboardPlayTest, APlayedCardPassesTheMarkToItsNeighbour) {
  TMainWindow& form = StartFastWindow();
  TGame& g = form.Game();
  // Deal until the player leads.
  for (int i = 0; i < 20 && g.PlayMode != pmLead; ++i) {
    form.Game().NewGame();
    Key(form, Qt::Key_Return);
  }
  ASSERT_EQ(g.PlayMode, pmLead);
  Key(form, Qt::Key_Home);
  Key(form, Qt::Key_Right);
  std::vector<TCardWidget*> hand = form.Keys().HandCards();
  std::sort(hand.begin(), hand.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
  ASSERT_EQ(form.Keys().HandFocus()->Card(), hand[1]);
  Key(form, Qt::Key_Return);  // a lead takes any card
  EXPECT_TRUE(g.TableCards.size() >= 1);
  EXPECT_EQ(g.TableCards.front().Tag, hand[1]->Tag());
  // The mark went on to a card still in the hand, and its frame shows there.
  TCardWidget* now = form.Keys().HandFocus()->Card();
  ASSERT_NE(now, nullptr);
  const std::vector<TCardWidget*> left = form.Keys().HandCards();
  EXPECT_NE(std::find(left.begin(), left.end(), now), left.end());
  EXPECT_TRUE(form.Keys().HandFocus()->Frame()->geometry().contains(now->geometry()));
}

TEST_F(KeyboardPlayTest, LettersPressOnlyTheButtonsShownAndAreUnderlinedInBothLanguages) {
  TMainWindow& form = StartFastWindow();
  for (int language : {1, 2}) {
    form.LanguageChosen(language);
    QSet<QChar> keys;
    for (TRaisedButton* b :
         {form.Parts().TakeButton, form.Parts().DealButton, form.Parts().ComputerTakesButton,
          form.Parts().DiscardButton, form.Parts().DefendButton}) {
      const QChar key = b->KeyLetter();
      ASSERT_FALSE(key.isNull()) << b->text().toStdString();
      EXPECT_TRUE(b->text().contains(key, Qt::CaseInsensitive)) << b->text().toStdString();
      keys.insert(key.toUpper());
    }
    EXPECT_EQ(keys.size(), 5) << "two buttons share a key in language " << language;
    // The underlined letter, enlarged, for a person to look at.
    const QImage button = form.Parts().DealButton->grab().toImage();
    button.scaled(button.size() * 4)
        .save(QDir::temp().filePath(QStringLiteral("durak-key-letter-%1.png").arg(language)));
  }
  // "Беру" is hidden before a deal: its letter does nothing; a letter of no button neither.
  ASSERT_TRUE(form.Parts().TakeButton->isHidden());
  Letter(form, form.Parts().TakeButton->KeyLetter());
  Letter(form, QLatin1Char('q'));
  EXPECT_TRUE(form.Parts().DealButton->isVisible());
  EXPECT_TRUE(form.Game().PlayerHand.empty());
  // Lower case works as well as upper case.
  Letter(form, form.Parts().DealButton->KeyLetter().toLower());
  EXPECT_FALSE(form.Parts().DealButton->isVisible());
  EXPECT_EQ(form.Game().PlayerHand.size(), 6u);
}

TEST_F(KeyboardPlayTest, F2SweepsTheHandAwayAndTheKeysCannotPlayASweptCard) {
  TMainWindow& form = StartFastWindow();
  TGame& g = form.Game();
  Key(form, Qt::Key_Return);
  Key(form, Qt::Key_Right);
  ASSERT_NE(form.Keys().HandFocus()->Card(), nullptr);
  // F2 is the menu's shortcut, which answers in the active window.
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  Key(form, Qt::Key_F2);  // new game, the deal abandoned
  EXPECT_TRUE(form.Parts().DealButton->isVisible());
  EXPECT_EQ(g.PlayerScore + g.ComputerScore, 0);
  // The hand's cards are off the table: nothing to mark, nothing to play.
  EXPECT_EQ(form.Keys().HandFocus()->Card(), nullptr);
  EXPECT_FALSE(form.Keys().HandFocus()->Showing());
  // (A new game leaves the lists as they were until the next deal.)
  const size_t hand = g.PlayerHand.size(), table = g.TableCards.size();
  Key(form, Qt::Key_Right);
  Key(form, Qt::Key_Space);
  EXPECT_EQ(g.PlayerHand.size(), hand);
  EXPECT_EQ(g.TableCards.size(), table);
  // Enter deals again, and the mark comes back on the new hand.
  Key(form, Qt::Key_Return);
  EXPECT_FALSE(form.Parts().DealButton->isVisible());
  EXPECT_EQ(g.PlayerHand.size(), 6u);
  Key(form, Qt::Key_Right);
  EXPECT_NE(form.Keys().HandFocus()->Card(), nullptr);
  EXPECT_TRUE(form.Keys().HandFocus()->Showing());
}

TEST_F(KeyboardPlayTest, ThePairMenuOpenedFromTheKeysStartsOnItsFirstItem) {
  TMainWindow& form = StartWindow();
  const std::vector<TPairMenuItem> items = {
      {2, "Бить даму пик", 1, false}, {4, "Бить туза пик", 2, false}, {6, "Перевести", 3, true}};
  form.Keys().SetKeyboardPlay(true);
  {
    TMenuKeys keys(0);  // Enter at once: the first item
    EXPECT_EQ(form.TableView().PopupPairMenu(items, 10, 10), 2);
    EXPECT_EQ(keys.Opened, 1);
  }
  {
    TMenuKeys keys(2);  // two down: the transfer
    EXPECT_EQ(form.TableView().PopupPairMenu(items, 10, 10), 6);
  }
  {
    TMenuKeys keys(-1);  // Escape: no choice, no move
    EXPECT_EQ(form.TableView().PopupPairMenu(items, 10, 10), -1);
  }
  form.Keys().SetKeyboardPlay(false);
}

TEST_F(KeyboardPlayTest, EnterInTheChampionsTableAtStartUpChoosesThePlayer) {
  TChempTab table(2);
  table[0].SetName("Анна");
  table[0].Rating = 0.75;
  table[1].SetName("Борис");
  ASSERT_TRUE(WriteTab(dir.filePath("durak.r").toStdString(), table));
  int pressed = 0;
  QTimer keys;
  QObject::connect(&keys, &QTimer::timeout, [&pressed] {
    auto* chemp = qobject_cast<TChampionsDialog*>(QApplication::activeModalWidget());
    if (!chemp || !chemp->isVisible() || pressed) return;
    ++pressed;
    QTest::keyClick(chemp->windowHandle(), Qt::Key_Return);
  });
  keys.start(20);
  TMainWindow form;
  Start(form);
  EXPECT_EQ(pressed, 1);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.Parts().PlayerNameLabel->text(), QString::fromUtf8("Анна"));
}

}  // namespace
}  // namespace durak::testing
