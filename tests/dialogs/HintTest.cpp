// Game > Hint in the window: it marks the card the strong player would play, names the button
// it would press, preselects the pair it would beat, and moves nothing.
#include <QAction>
#include <QLabel>

#include "CardWidget.h"
#include "HandFocus.h"
#include "RaisedButton.h"
#include "TextIds.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class HintCommand : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Game().NewGame();
    Game().Trump = Hearts;
  }
  // Puts cards on the table for a bout the computer leads with these cards.
  void ComputerLeads(std::initializer_list<int> tags) {
    int slot = 0;
    for (int t : tags) {
      Game().CompRow[slot++] = CardInfoOfTag(t);
      Game().TableCards.push_back(CardInfoOfTag(t));
    }
    Game().PlayMode = pmDefend;
    Game().SetButton(durak::TakeButton, true);
  }
};

TEST_F(HintCommand, MarksTheCardThatWinsAndLeavesTheTableAlone) {
  // The stock is gone: the seven of spades beats the six and the computer then cannot
  // answer the six of clubs, so the player wins.
  Game().PlayerHand = {CardInfoOfTag(5), CardInfoOfTag(2)};
  Game().CompHand = {CardInfoOfTag(11)};
  ComputerLeads({1});
  Form->ArrangeTable();
  const TLayout& l = Game().Layout;
  Game().PlaceCards(l.PlayerHandLeft, l.HandRight, l.PlayerHandTop, 0, Game().PlayerHand);
  Form->Menus().Items().HintItem->trigger();
  ASSERT_NE(Form->Keys().HandFocus()->Card(), nullptr);
  EXPECT_EQ(Form->Keys().HandFocus()->Card(), Form->Parts().Cards[5 - 1]);
  EXPECT_EQ(Game().PlayerHand.size(), 2u);
  EXPECT_EQ(Game().TableCards.size(), 1u);
  EXPECT_EQ(Game().PlayMode, pmDefend);
  EXPECT_EQ(Form->Keys().HintMenu(), 0) << "the pair it would beat";
}

TEST_F(HintCommand, SaysTheValueOfASolvedEndgame) {
  // As above, with every other card in the discard: the player can tell the computer's last
  // card, so the hint solves the rest of the deal and says it is won.
  Game().PlayerHand = {CardInfoOfTag(5), CardInfoOfTag(2)};
  Game().CompHand = {CardInfoOfTag(11)};
  for (int tag = 1; tag <= 36; ++tag)
    if (tag != 1 && tag != 2 && tag != 5 && tag != 11) Game().Discard.push_back(CardInfoOfTag(tag));
  ComputerLeads({1});
  Form->ArrangeTable();
  const TLayout& l = Game().Layout;
  Game().PlaceCards(l.PlayerHandLeft, l.HandRight, l.PlayerHandTop, 0, Game().PlayerHand);
  Form->Menus().Items().HintItem->trigger();
  EXPECT_EQ(Form->Keys().HandFocus()->Card(), Form->Parts().Cards[5 - 1]);
  EXPECT_EQ(Form->Parts().SpeechLabel->text(), Form->Texts()[kSolvedWinText]);
}

TEST_F(HintCommand, NamesTheButtonWhenNoCardShouldGo) {
  // The player attacked with the eight of spades, the computer beat it with the nine; no
  // card of those ranks is left to throw in.
  Game().PlayerHand = {CardInfoOfTag(5), CardInfoOfTag(2)};
  Game().CompHand = {CardInfoOfTag(11)};
  Game().PlayerRow[0] = CardInfoOfTag(9);
  Game().CompRow[0] = CardInfoOfTag(13);
  Game().TableCards = {CardInfoOfTag(9), CardInfoOfTag(13)};
  Game().PlayMode = pmThrowIn;
  Game().SetButton(durak::DiscardButton, true);
  Form->Menus().Items().HintItem->trigger();
  EXPECT_EQ(Form->Keys().HandFocus()->Card(), nullptr);
  EXPECT_TRUE(Form->Parts().SpeechLabel->text().contains(Form->Parts().DiscardButton->text()))
      << Form->Parts().SpeechLabel->text().toStdString();
  EXPECT_EQ(Game().TableCards.size(), 2u);
}

TEST_F(HintCommand, HasAKeyAndATextInBothLanguages) {
  EXPECT_EQ(Form->Menus().Items().HintItem->shortcut(), QKeySequence(Qt::Key_H));
  for (int language : {1, 2}) {
    EXPECT_FALSE(PackText(kHintMenuText, language).isEmpty());
    EXPECT_TRUE(PackText(kHintButtonText, language).contains(QStringLiteral("%1")));
    for (int n : {kOpponentGroupText, kOpponentUsualText, kOpponentStrongText, kOpponentEasyText,
                  kSolvedWinText, kSolvedDrawText, kSolvedLossText})
      EXPECT_FALSE(PackText(n, language).isEmpty()) << n;
  }
}

TEST_F(HintCommand, NothingToSuggestBetweenDeals) {
  Form->Menus().Items().HintItem->trigger();
  EXPECT_EQ(Form->Keys().HandFocus()->Card(), nullptr);
  EXPECT_EQ(Game().PlayerHand.size(), 0u);
}

}  // namespace
}  // namespace durak::testing
