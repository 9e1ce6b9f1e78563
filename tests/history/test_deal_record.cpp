// The history file's lines: a record comes back as written, and a reader keeps every good
// line while skipping the damaged, the newer and the foreign ones.
#include <gtest/gtest.h>

#include <string>

#include "DealRecord.h"

namespace durak {
namespace {

using nlohmann::json;

TDealRecord SampleRecord() {
  TDealRecord r;
  r.Player = "Маша";
  r.Time = "2026-12-09T05:00:00Z";
  r.Options = 9;
  r.Opponent = "strong";
  r.Deal = 4294967295u;
  r.Result = "draw";
  r.Start = json{{"trump", 2}, {"myScore", 3}};
  r.Events = {json{{"type", "deal"}, {"seed", 4294967295u}},
              json{{"type", "click"}, {"tag", 5}, {"menu", -1}}};
  return r;
}

TEST(DealRecord, ALineComesBackAsWrittenWithItsKeysInOrder) {
  const std::string line = DealRecordLine(SampleRecord());
  EXPECT_EQ(line.find('\n'), std::string::npos);
  EXPECT_EQ(line.rfind("{\"version\":1,\"player\":\"Маша\",\"time\":", 0), 0u) << line;
  TDealRecord back;
  std::string why;
  ASSERT_TRUE(ParseDealRecord(line, back, &why)) << why;
  EXPECT_EQ(DealRecordLine(back), line);
  EXPECT_EQ(back.Deal, 4294967295u);
  EXPECT_EQ(back.Events.size(), 2u);
}

TEST(DealRecord, ReadersSkipWhatTheyCannotUseAndKeepTheRest) {
  const std::string good = DealRecordLine(SampleRecord());
  json newer = json::parse(good);
  newer["version"] = 2;
  json foreign = json::parse(good);
  foreign["opponent"] = "wizard";
  json badEvent = json::parse(good);
  badEvent["events"].push_back(7);
  json bigDeal = json::parse(good);
  bigDeal["deal"] = 4294967296ull;
  const std::string deep = std::string(100000, '[') + std::string(100000, ']');
  const std::string text = good + "\n" + good.substr(0, good.size() / 2) + "\n" + newer.dump() +
                           "\r\n" + "\n   \n" + foreign.dump() + "\n" + badEvent.dump() + "\n" +
                           deep + "\n" + bigDeal.dump() + "\n[1,2]\n" + good + "\r\n";
  int skipped = 0;
  const std::vector<TDealRecord> records = ParseDealRecords(text, &skipped);
  EXPECT_EQ(records.size(), 2u);
  EXPECT_EQ(skipped, 7);

  TDealRecord r;
  std::string why;
  EXPECT_FALSE(ParseDealRecord(newer.dump(), r, &why));
  EXPECT_EQ(why, "version 2, not 1");
  EXPECT_FALSE(ParseDealRecord(deep, r, &why));
  EXPECT_EQ(why, "JSON nested too deeply");
}

}  // namespace
}  // namespace durak
