// A deal is kept as its state before the deal and the inputs of the window after it. These
// tests play deals live, write them down that way and check that they come back exactly:
// replayed from the start, and resumed from the state saved after any input.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "ApplyEvent.h"
#include "DealRecord.h"
#include "DealRecorder.h"
#include "DealReplay.h"
#include "StateJson.h"
#include "StrongChooser.h"

namespace durak {
namespace {

using nlohmann::json;

// One live deal: the state before it, its events and the state after each event.
struct TRecordedDeal {
  json Start;
  std::vector<json> Events;
  std::vector<std::string> States;
};

// Plays a deal with the strong player on a small budget in the player's seat; each of its
// suggestions is written down as the window would feed it to the engine.
TRecordedDeal PlayLive(uint32_t seed, int options) {
  TRecordedDeal deal;
  THeadlessGame live;
  live.Game.Options = options;
  live.Game.NewGame();
  deal.Start = SaveState(live.Game, live.Cards);
  json event = {{"type", "deal"}, {"seed", seed}};
  TStrongParams params;
  params.Iterations = 30;
  for (int n = 0; n < 400; ++n) {
    ApplyEvent(event, live);
    deal.Events.push_back(event);
    deal.States.push_back(SaveState(live.Game, live.Cards).dump());
    if (live.Game.DealResult != drGoesOn) break;
    const THint hint = StrongHint(live.Game, seed + n, params);
    if (!hint.Valid) break;
    event = EventOfHint(hint);
  }
  return deal;
}

TEST(Replay, DealsComeBackFromTheirStartAndFromEveryStateOnTheWay) {
  for (uint32_t seed : {7u, 2024u, 99991u}) {
    for (int options : {arHotCards | arSound, arTransfer | arMultiLead}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", options " + std::to_string(options));
      const TRecordedDeal deal = PlayLive(seed, options);
      ASSERT_GT(deal.Events.size(), 5u);
      EXPECT_NE(json::parse(deal.States.back())["dealResult"], 0) << "the deal did not end";

      // From the start, all events in one go.
      THeadlessGame replay;
      LoadState(deal.Start, replay.Game, replay.Cards);
      for (size_t i = 0; i < deal.Events.size(); ++i) {
        ApplyEvent(deal.Events[i], replay);
        ASSERT_EQ(SaveState(replay.Game, replay.Cards).dump(), deal.States[i]) << "event " << i;
      }

      // Resumed: a fresh game loads the state after one event and takes the next. Whatever
      // the engine kept outside the state would make the two part ways here.
      for (size_t i = 0; i + 1 < deal.Events.size(); ++i) {
        THeadlessGame resumed;
        LoadState(json::parse(deal.States[i]), resumed.Game, resumed.Cards);
        ApplyEvent(deal.Events[i + 1], resumed);
        ASSERT_EQ(SaveState(resumed.Game, resumed.Cards).dump(), deal.States[i + 1])
            << "event " << i + 1;
      }
    }
  }
}

TEST(Replay, ARecordedDealReadBackFromItsLineEndsAsRecorded) {
  const TDealRecord recorded =
      RecordDeal(31337, arTransfer | arSound, "described", StrongPolicy(30));
  ASSERT_FALSE(recorded.Result.empty());
  TDealRecord record;
  ASSERT_TRUE(ParseDealRecord(DealRecordLine(recorded), record));
  EXPECT_EQ(record.Events.front(), (json{{"type", "deal"}, {"seed", 31337}}));
  THeadlessGame replay;
  LoadState(record.Start, replay.Game, replay.Cards);
  for (const json& event : record.Events) ApplyEvent(event, replay);
  const int result = replay.Game.DealResult;
  EXPECT_EQ(record.Result, result == drPlayerWon     ? "win"
                           : result == drComputerWon ? "loss"
                           : result == drDraw        ? "draw"
                                                     : "unfinished");
  EXPECT_TRUE(replay.Game.TransferOn);
}

TEST(Replay, TheStrongComputersRecordedMovesComeBackWhereItsSearchWouldNot) {
  // The recorded computer searched from other seeds than a replay would, as the window's
  // clock-cut search does: its moves in the record make the replay exact.
  int diverged = 0;
  for (uint64_t computerSeed : {5u, 77u, 901u, 4242u}) {
    const TDealRecord recorded =
        RecordDeal(static_cast<uint32_t>(computerSeed * 13 + 1), arTransfer, "strong",
                   StrongPolicy(30), 1000, computerSeed);
    ASSERT_FALSE(recorded.Result.empty());
    ASSERT_FALSE(recorded.Computer.empty());
    TDealRecord record;
    ASSERT_TRUE(ParseDealRecord(DealRecordLine(recorded), record));
    EXPECT_EQ(record.Computer, recorded.Computer);
    const TDealReplay replay = ReplayDeal(record);
    EXPECT_TRUE(replay.Problem.empty()) << replay.Problem;
    EXPECT_EQ(replay.Result, recorded.Result);
    // Without them the replay's own search answers otherwise somewhere.
    record.Computer.clear();
    const TDealReplay searched = ReplayDeal(record);
    if (!searched.Problem.empty() || searched.Steps.empty() || replay.Steps.empty() ||
        searched.Steps.back().State != replay.Steps.back().State)
      ++diverged;
  }
  EXPECT_GT(diverged, 0);
}

TEST(Replay, BadEventsAreRefusedWithTheirFault) {
  THeadlessGame game;
  const auto fault = [&](const json& event) {
    try {
      ApplyEvent(event, game);
    } catch (const THarnessError& e) {
      return e.Message;
    }
    return std::string("accepted");
  };
  EXPECT_EQ(fault(json::array()), "'event' must be an object");
  EXPECT_EQ(fault({{"type", "hint"}}), "unknown event type 'hint'");
  EXPECT_EQ(fault({{"type", "click"}, {"tag", 37}}), "event 'tag' out of range");
  EXPECT_EQ(fault({{"type", "deal"}, {"seed", 4294967296ull}}), "event 'seed' out of range");
  EXPECT_EQ(fault({{"type", "button"}, {"name", "Button6"}}), "unknown button 'Button6'");
}

}  // namespace
}  // namespace durak
