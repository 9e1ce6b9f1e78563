// `durak-sim table` and `durak-sim play --players 3|4`, run in-process.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "Play.h"
#include "TableStep.h"

namespace durak {
namespace {

using nlohmann::json;

json Step(const json& request) {
  return json::parse(TableStepLine(request.dump()));
}

TEST(TableStep, ADealShowsEveryHandTheStockAndTheMovesOfTheSeatToMove) {
  const json r = Step({{"deal", {{"players", 4}, {"options", 2}, {"seed", 5}}}});
  ASSERT_FALSE(r.contains("error")) << r.dump();
  const json& s = r["state"];
  EXPECT_EQ(s["players"], 4);
  EXPECT_EQ(s["handCounts"], json::array({6, 6, 6, 6}));
  EXPECT_EQ(s["stock"].size(), 12u);
  EXPECT_EQ(s["stock"][0], s["trumpCard"]);
  EXPECT_EQ(s["phase"], "lead");
  EXPECT_EQ(s["toMove"], s["attacker"]);
  EXPECT_EQ(r["legal"].size(), 6u);  // any card of the attacker's hand
  EXPECT_EQ(r["events"][0]["event"], "dealt");
  EXPECT_EQ(r["events"].back()["event"], "bout");
}

TEST(TableStep, WholeDealsRunThroughTheJsonAndBackUnchanged) {
  for (int options : {0, 2, 6}) {
    json r = Step({{"deal", {{"players", 3}, {"options", options}, {"seed", 11}}}});
    int steps = 0;
    while (r["state"]["fool"].is_null() && steps < 2000) {
      const json state = r["state"];
      // A state read back is written out the same.
      const json echo = Step({{"state", state}});
      ASSERT_EQ(echo["state"], state);
      const int seat = state["toMove"];
      // Every third move is one of the legal moves as given; the rest the computer's.
      json request = {{"state", state}, {"seat", seat}};
      if (steps % 3 == 0)
        request["move"] = r["legal"][0];
      else
        request["computer"] = "ordinary";
      r = Step(request);
      ASSERT_FALSE(r.contains("error")) << r.dump();
      ++steps;
    }
    EXPECT_EQ(r["state"]["phase"], "over");
    EXPECT_LT(steps, 2000);
  }
}

TEST(TableStep, RefusesWhatTheRulesDoNotAllowWithAMessage) {
  const json dealt = Step({{"deal", {{"players", 3}, {"seed", 3}}}});
  const json state = dealt["state"];
  const int toMove = state["toMove"];
  const int other = (toMove + 1) % 3;
  auto error = [](const json& r) { return r.value("error", std::string()); };

  EXPECT_NE(error(Step({{"state", state}, {"seat", other}, {"move", {{"kind", "take"}}}}))
                .find("not to move"),
            std::string::npos);
  EXPECT_NE(error(Step({{"state", state}, {"seat", toMove}, {"move", {{"kind", "take"}}}}))
                .find("not legal"),
            std::string::npos);
  EXPECT_NE(error(Step({{"state", state}, {"seat", toMove}, {"move", {{"kind", "fly"}}}}))
                .find("unknown"),
            std::string::npos);
  json twice = state;
  twice["hands"][other].push_back(state["hands"][toMove][0]);
  EXPECT_NE(error(Step({{"state", twice}})).find("twice"), std::string::npos);
  json badPhase = state;
  badPhase["phase"] = "defend";
  EXPECT_NE(error(Step({{"state", badPhase}})).find("breaks the rules"), std::string::npos);
  EXPECT_NE(error(Step({{"deal", {{"players", 5}}}})).find("out of range"), std::string::npos);
  EXPECT_FALSE(error(json::parse(TableStepLine("[1, 2"))).empty());
  EXPECT_FALSE(error(json::parse(TableStepLine(std::string(100, '[')))).empty());
  EXPECT_FALSE(error(json::parse(TableStepLine("42"))).empty());
}

int RunPlayArgs(std::vector<std::string> args, std::string& out, std::string& err) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  std::ostringstream o, e;
  const int status = RunPlay(static_cast<int>(argv.size()), argv.data(), o, e);
  out = o.str();
  err = e.str();
  return status;
}

TEST(TablePlay, PlaysWholeDealsAndCountsEachSeatsShareAsTheFool) {
  std::string out, err;
  ASSERT_EQ(
      RunPlayArgs({"--players", "4", "--games", "60", "--seed", "3", "--options", "6"}, out, err),
      0)
      << err;
  const json s = json::parse(out);
  EXPECT_EQ(s["deals"], 60);
  EXPECT_EQ(s["violations"], 0);
  EXPECT_EQ(s["stuck"], 0);
  EXPECT_EQ(s["unfinished"], 0);
  EXPECT_EQ(s["seats"], json::array({"random", "ordinary", "ordinary", "ordinary"}));
  uint64_t ended = s["draws"];
  for (const json& n : s["fools"]) ended += n.get<uint64_t>();
  EXPECT_EQ(ended, 60u);
  EXPECT_GT(s["decisions"], 0);

  ASSERT_EQ(RunPlayArgs({"--players", "3", "--games", "20", "--seats", "ordinary,first,random"},
                        out, err),
            0);
  EXPECT_EQ(json::parse(out)["seats"], json::array({"ordinary", "first", "random"}));
}

TEST(TablePlay, BadArgumentsAreRefused) {
  std::string out, err;
  EXPECT_EQ(RunPlayArgs({"--players", "5", "--games", "1"}, out, err), 2);
  EXPECT_EQ(RunPlayArgs({"--players", "3", "--seats", "ordinary,random"}, out, err), 2);
  EXPECT_NE(err.find("--seats needs 3"), std::string::npos);
  EXPECT_EQ(RunPlayArgs({"--players", "3", "--opponent", "described"}, out, err), 2);
  EXPECT_TRUE(out.empty());
}

TEST(TablePlay, TwoPlayersStayTheTwoPlayerGame) {
  std::string with, without, err;
  ASSERT_EQ(RunPlayArgs({"--players", "2", "--games", "30", "--seed", "4"}, with, err), 0);
  ASSERT_EQ(RunPlayArgs({"--games", "30", "--seed", "4"}, without, err), 0);
  json a = json::parse(with), b = json::parse(without);
  for (const char* timing : {"seconds", "dealsPerSecond"}) {
    a.erase(timing);
    b.erase(timing);
  }
  EXPECT_EQ(a, b);
  EXPECT_FALSE(a.contains("players"));
}

}  // namespace
}  // namespace durak
