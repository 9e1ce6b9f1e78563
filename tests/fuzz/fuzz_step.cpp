// One request of the engine harness: any line gets exactly one line of valid JSON back,
// either a whole response or an error, without a crash and without a hang.
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "FuzzSupport.h"
#include "Step.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::string response = durak::StepLine(line);
  FUZZ_CHECK(response.find('\n') == std::string::npos);
  const nlohmann::json r = nlohmann::json::parse(response, nullptr, false);
  FUZZ_CHECK(r.is_object());
  if (r.contains("error")) {
    FUZZ_CHECK(r.size() == 1 && r["error"].is_string());
    return 0;
  }
  for (const char* key : {"state", "speeches", "sounds", "menu", "result"})
    FUZZ_CHECK(r.contains(key));
  // What comes out is a state the harness takes back in.
  const nlohmann::json next = {{"state", r["state"]}, {"event", {{"type", "newgame"}}}};
  const nlohmann::json again = nlohmann::json::parse(durak::StepLine(next.dump()), nullptr, false);
  FUZZ_CHECK(again.is_object() && !again.contains("error"));
  return 0;
}
