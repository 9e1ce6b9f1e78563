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
    game.DealPressed();
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
  const TCardInfo k = game.PlayerHand.front();
  game.PlayerHand.erase(game.PlayerHand.begin());
  RemoveFromList(k, game.UnseenCards);
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

// The progress line a watcher of a long run sees: the deals, the share named as the
// summary names it, and the time left at the pace so far.
TEST(PlayDeals, ProgressLineAndHelp) {
  TPlayConfig config;
  config.Opponent = "strong";
  EXPECT_EQ(ProgressLine(config, TPlayProgress{500, 2000, 0.5125, 100.0}),
            "500 of 2000 deals, strong share 0.512, about 5 min 00 s left");
  config.Opponent = "random";
  config.Computer = "strong";
  EXPECT_EQ(ProgressLine(config, TPlayProgress{10, 40, 0.25, 1.0}),
            "10 of 40 deals, strong share 0.750, about 3 s left");
  config.Computer = "described";
  EXPECT_EQ(ProgressLine(config, TPlayProgress{40, 40, 0.5, 9.0}),
            "40 of 40 deals, player's share 0.500");

  std::ostringstream out, err;
  const char* help[] = {"--games", "5", "--help"};
  EXPECT_EQ(RunPlay(3, const_cast<char**>(help), out, err), 0);
  EXPECT_EQ(out.str().rfind("usage: durak-sim play", 0), 0u) << out.str();
  EXPECT_TRUE(err.str().empty());

  // With progress asked for, the lines go to standard error and are wiped at the end;
  // the summary is the same line as without.
  std::ostringstream quietOut, quietErr, shownOut, shownErr;
  const char* run[] = {"--games", "3", "--seed", "2", "--opponent", "first"};
  EXPECT_EQ(RunPlay(6, const_cast<char**>(run), quietOut, quietErr, false), 0);
  EXPECT_EQ(RunPlay(6, const_cast<char**>(run), shownOut, shownErr, true), 0);
  EXPECT_TRUE(quietErr.str().empty());
  EXPECT_NE(shownErr.str().find("\r3 of 3 deals, player's share"), std::string::npos)
      << shownErr.str();
  EXPECT_EQ(shownErr.str().substr(shownErr.str().size() - 4), "\r\x1b[K");
  const auto withoutTimes = [](std::string line) {
    for (const char* key : {"\"seconds\":", "\"dealsPerSecond\":"}) {
      const size_t at = line.find(key);
      line.erase(at, line.find(',', at) - at);
    }
    return line;
  };
  EXPECT_EQ(withoutTimes(quietOut.str()), withoutTimes(shownOut.str()));
}

}  // namespace
}  // namespace durak::testing
