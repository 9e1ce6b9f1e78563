#include "ResumeFile.h"

#include <cstdio>

#include "Headless.h"
#include "SafeFile.h"
#include "StateJson.h"

namespace durak {

using nlohmann::json;
using nlohmann::ordered_json;

std::string ResumeText(const TResumePoint& point) {
  ordered_json file;
  file["version"] = kResumeVersion;
  file["kind"] = kResumeKind;
  file["player"] = point.Deal.Player;
  file["players"] = point.Deal.Players;
  file["options"] = point.Deal.Options;
  file["opponent"] = point.Deal.Opponent;
  file["deal"] = point.Deal.Deal;
  file["start"] = point.Deal.Start;
  file["events"] = point.Deal.Events;
  if (!point.Deal.Computer.empty()) file["computer"] = point.Deal.Computer;
  file["state"] = point.State;
  return file.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

bool WriteResumeFile(const std::string& path, const TResumePoint& point, std::string* error) {
  return WriteFileAtomically(path, ResumeText(point), error);
}

std::string SetAsidePath(const std::string& path) {
  return path + ".bad";
}

namespace {

// Whether the file's contents are a deal this program can go on with.
bool ReadPoint(const std::string& bytes, TResumePoint* point) {
  const ordered_json file = ordered_json::parse(bytes, nullptr, false);
  if (file.is_discarded() || !file.is_object()) return false;
  auto version = file.find("version");
  auto kind = file.find("kind");
  if (version == file.end() || !version->is_number_integer() ||
      version->get<int64_t>() != kResumeVersion || kind == file.end() || !kind->is_string() ||
      kind->get<std::string>() != kResumeKind)
    return false;
  // The deal's record so far reads as a history line does.
  ordered_json record = file;
  record["version"] = kDealRecordVersion;
  record["time"] = "";
  record["result"] = "draw";
  if (!ParseDealRecord(record.dump(-1, ' ', false, json::error_handler_t::replace), point->Deal))
    return false;
  point->Deal.Time.clear();
  point->Deal.Result.clear();
  auto state = file.find("state");
  if (state == file.end() || !state->is_object()) return false;
  // The engine must take the state, and the deal must still go on.
  try {
    THeadlessCards cards;
    THeadlessTable table;
    TFixedClock clock(0);
    TGame game(cards.Pointers(), table, clock);
    LoadState(*state, game, cards);
    if (game.DealResult != drGoesOn || (game.PlayerHand.empty() && game.CompHand.empty()))
      return false;
  } catch (const THarnessError&) {
    return false;
  } catch (const std::exception&) {
    return false;
  }
  point->State = *state;
  return true;
}

}  // namespace

TResumeLoad ReadResumeFile(const std::string& path, TResumePoint* point) {
  std::string bytes;
  const TFileRead read = ReadRegularFile(path, kResumeMaxBytes, &bytes);
  if (read == TFileRead::Missing) return TResumeLoad::None;
  if (read == TFileRead::Read && ReadPoint(bytes, point)) return TResumeLoad::Loaded;
  // Kept for a look under another name; a folder or a device there is left alone.
  if (read != TFileRead::NotRegular) std::rename(path.c_str(), SetAsidePath(path).c_str());
  return TResumeLoad::Refused;
}

}  // namespace durak
