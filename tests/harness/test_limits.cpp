// The harness's limits: a request line is capped, numbers beyond their range are refused,
// the record's counters stop at the top instead of turning negative, and `play` refuses a
// count of deals no run could finish.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "Step.h"

namespace {

using nlohmann::json;

json Step(const std::string& line) {
  return json::parse(durak::StepLine(line));
}

TEST(HarnessLimits, OverlongLineGetsAnErrorAndTheNextLineIsAnswered) {
  const std::string huge = "{\"state\":{},\"x\":\"" + std::string(3 << 20, 'a') + "\"}";
  std::istringstream in(huge + "\n" + R"({"event":{"type":"newgame"}})" + "\n");
  std::string line;
  ASSERT_TRUE(durak::ReadRequestLine(in, &line));
  // Only a little over the cap is ever held, never the whole line.
  EXPECT_EQ(line.size(), durak::kMaxRequestLine + 1);
  const json first = Step(line);
  ASSERT_TRUE(first.contains("error"));
  EXPECT_NE(first["error"].get<std::string>().find("longer"), std::string::npos);
  ASSERT_TRUE(durak::ReadRequestLine(in, &line));
  EXPECT_TRUE(Step(line).contains("state"));
  EXPECT_FALSE(durak::ReadRequestLine(in, &line));
  // A last line without a line break is still a line.
  std::istringstream last("{}");
  ASSERT_TRUE(durak::ReadRequestLine(last, &line));
  EXPECT_EQ(line, "{}");
}

TEST(HarnessLimits, NumbersBeyondTheirRangeAreRefused) {
  for (const char* request : {
           R"({"state":{"myScore":2147483648},"event":{"type":"newgame"}})",
           R"({"state":{"record":{"games":-2147483649}},"event":{"type":"newgame"}})",
           R"({"state":{"record":{"wins":99999999999999999999999}},"event":{"type":"newgame"}})",
           R"({"state":{"record":{"rating":1e999}},"event":{"type":"newgame"}})",
           R"({"state":{},"event":{"type":"deal","seed":4294967296}})",
           R"({"state":{},"event":{"type":"hm","action":18446744073709551616,"afterTake":0}})",
       })
    EXPECT_TRUE(Step(request).contains("error")) << request;
}

TEST(HarnessLimits, RecordCountersStopAtTheTop) {
  // The player's last card wins the deal: one more game and one more win, except that
  // both counters already stand at the largest value a record holds.
  const json r =
      Step(R"({"state":{"trump":4,"playerHand":[5],"compHand":[1,2,3],"playMode":0,)"
           R"("myScore":2147483647,"record":{"games":2147483647,"wins":2147483647,"losses":0,)"
           R"("rating":1.0}},"event":{"type":"click","tag":5}})");
  ASSERT_TRUE(r.contains("state")) << r.dump();
  EXPECT_EQ(r["result"], -1);
  EXPECT_EQ(r["state"]["record"]["games"], 2147483647);
  EXPECT_EQ(r["state"]["record"]["wins"], 2147483647);
  EXPECT_EQ(r["state"]["myScore"], 2147483647);
  EXPECT_DOUBLE_EQ(r["state"]["record"]["rating"].get<double>(), 1.0);
}

TEST(HarnessLimits, PlayRefusesMoreThanABillionDeals) {
  const std::string err =
      ::testing::TempDir() + std::to_string(::getpid()) + "_durak_sim_games.err";
  const std::string cmd = std::string("\"") + DURAK_SIM_PATH +
                          "\" play --games 1000000001 --seed 1 > /dev/null 2> \"" + err + "\"";
  const int status = std::system(cmd.c_str());
  ASSERT_NE(status, -1);
  EXPECT_EQ(WEXITSTATUS(status), 2);
  std::ifstream f(err);
  const std::string message((std::istreambuf_iterator<char>(f)), {});
  EXPECT_NE(message.find("1000000000"), std::string::npos) << message;
  // The largest count allowed is taken (and a run of none ends at once).
  const std::string ok =
      std::string("\"") + DURAK_SIM_PATH + "\" play --games 0 --seed 1 > /dev/null";
  EXPECT_EQ(std::system(ok.c_str()), 0);
}

}  // namespace
