// The self-play driver: its invariant check and whole deals against both opponents.
#include <gtest/gtest.h>

#include <sstream>

#include "AiFixture.h"
#include "Invariants.h"
#include "Play.h"

namespace durak::testing {
namespace {

class InvariantTest : public AiTest {
 protected:
  InvariantTest() {
    clock.Value = 77;
    game.Button2Click();
  }
};

TEST_F(InvariantTest, AFreshDealIsSound) {
  EXPECT_EQ(CheckInvariants(game), "");
}

TEST_F(InvariantTest, ACardInTwoPlacesOrNoneIsCaught) {
  game.Discard.push_back(game.CompHand.front());
  EXPECT_NE(CheckInvariants(game), "");
  game.Discard.clear();
  game.CompHand.erase(game.CompHand.begin());
  EXPECT_NE(CheckInvariants(game), "");
}

TEST_F(InvariantTest, RowsMustHoldExactlyTheTableCards) {
  const TKart k = game.PlayerHand.front();
  game.PlayerHand.erase(game.PlayerHand.begin());
  ArrDel(k, game.UnseenCards);
  game.TableCards.push_back(k);
  EXPECT_NE(CheckInvariants(game), "");  // on the table but in no row
  game.PlayerRow[2] = k;
  EXPECT_EQ(CheckInvariants(game), "");
  game.CompRow[3] = k;
  EXPECT_NE(CheckInvariants(game), "");  // in both rows
}

TEST_F(InvariantTest, TheComputersMemoryNamesOnlyThePlayersCards) {
  game.KnownCards.push_back(game.CompHand.front());
  EXPECT_NE(CheckInvariants(game), "");
}

TEST(PlayDeals, BothOpponentsFinishEveryDealSoundly) {
  for (const char* opponent : {"random", "first"}) {
    for (int options : {9, 15}) {
      TPlayConfig config;
      config.Games = 300;
      config.Seed = 11;
      config.Opponent = opponent;
      config.Options = options;
      std::ostringstream faults;
      const TPlaySummary s = PlayDeals(config, faults);
      EXPECT_EQ(s.Violations, 0u) << opponent << " " << options << ": " << faults.str();
      // Neither scripted player can make a deal go round in circles, so every deal ends.
      EXPECT_EQ(s.Stuck, 0u);
      EXPECT_EQ(s.Unfinished, 0u);
      EXPECT_EQ(s.Deals, 300u);
      EXPECT_EQ(s.ComputerWins + s.PlayerWins + s.Draws, 300u);
      EXPECT_GT(s.Events, 300u * 10);
    }
  }
}

TEST(PlayDeals, SummaryLineAndArguments) {
  std::ostringstream out, err;
  const char* ok[] = {"--games", "5", "--seed", "3", "--opponent", "first", "--options", "3"};
  EXPECT_EQ(RunPlay(8, const_cast<char**>(ok), out, err), 0);
  EXPECT_NE(out.str().find("\"deals\":5"), std::string::npos);
  EXPECT_NE(out.str().find("\"violations\":0"), std::string::npos);
  const char* bad[] = {"--opponent", "clever"};
  EXPECT_EQ(RunPlay(2, const_cast<char**>(bad), out, err), 2);
  const char* missing[] = {"--games"};
  EXPECT_EQ(RunPlay(1, const_cast<char**>(missing), out, err), 2);
}

}  // namespace
}  // namespace durak::testing
