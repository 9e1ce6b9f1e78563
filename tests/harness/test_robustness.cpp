// durak-sim step on hostile input: thousands of mutated requests through the real program,
// each answered by exactly one line of valid JSON, in order, without a crash or a hang.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "Step.h"

namespace {

using nlohmann::json;

const char* const kSeeds[] = {
    R"({"state":{},"event":{"type":"deal","seed":5}})",
    R"({"state":{"trump":4,"playerHand":[17,25,33,4],"compHand":[28,30],"deck":[20,5],"playMode":1,"compRow":[9,0,0,0,0,0],"tableCards":[9],"transferOn":true},"event":{"type":"click","tag":25,"menu":6}})",
    R"({"state":{"playerHand":[1],"tableCards":[8,12],"playerRow":[8,0,0,0,0,0],"compRow":[12,0,0,0,0,0]},"event":{"type":"button","name":"Button4"}})",
    R"({"state":{"playerHand":[20],"compHand":[3,7],"playMode":3},"event":{"type":"hm","action":3,"afterTake":1}})",
    R"({"event":{"type":"newgame"}})",
};

// One random change to a request text: a byte replaced, dropped or duplicated, a span cut,
// or a number swapped for an extreme one.
std::string Mutate(std::string s, std::mt19937& rng) {
  static const char* const kTokens[] = {
      "-1", "37",    "0",    "4294967296",           "1e309", "null", "[]",
      "{}", "\"x\"", "true", "99999999999999999999", "[[[["};
  const int kinds = 5;
  const int times = 1 + static_cast<int>(rng() % 4);
  for (int t = 0; t < times && !s.empty(); ++t) {
    const size_t at = rng() % s.size();
    switch (rng() % kinds) {
      case 0:
        s[at] = static_cast<char>(rng() % 256);
        break;
      case 1:
        s.erase(at, 1);
        break;
      case 2:
        s.insert(at, 1, s[at]);
        break;
      case 3:
        s.erase(at, rng() % 20);
        break;
      default: {
        size_t digit = s.find_first_of("0123456789", at);
        if (digit == std::string::npos) digit = at;
        s.replace(digit, 1, kTokens[rng() % std::size(kTokens)]);
      }
    }
  }
  // A line break inside would split the request into two lines.
  for (char& ch : s)
    if (ch == '\n' || ch == '\r') ch = ' ';
  return s;
}

TEST(HarnessRobustness, MutatedRequestsEachGetOneJsonLine) {
  std::mt19937 rng(20261208);
  std::vector<std::string> requests;
  for (int i = 0; i < 3000; ++i) {
    std::string r = Mutate(kSeeds[i % std::size(kSeeds)], rng);
    if (durak::IsBlankLine(r)) r = "x";
    requests.push_back(r);
  }
  requests.push_back(std::string(100000, '[') + std::string(100000, ']'));
  requests.push_back(R"({"state":{"playerHand":[1,1]},"event":{"type":"newgame"}})");
  requests.push_back(
      R"({"state":{"tableCards":[],"playerRow":[5,0,0,0,0,0]},"event":{"type":"newgame"}})");
  requests.push_back(R"({"state":{"deck":[40]},"event":{"type":"newgame"}})");
  requests.push_back(R"({"state":{},"event":{"type":"fly"}})");

  const std::string in =
      ::testing::TempDir() + std::to_string(::getpid()) + "_durak_sim_requests.jsonl";
  const std::string out =
      ::testing::TempDir() + std::to_string(::getpid()) + "_durak_sim_responses.jsonl";
  {
    std::ofstream f(in, std::ios::binary);
    for (const std::string& r : requests) f << r << '\n';
  }
  const std::string cmd =
      std::string("\"") + DURAK_SIM_PATH + "\" step < \"" + in + "\" > \"" + out + "\"";
  ASSERT_EQ(std::system(cmd.c_str()), 0);

  std::ifstream f(out, std::ios::binary);
  std::string line;
  size_t n = 0, errors = 0;
  while (std::getline(f, line)) {
    const json r = json::parse(line, nullptr, false);
    ASSERT_FALSE(r.is_discarded()) << "response " << n << " is not JSON: " << line;
    ASSERT_TRUE(r.contains("error") || r.contains("state")) << line;
    if (r.contains("error")) ++errors;
    ++n;
  }
  EXPECT_EQ(n, requests.size());
  EXPECT_GT(errors, 0u);
  // The last five requests are each invalid in their own way.
  for (size_t i = requests.size() - 5; i < requests.size(); ++i) {
    const json r = json::parse(durak::StepLine(requests[i]));
    EXPECT_TRUE(r.contains("error")) << requests[i].substr(0, 80);
  }
}

}  // namespace
