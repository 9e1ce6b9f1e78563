// The marks on the player's hand last no longer than what they mark: the keyboard's frame
// goes with the deal, the hint's mark with the move after it. And the command buttons'
// letters: each one seen clearly under its letter, none shared by two buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWindow>
#include <array>

#include "CardWidget.h"
#include "HandFocus.h"
#include "MainWindow.h"
#include "RaisedButton.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class TableMarksTest : public TWindowTest {
 protected:
  static void Key(TMainWindow& form, int key) {
    QTest::keyClick(form.windowHandle(), static_cast<Qt::Key>(key));
  }
  static void Letter(TMainWindow& form, QChar typed) {
    QTest::sendKeyEvent(QTest::Click, form.windowHandle(),
                        static_cast<Qt::Key>(typed.toUpper().unicode()), QString(typed),
                        Qt::NoModifier);
  }
  static std::vector<TCardWidget*> LeftToRight(const TMainWindow& form) {
    std::vector<TCardWidget*> hand = form.Keys().HandCards();
    std::sort(hand.begin(), hand.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    return hand;
  }
  // One move from the keyboard with the frame kept on the hand: the cards from the left
  // with Enter, else the button shown by its letter.
  static bool KeyboardMove(TMainWindow& form) {
    TGame& g = form.Game();
    auto state = [&g] {
      return std::make_tuple(g.PlayerHand.size(), g.TableCards.size(), g.PlayMode, g.DealResult,
                             g.CompHand.size());
    };
    if (g.PlayMode != pmNone && !g.PlayerHand.empty()) {
      Key(form, Qt::Key_Home);
      for (size_t i = 0; i < g.PlayerHand.size(); ++i) {
        const auto before = state();
        Key(form, Qt::Key_Return);
        if (state() != before) return true;
        Key(form, Qt::Key_Right);
      }
    }
    TRaisedButton* button = form.Parts().RightmostButton();
    if (!button) return false;
    Letter(form, button->KeyLetter());
    return true;
  }
  // The window at its fastest, the pick-a-pair menu answered with its first item.
  TMainWindow& StartPlaying() {
    TMainWindow& form = StartFastWindow();
    form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
    return form;
  }
  // Deals again until the player is to lead.
  static void DealUntilThePlayerLeads(TMainWindow& form) {
    // Each deal shuffles from the next of a fixed run of times, so a search for a situation
    // meets different cards and every run meets the same ones.
    static uint32_t next = 1;
    for (int i = 0; i < 30 && form.Game().PlayMode != pmLead; ++i) {
      form.Game().NewGame();
      form.FixedMillisOfDay = 1000u + 7919u * next++;
      form.Parts().DealButton->click();
    }
    ASSERT_EQ(form.Game().PlayMode, pmLead);
  }
};

TEST_F(TableMarksTest, TheKeyboardFrameGoesWithTheDeal) {
  TMainWindow& form = StartPlaying();
  TGame& g = form.Game();
  Key(form, Qt::Key_Return);  // "Замесить"
  int steps = 0;
  while (g.DealResult == drGoesOn && steps < 500) {
    ASSERT_TRUE(KeyboardMove(form)) << "no move at step " << steps;
    ++steps;
  }
  ASSERT_NE(g.DealResult, drGoesOn);
  // The deal is over: no frame is left on a card, so Enter presses "Замесить".
  EXPECT_EQ(form.Keys().HandFocus()->Card(), nullptr);
  EXPECT_FALSE(form.Keys().HandFocus()->Showing());
  ASSERT_TRUE(form.Parts().DealButton->isVisible());
  Key(form, Qt::Key_Return);
  EXPECT_FALSE(form.Parts().DealButton->isVisible());
  ASSERT_EQ(g.PlayerHand.size(), 6u);
  // The new deal, dealt from the keyboard, shows the frame on the first card, not on a
  // place left over from the last deal, and the first Right moves it to the second card.
  EXPECT_EQ(form.Keys().HandFocus()->Card(), LeftToRight(form).front());
  EXPECT_TRUE(form.Keys().HandFocus()->Showing());
  Key(form, Qt::Key_Right);
  EXPECT_EQ(form.Keys().HandFocus()->Card(), LeftToRight(form)[1]);
}

TEST_F(TableMarksTest, APlayerOfTheMouseGetsNoFrameAtANewDeal) {
  TMainWindow& form = StartPlaying();
  form.Parts().DealButton->click();  // "Замесить" with the mouse
  ASSERT_EQ(form.Game().PlayerHand.size(), 6u);
  EXPECT_EQ(form.Keys().HandFocus()->Card(), nullptr);
  EXPECT_FALSE(form.Keys().HandFocus()->Showing());
}

TEST_F(TableMarksTest, NewGameTakesTheFrameAwayAndTheNextDealStartsAfresh) {
  TMainWindow& form = StartPlaying();
  Key(form, Qt::Key_Return);  // dealt from the keyboard: the frame waits on the first card
  Key(form, Qt::Key_Right);
  ASSERT_EQ(form.Keys().HandFocus()->Card(), LeftToRight(form)[1]);
  form.Menus().Items().NewGameItem->trigger();  // F2
  EXPECT_EQ(form.Keys().HandFocus()->Card(), nullptr);
  Key(form, Qt::Key_Return);
  ASSERT_EQ(form.Game().PlayerHand.size(), 6u);
  EXPECT_EQ(form.Keys().HandFocus()->Card(), LeftToRight(form).front());
  Key(form, Qt::Key_Right);
  EXPECT_EQ(form.Keys().HandFocus()->Card(), LeftToRight(form)[1]);
}

TEST_F(TableMarksTest, TheHintsMarkGoesWhenAnotherCardIsPlayed) {
  TMainWindow& form = StartPlaying();
  DealUntilThePlayerLeads(form);
  form.Menus().Items().HintItem->trigger();
  TCardWidget* hinted = form.Keys().HandFocus()->Card();
  ASSERT_NE(hinted, nullptr);
  ASSERT_TRUE(form.Keys().HandFocus()->Showing());
  // The player leads another card with the mouse: the suggestion is spent.
  TCardWidget* other = nullptr;
  for (TCardWidget* c : LeftToRight(form))
    if (c != hinted) other = c;
  ASSERT_NE(other, nullptr);
  other->OnClick(other);
  ASSERT_TRUE(ListHasTag(form.Game().TableCards, other->Tag()));
  EXPECT_FALSE(form.Keys().HandFocus()->Showing());
  EXPECT_EQ(form.Keys().HandFocus()->Card(), nullptr);
  EXPECT_EQ(form.Keys().HintMenu(), -1);
}

TEST_F(TableMarksTest, TheHintsMarkGoesWhenAButtonIsPressed) {
  TMainWindow& form = StartPlaying();
  TGame& g = form.Game();
  // A lead the computer beats leaves the player the choice of throwing in or "Бито"; play
  // on until the hint marks a card while a button is shown.
  bool tried = false;
  for (int deal = 0; deal < 30 && !tried; ++deal) {
    DealUntilThePlayerLeads(form);
    TCardWidget* first = LeftToRight(form).front();
    first->OnClick(first);
    TRaisedButton* button = form.Parts().RightmostButton();
    if (!button || g.DealResult != drGoesOn) continue;
    form.Menus().Items().HintItem->trigger();
    if (!form.Keys().HandFocus()->Card()) continue;
    tried = true;
    button->click();
    EXPECT_FALSE(form.Keys().HandFocus()->Showing());
    EXPECT_EQ(form.Keys().HandFocus()->Card(), nullptr);
  }
  EXPECT_TRUE(tried) << "no deal gave a hinted card beside a button";
}

// Whoever draws the face-up trump card stands it upright: in the computer's hand, on the
// table, in the player's hand and in the end-of-deal reveal it is a card like the others.
// Pictures of the drawn trump in a hand at the smallest window and a big one are left in
// DURAK_PICTURE_DIR (or DURAK_TRUMP_SHOTS when set).
TEST_F(TableMarksTest, TheDrawnTrumpCardStandsUprightWhereverItGoes) {
  TMainWindow& form = StartPlaying();
  TGame& g = form.Game();
  bool drawnByComputer = false, drawnByPlayer = false;
  std::array<bool, 2> shotAtSize{};  // a picture at the smallest and the maximised window
  for (int deal = 0; deal < 12 && !(drawnByComputer && shotAtSize[0] && shotAtSize[1]); ++deal) {
    // The smallest window and a maximised one, by turns.
    if (deal % 2) {
      form.showMaximized();
    } else {
      form.showNormal();
      form.resize(630, 450);
    }
    QApplication::processEvents();
    g.NewGame();
    form.FixedMillisOfDay = 5000u + 7919u * static_cast<uint32_t>(deal);
    form.Parts().DealButton->click();
    ASSERT_FALSE(g.Deck.empty());
    const int trumpTag = g.Deck.front().Tag;
    TCardWidget* trump = form.Parts().Cards[trumpTag - 1];
    bool shot = false;
    for (int steps = 0; g.DealResult == drGoesOn && steps < 500; ++steps) {
      ASSERT_TRUE(KeyboardMove(form)) << "no move at step " << steps;
      if (!g.Deck.empty()) continue;
      ASSERT_FALSE(trump->Turned()) << "deal " << deal << ", step " << steps;
      EXPECT_LT(trump->width(), trump->height());
      const bool computers = ListHasTag(g.CompHand, trumpTag);
      const bool players = ListHasTag(g.PlayerHand, trumpTag);
      drawnByComputer = drawnByComputer || computers;
      drawnByPlayer = drawnByPlayer || players;
      if (!shot && (computers || players)) {
        shot = true;
        shotAtSize[deal % 2] = true;
        const QString out =
            qEnvironmentVariable("DURAK_TRUMP_SHOTS", QStringLiteral(DURAK_PICTURE_DIR));
        QDir().mkpath(out);
        form.grab().save(
            out + QStringLiteral("/drawn-trump-%1x%2-%3.png")
                      .arg(form.width())
                      .arg(form.height())
                      .arg(computers ? QStringLiteral("computer") : QStringLiteral("player")));
      }
    }
    // The reveal at the end of the deal leaves it upright too.
    EXPECT_FALSE(trump->Turned());
  }
  EXPECT_TRUE(drawnByComputer);
}

// The line under a button's letter must not touch the letter: one clear row at least lies
// between the letter's lowest ink and the line, for every button in both languages.
TEST_F(TableMarksTest, EveryButtonsLetterIsUnderlinedClearlyAndNoneIsShared) {
  TMainWindow& form = StartPlaying();
  for (int language : {1, 2}) {
    form.LanguageChosen(language);
    QSet<QChar> letters;
    for (TRaisedButton* b :
         {form.Parts().TakeButton, form.Parts().DealButton, form.Parts().ComputerTakesButton,
          form.Parts().DiscardButton, form.Parts().DefendButton}) {
      SCOPED_TRACE(b->text().toStdString());
      letters.insert(b->KeyLetter().toUpper());
      // The button painted with its letter, without it, and without any caption: the first
      // two differ in the underline, the last two in the caption's ink.
      auto paint = [b](QChar key, const QString& caption) {
        const QChar keptKey = b->KeyLetter();
        const QString keptCaption = b->text();
        b->SetKeyLetter(key);
        b->setText(caption);
        QImage image(b->size(), QImage::Format_RGB32);
        QPainter p(&image);
        b->DrawItem(p, false, false, true, false);
        p.end();
        b->SetKeyLetter(keptKey);
        b->setText(keptCaption);
        return image;
      };
      const QImage with = paint(b->KeyLetter(), b->text());
      const QImage without = paint(QChar(), b->text());
      const QImage blank = paint(QChar(), QString());
      int lineTop = -1, left = with.width(), right = -1;
      for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
          if (with.pixel(x, y) != without.pixel(x, y)) {
            if (lineTop < 0) lineTop = y;
            left = std::min(left, x);
            right = std::max(right, x);
          }
      ASSERT_GE(lineTop, 0) << "no underline drawn";
      // The letter's own columns: the underline's, less the shadow copy's overhang, which
      // reaches the next letter.
      int inkBottom = -1;
      for (int y = 0; y < without.height(); ++y)
        for (int x = left + 1; x <= right - 2; ++x)
          if (without.pixel(x, y) != blank.pixel(x, y)) inkBottom = std::max(inkBottom, y);
      EXPECT_GE(lineTop, inkBottom + 2) << "the underline touches its letter";
      EXPECT_LT(lineTop, b->height());
    }
    EXPECT_EQ(letters.size(), 5) << "two buttons share a letter in language " << language;
  }
  // "Беру" answers to Б.
  form.LanguageChosen(1);
  EXPECT_EQ(form.Parts().TakeButton->KeyLetter(), QChar(u'Б'));
}

}  // namespace
}  // namespace durak::testing
