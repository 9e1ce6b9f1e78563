// The resume file under fire: a player process killed at random moments, over and over in
// the same folder. Each next start must resume exactly the state last written before the
// kill (or, when the kill fell inside a write, the one before it), and never meet a damaged
// file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "ResumeFile.h"
#include "TempDir.h"

namespace durak::testing {
namespace {

using nlohmann::json;

// What the resume file may hold: a state, or nothing at all.
using TExpected = std::optional<json>;

struct TRun {
  std::string Output;
};

// Starts the driver, lets it play for the given time, kills it and collects what it said.
TRun PlayAndKill(const std::string& folder, uint32_t seed, int micros) {
  int out[2];
  EXPECT_EQ(::pipe(out), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out[1], 1);
    ::close(out[0]);
    ::close(out[1]);
    const std::string seedText = std::to_string(seed);
    ::execl(DURAK_KEEPING_DRIVER, DURAK_KEEPING_DRIVER, "play", folder.c_str(), seedText.c_str(),
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(out[1]);
  std::this_thread::sleep_for(std::chrono::microseconds(micros));
  ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  TRun run;
  char buffer[65536];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) run.Output.append(buffer, n);
  ::close(out[0]);
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
    lines.push_back(text.substr(from, end - from));
  return lines;  // a line cut off by the kill is left out
}

class ResumeKillTest : public TempDirTest {};

TEST_F(ResumeKillTest, EveryStartResumesTheLastStateWritten) {
  std::mt19937 random(20261209);
  const std::string folder = dir_.string();
  // What the file may hold after the previous run: one state, or either of two when the
  // kill fell inside a write.
  std::vector<TExpected> mayHold = {std::nullopt};
  int resumed = 0, mid = 0, checked = 0, run = 0;
  // Kills that came before the start had read the file leave it as it was and are not
  // counted: a hundred starts are checked.
  const int kChecked = 100;
  for (; checked < kChecked && run < 3 * kChecked; ++run) {
    const TRun r = PlayAndKill(folder, random(), 3000 + static_cast<int>(random() % 40000));
    const std::vector<std::string> lines = Lines(r.Output);
    if (lines.empty()) continue;
    ++checked;
    // The start: what it resumed must be what the last run left.
    const std::string& first = lines.front();
    ASSERT_NE(first, "B") << "run " << run << " met a damaged resume file";
    TExpected found;
    if (first.rfind("R ", 0) == 0) {
      found = json::parse(first.substr(2));
      ++resumed;
    } else {
      ASSERT_EQ(first, "N") << "run " << run;
    }
    bool matched = false;
    for (const TExpected& e : mayHold) matched = matched || e == found;
    ASSERT_TRUE(matched) << "run " << run << " resumed " << (found ? found->dump() : "nothing");

    // Then what this run wrote: the last write finished, and one begun after it, if any.
    TExpected done = found, begun;
    bool inWrite = false;
    for (size_t i = 1; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      if (line == "W") {
        done = begun;
        inWrite = false;
      } else {
        begun = line == "F" ? TExpected() : TExpected(json::parse(line.substr(2)));
        inWrite = true;
      }
    }
    mayHold = {done};
    if (inWrite) {
      mayHold.push_back(begun);
      ++mid;
    }
  }
  EXPECT_EQ(checked, kChecked);
  // Many starts found a deal to resume, and many kills fell inside a write.
  EXPECT_GT(resumed, kChecked / 4);
  EXPECT_GT(mid, kChecked / 10);
  std::printf("%d kills, %d starts checked, %d resumed a deal, %d kills inside a write\n", run,
              checked, resumed, mid);
}

}  // namespace
}  // namespace durak::testing
