// The options dialog as the player uses it: what it shows, and what OK and Cancel change.
#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QTest>

#include "AppearanceDialog.h"
#include "CardWidget.h"
#include "ColourButton.h"
#include "LedDisplay.h"
#include "OptionsDialog.h"
#include "RaisedButton.h"
#include "Slider.h"
#include "WidgetPart.h"
#include "WinColor.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class OptionsDialog : public WindowFixture {
 protected:
  // Opens the dialog, lets `change` work on it, then closes it with OK or Cancel.
  void Run(const std::function<void(TOptionsDialog&)>& change, bool ok) {
    TOptionsDialog& d = *Form->Menus().OptionsDialog();
    Answer(
        [&d, change, ok] {
          change(d);
          (ok ? Part<TRaisedButton>(d, "OKBtn") : Part<TRaisedButton>(d, "CancelBtn"))->click();
        },
        [this] { Form->Menus().ShowOptions(); });
  }
  TCardWidget* Card(int tag) { return Form->Parts().Cards[tag - 1]; }
};

TEST_F(OptionsDialog, SpeedBelowTheBarShowsAsTenAndIsStoredOnlyOnOk) {
  Game().GlideSpeed = 5;
  int shown = 0, led = 0;
  Run(
      [&](TOptionsDialog& d) {
        shown = Part<TSlider>(d, "TrackBar1")->value(),
        led = Part<TLedDisplay>(d, "KuvLed1")->Number();
      },
      false);
  EXPECT_EQ(shown, 10);
  EXPECT_EQ(led, 10);
  EXPECT_EQ(Game().GlideSpeed, 5) << "Cancel keeps the value from the settings file";
  Run([](TOptionsDialog&) {}, true);
  EXPECT_EQ(Game().GlideSpeed, 10);
  Run([](TOptionsDialog& d) { Part<TSlider>(d, "TrackBar1")->setValue(75); }, true);
  EXPECT_EQ(Game().GlideSpeed, 75);
}

TEST_F(OptionsDialog, UnknownSortKindShowsByRankAndIsStoredAsTwo) {
  Game().HandOrder = 7;
  int selected = -1;
  Run([&](TOptionsDialog& d) { selected = Part<TRadioGroup>(d, "SG")->ItemIndex(); }, true);
  EXPECT_EQ(selected, 2);
  EXPECT_EQ(Game().HandOrder, 2);
}

TEST_F(OptionsDialog, NewSortKindLaysTheHandOutAtOnce) {
  Game().HandOrder = 0;
  Form->ArrangeTable();
  // Ace, six and ten of clubs, in that order in the hand.
  for (int tag : {34, 2, 18}) Game().PlayerHand.push_back(CardInfoOfTag(tag));
  Game().PlaceCards(Game().Layout.PlayerHandLeft, Game().Layout.HandRight,
                    Game().Layout.PlayerHandTop, 0, Game().PlayerHand);
  ASSERT_LT(Card(34)->x(), Card(2)->x());
  Run([](TOptionsDialog& d) { Part<TRadioGroup>(d, "SG")->SetItemIndex(2); }, true);
  EXPECT_EQ(Game().HandOrder, 2);
  // By rank: the order runs one way or the other, but the ace no longer sits between.
  const int six = Card(2)->x(), ten = Card(18)->x(), ace = Card(34)->x();
  EXPECT_TRUE((six < ten && ten < ace) || (ace < ten && ten < six))
      << six << " " << ten << " " << ace;
}

TEST_F(OptionsDialog, VariantChangeBetweenDealsIsSilentAndDuringADealWaits) {
  Game().Options &= ~(arTransfer | arMultiLead);
  Game().NewGame();  // a new game: "Замесить" is shown, no deal runs
  ASSERT_TRUE(Game().ButtonVisible[durak::DealButton]);
  Run([](TOptionsDialog& d) { Part<TRadioGroup>(d, "DP")->SetItemIndex(1); }, true);
  EXPECT_TRUE(Messages.isEmpty());
  EXPECT_TRUE(Game().Options & arTransfer);

  // Back to throw-in, then a deal starts with it latched.
  Run([](TOptionsDialog& d) { Part<TRadioGroup>(d, "DP")->SetItemIndex(0); }, true);
  Game().GlideSpeed = 100;
  Game().DealPressed();
  ASSERT_FALSE(Game().ButtonVisible[durak::DealButton]);
  ASSERT_FALSE(Game().TransferOn);

  Run([](TOptionsDialog& d) { Part<TRadioGroup>(d, "DP")->SetItemIndex(1); }, true);
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_EQ(Messages[0], Form->Texts().At(199));
  EXPECT_TRUE(Game().Options & arTransfer);
  EXPECT_FALSE(Game().TransferOn) << "the running deal keeps refusing transfers";

  Run(
      [](TOptionsDialog& d) {
        Part<QCheckBox>(d, "CheckBox2")->setChecked(!Part<QCheckBox>(d, "CheckBox2")->isChecked());
      },
      true);
  EXPECT_EQ(Messages.size(), 2) << "several-card leads wait for the next deal too";
  Run([](TOptionsDialog& d) { Part<TSlider>(d, "TrackBar1")->setValue(50); }, true);
  EXPECT_EQ(Messages.size(), 2) << "no rule changed, no message";
}

TEST_F(OptionsDialog, HotCardsSwitchedDuringADefenceChangeTheHighlightsAtOnce) {
  TGame& g = Game();
  g.Trump = 1;  // spades
  g.Options |= arHotCards;
  // The computer led the seven of hearts; the player holds the eight of hearts, the six of
  // hearts, the six of spades (a trump) and the nine of clubs.
  g.CompRow[0] = CardInfoOfTag(8);
  g.TableCards.push_back(CardInfoOfTag(8));
  for (int tag : {12, 4, 1, 14}) g.PlayerHand.push_back(CardInfoOfTag(tag));
  g.MarkPlayable(pmDefend);
  auto hot = [this] {
    std::vector<int> tags;
    for (int tag : {12, 4, 1, 14})
      if (Card(tag)->HotMouse()) tags.push_back(tag);
    return tags;
  };
  ASSERT_EQ(hot(), (std::vector<int>{12, 1}));

  bool colourButtonOn = true;
  Run(
      [&](TOptionsDialog& d) {
        Part<QCheckBox>(d, "CheckBox1")->setChecked(false);
        colourButtonOn = Part<TColourButton>(d, "ColBtn1")->isEnabled();
      },
      true);
  EXPECT_FALSE(colourButtonOn);
  EXPECT_TRUE(hot().empty());
  EXPECT_EQ(g.PlayMode, pmDefend);

  Run([](TOptionsDialog& d) { Part<QCheckBox>(d, "CheckBox1")->setChecked(true); }, true);
  EXPECT_EQ(hot(), (std::vector<int>{12, 1}));
}

TEST_F(OptionsDialog, NewHotColourReachesEveryCard) {
  Run([](TOptionsDialog& d) { Part<TColourButton>(d, "ColBtn1")->SetBtnColor(QColor(0, 0, 255)); },
      true);
  EXPECT_EQ(Form->Settings().HotColor, 0xFF0000);
  for (TCardWidget* card : Form->Parts().Cards) EXPECT_EQ(card->HotMouseColor(), QColor(0, 0, 255));
}

TEST_F(OptionsDialog, CancelChangesNothing) {
  TGame& g = Game();
  g.Options = arHotCards;
  g.GlideSpeed = 40;
  g.HandOrder = 1;
  const int32_t hotColor = Form->Settings().HotColor;
  Run(
      [](TOptionsDialog& d) {
        Part<QCheckBox>(d, "CheckBox1")->setChecked(false);
        Part<QCheckBox>(d, "CheckBox2")->setChecked(true);
        Part<TRadioGroup>(d, "DP")->SetItemIndex(1);
        Part<TRadioGroup>(d, "SG")->SetItemIndex(0);
        Part<TSlider>(d, "TrackBar1")->setValue(90);
        Part<TColourButton>(d, "ColBtn1")->SetBtnColor(QColor(1, 2, 3));
      },
      false);
  EXPECT_EQ(g.Options, arHotCards);
  EXPECT_EQ(g.GlideSpeed, 40);
  EXPECT_EQ(g.HandOrder, 1);
  EXPECT_EQ(Form->Settings().HotColor, hotColor);
  EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(OptionsDialog, ShowsTheCurrentChoices) {
  Game().Options = arTransfer | arMultiLead;
  bool hot = true, multi = false, colourOn = true;
  int variant = -1;
  Run(
      [&](TOptionsDialog& d) {
        hot = Part<QCheckBox>(d, "CheckBox1")->isChecked();
        multi = Part<QCheckBox>(d, "CheckBox2")->isChecked();
        variant = Part<TRadioGroup>(d, "DP")->ItemIndex();
        colourOn = Part<TColourButton>(d, "ColBtn1")->isEnabled();
      },
      false);
  EXPECT_FALSE(hot);
  EXPECT_TRUE(multi);
  EXPECT_EQ(variant, 1);
  EXPECT_FALSE(colourOn);
}

TEST_F(OptionsDialog, OpponentIsChosenHereAndPlaysFromTheNextDeal) {
  Form->Settings().Opponent = kOpponentUsual;
  Game().NewGame();
  int shown = -1;
  Run([&](TOptionsDialog& d) { shown = Part<TRadioGroup>(d, "OG")->ItemIndex(); }, false);
  EXPECT_EQ(shown, 1) << "the usual player is the default, between the easy and the strong";

  Run([](TOptionsDialog& d) { Part<TRadioGroup>(d, "OG")->SetItemIndex(2); }, false);
  EXPECT_EQ(Form->Settings().Opponent, 0) << "Cancel changes nothing";
  Run([](TOptionsDialog& d) { Part<TRadioGroup>(d, "OG")->SetItemIndex(2); }, true);
  EXPECT_EQ(Form->Settings().Opponent, kOpponentStrong);
  EXPECT_TRUE(Messages.isEmpty()) << "between deals the choice is silent";

  Game().GlideSpeed = 100;
  Form->Parts().DealButton->click();
  EXPECT_NE(Game().Chooser, nullptr) << "the deal takes the strong player";
  ICompChooser* const strong = Game().Chooser;
  Run([](TOptionsDialog& d) { Part<TRadioGroup>(d, "OG")->SetItemIndex(0); }, true);
  EXPECT_EQ(Form->Settings().Opponent, kOpponentEasy);
  EXPECT_EQ(Messages.size(), 1) << "during a deal the change waits for the next one";
  EXPECT_EQ(Game().Chooser, strong) << "the running deal keeps its opponent";
  int easyShown = -1;
  Run([&](TOptionsDialog& d) { easyShown = Part<TRadioGroup>(d, "OG")->ItemIndex(); }, false);
  EXPECT_EQ(easyShown, 0) << "the easy player heads the list";
}

TEST_F(OptionsDialog, SpeedCounterLooksAsDescribedAndArrowKeysStepByOne) {
  Game().GlideSpeed = 40;
  int afterRight = 0, afterLeft = 0;
  QImage counter;
  Run(
      [&](TOptionsDialog& d) {
        TLedDisplay& led = *Part<TLedDisplay>(d, "KuvLed1");
        EXPECT_EQ(led.W1Digit(), 16);
        EXPECT_EQ(led.Digits(), 3);
        EXPECT_TRUE(led.HiNill());
        EXPECT_FALSE(led.Neg());
        EXPECT_EQ(led.ACol(), QColor(Qt::black));
        EXPECT_EQ(led.NACol(), QColor(168, 168, 168));
        EXPECT_EQ(led.Back(), SysColor(SysBtnFace));
        EXPECT_EQ(led.size(), QSize(48, 32));
        Part<TSlider>(d, "TrackBar1")->setFocus();
        QTest::keyClick(Part<TSlider>(d, "TrackBar1"), Qt::Key_Right);
        afterRight = led.Number();
        QTest::keyClick(Part<TSlider>(d, "TrackBar1"), Qt::Key_Left);
        QTest::keyClick(Part<TSlider>(d, "TrackBar1"), Qt::Key_Left);
        afterLeft = Part<TSlider>(d, "TrackBar1")->value();
        Part<TSlider>(d, "TrackBar1")->setValue(40);
        counter = led.grab().toImage();
        const QString dir = qEnvironmentVariable("DURAK_DIALOG_SHOTS");
        if (!dir.isEmpty()) d.grab().save(QDir(dir).filePath(QStringLiteral("options-speed.png")));
      },
      true);
  EXPECT_EQ(afterRight, 41);
  EXPECT_EQ(afterLeft, 39);
  // "040": the leading zero is lit black like the digits.
  ASSERT_FALSE(counter.isNull());
  EXPECT_EQ(counter.pixelColor(counter.width() / 6, 2), QColor(Qt::black));
  EXPECT_EQ(counter.pixelColor(0, 0), SysColor(SysBtnFace));
}

// The options and appearance dialogs are not made before the window first shows; made
// later, they speak the window's language, and follow it from then on.
TEST_F(OptionsDialog, DialogsMadeOnFirstUseSpeakTheWindowsLanguage) {
  TMainWindow form;
  form.Activated = true;
  form.show();
  form.LanguageChosen(2);
  EXPECT_EQ(form.Menus().OptionsDialog().IfMade(), nullptr);
  EXPECT_EQ(form.Menus().AppearanceDialog().IfMade(), nullptr);
  TOptionsDialog& options = *form.Menus().OptionsDialog();
  EXPECT_EQ(form.Menus().OptionsDialog().IfMade(), &options);
  EXPECT_EQ(options.windowTitle(), PackText(26, 2));
  EXPECT_EQ(form.Menus().AppearanceDialog()->windowTitle(), PackText(27, 2));
  form.LanguageChosen(1);
  EXPECT_EQ(options.windowTitle(), PackText(26, 1));
  EXPECT_EQ(form.Menus().AppearanceDialog()->windowTitle(), PackText(27, 1));
}

}  // namespace
}  // namespace durak::testing
