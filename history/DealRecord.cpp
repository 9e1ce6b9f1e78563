#include "DealRecord.h"

#include <cstdint>

#include "JsonDepth.h"

namespace durak {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

bool Fail(std::string* why, const std::string& message) {
  if (why != nullptr) *why = message;
  return false;
}

bool StringKey(const json& line, const char* key, std::string& out) {
  auto it = line.find(key);
  if (it == line.end() || !it->is_string()) return false;
  out = it->get<std::string>();
  return true;
}

bool IntegerKey(const json& line, const char* key, int64_t lo, int64_t hi, int64_t& out) {
  auto it = line.find(key);
  if (it == line.end() || !it->is_number_integer()) return false;
  if (it->is_number_unsigned() && it->get<uint64_t>() > uint64_t(INT64_MAX)) return false;
  out = it->get<int64_t>();
  return out >= lo && out <= hi;
}

bool OneOf(const std::string& value, std::initializer_list<const char*> allowed) {
  for (const char* a : allowed)
    if (value == a) return true;
  return false;
}

}  // namespace

bool ParseDealRecord(const std::string& text, TDealRecord& record, std::string* why) {
  if (NestedTooDeeply(text)) return Fail(why, "JSON nested too deeply");
  const json line = json::parse(text, nullptr, false);
  if (line.is_discarded()) return Fail(why, "not valid JSON");
  if (!line.is_object()) return Fail(why, "not a JSON object");
  int64_t version = 0;
  if (!IntegerKey(line, "version", INT32_MIN, INT32_MAX, version))
    return Fail(why, "no integer 'version'");
  if (version != kDealRecordVersion)
    return Fail(
        why, "version " + std::to_string(version) + ", not " + std::to_string(kDealRecordVersion));

  TDealRecord r;
  int64_t players = 0, options = 0, deal = 0;
  if (!StringKey(line, "player", r.Player)) return Fail(why, "no string 'player'");
  if (!StringKey(line, "time", r.Time)) return Fail(why, "no string 'time'");
  if (!IntegerKey(line, "players", 2, 4, players)) return Fail(why, "'players' not 2..4");
  if (!IntegerKey(line, "options", INT32_MIN, INT32_MAX, options))
    return Fail(why, "no integer 'options'");
  if (!StringKey(line, "opponent", r.Opponent) ||
      !OneOf(r.Opponent, {"described", "strong", "easy"}))
    return Fail(why, "'opponent' not described, strong or easy");
  if (!IntegerKey(line, "deal", 0, UINT32_MAX, deal)) return Fail(why, "'deal' not 0..4294967295");
  if (!StringKey(line, "result", r.Result) || !OneOf(r.Result, {"win", "loss", "draw"}))
    return Fail(why, "'result' not win, loss or draw");
  auto start = line.find("start");
  if (start == line.end() || !start->is_object()) return Fail(why, "no object 'start'");
  auto events = line.find("events");
  if (events == line.end() || !events->is_array()) return Fail(why, "no array 'events'");
  for (const json& e : *events)
    if (!e.is_object()) return Fail(why, "an event that is not an object");
  auto computer = line.find("computer");
  if (computer != line.end()) {
    if (!computer->is_array()) return Fail(why, "'computer' not an array");
    for (const json& code : *computer) {
      if (!code.is_number_integer() || code.get<int64_t>() < 0 || code.get<int64_t>() > 65535)
        return Fail(why, "a computer move that is not a move code");
      r.Computer.push_back(code.get<uint16_t>());
    }
  }

  r.Players = static_cast<int>(players);
  r.Options = static_cast<int32_t>(options);
  r.Deal = static_cast<uint32_t>(deal);
  r.Start = *start;
  r.Events.assign(events->begin(), events->end());
  record = std::move(r);
  return true;
}

std::string DealRecordLine(const TDealRecord& record) {
  ordered_json line;
  line["version"] = kDealRecordVersion;
  line["player"] = record.Player;
  line["time"] = record.Time;
  line["players"] = record.Players;
  line["options"] = record.Options;
  line["opponent"] = record.Opponent;
  line["deal"] = record.Deal;
  line["result"] = record.Result;
  line["start"] = record.Start;
  line["events"] = record.Events;
  if (!record.Computer.empty()) line["computer"] = record.Computer;
  // A name in a broken encoding is kept readable rather than failing the whole line.
  return line.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::vector<TDealRecord> ParseDealRecords(const std::string& text, int* skipped) {
  std::vector<TDealRecord> records;
  int bad = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    TDealRecord record;
    if (ParseDealRecord(line, record))
      records.push_back(std::move(record));
    else
      ++bad;
  }
  if (skipped != nullptr) *skipped = bad;
  return records;
}

}  // namespace durak
