// Runs the harness cases kept as JSON Lines beside this file. Each line is
// {"name": "...", "request": {...}, "expect": {...}}: the response must contain every key of
// "expect" with the same value (objects are compared key by key, arrays and scalars whole;
// the string "*" only asks for the key to be there).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "Step.h"

namespace {

using nlohmann::json;

void ExpectSubset(const json& expect, const json& actual, const std::string& path) {
  if (expect.is_string() && expect.get<std::string>() == "*") return;
  if (expect.is_object()) {
    ASSERT_TRUE(actual.is_object()) << path << " is not an object: " << actual.dump();
    for (auto it = expect.begin(); it != expect.end(); ++it) {
      ASSERT_TRUE(actual.contains(it.key())) << path << "." << it.key() << " missing";
      ExpectSubset(it.value(), actual[it.key()], path + "." + it.key());
    }
    return;
  }
  EXPECT_EQ(expect, actual) << "at " << path;
}

struct THarnessCase {
  std::string File, Name;
  json Request, Expect;
};

std::vector<THarnessCase> LoadCases() {
  std::vector<THarnessCase> cases;
  for (const auto& entry : std::filesystem::directory_iterator(HARNESS_CASES_DIR)) {
    if (entry.path().extension() != ".jsonl") continue;
    std::ifstream in(entry.path());
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
      ++n;
      if (durak::IsBlankLine(line) || line[0] == '#') continue;
      const json c = json::parse(line);
      cases.push_back({entry.path().filename().string() + ":" + std::to_string(n),
                       c.value("name", std::string()), c.at("request"), c.at("expect")});
    }
  }
  return cases;
}

TEST(HarnessCases, EveryCaseGetsItsExpectedResponse) {
  const auto cases = LoadCases();
  ASSERT_GE(cases.size(), 10u);
  for (const THarnessCase& c : cases) {
    SCOPED_TRACE(c.File + " " + c.Name);
    const std::string line =
        c.Request.is_string() ? c.Request.get<std::string>() : c.Request.dump();
    const json response = json::parse(durak::StepLine(line));
    ExpectSubset(c.Expect, response, "response");
  }
}

}  // namespace
