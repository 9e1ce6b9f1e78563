// The resume file durak-resume.json: the deal in progress, written after every move so
// that a deal cut off (the window closed, a crash, a power cut) goes on at the next start.
// It holds the deal's record so far (the player, the rules, the state before the deal and
// the events since) and the harness state after the last move.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "DealRecord.h"

namespace durak {

// The version written into the file; a file of any other version is not loaded.
constexpr int kResumeVersion = 1;
// What the file says it is, so that another program's JSON is not taken for a deal.
inline constexpr char kResumeKind[] = "durak-resume";
// The largest resume file read; a deal's record is far smaller.
constexpr size_t kResumeMaxBytes = 4u << 20;

struct TResumePoint {
  TDealRecord Deal;              // Time and Result unused
  nlohmann::ordered_json State;  // the harness state after the last move
};

// The file's text for the deal.
std::string ResumeText(const TResumePoint& point);
// Writes the file through a temporary file renamed over the old one.
bool WriteResumeFile(const std::string& path, const TResumePoint& point,
                     std::string* error = nullptr);

enum class TResumeLoad {
  None,     // no file: nothing to resume
  Loaded,   // *point holds a deal that goes on
  Refused,  // damaged, of another program or another version: set aside, not loaded
};
// Reads and checks the file: its version and kind, and that the engine accepts its state
// as a deal still going on. A refused file is renamed to <path>.bad (replacing an older
// one) so that it is kept for a look and not offered again.
TResumeLoad ReadResumeFile(const std::string& path, TResumePoint* point);

// The name a refused file is kept under.
std::string SetAsidePath(const std::string& path);

}  // namespace durak
