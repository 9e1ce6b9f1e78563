// One finished deal as the history file keeps it: one line of JSON (JSON Lines, UTF-8, the
// oldest deal first). The line holds who played, when, the rules, the opponent's level, the
// deal's number, its result for the player, the engine's state before the deal and every
// input of the window after it, so that replaying the inputs from that state gives the
// deal again move by move:
//
//   {"version":1, "player":"", "time":"2026-12-09T05:00:00Z", "players":2, "options":9,
//    "opponent":"described", "deal":123, "result":"win", "start":{...},
//    "events":[{"type":"deal","seed":123}, {"type":"click","tag":5,"menu":-1}, ...],
//    "computer":[41, 8, ...]}
//
// "computer", present only against the strong computer, lists the computer's moves in the
// order it made them (the search model's move codes): its search is cut short by the
// clock, so replaying the inputs alone need not bring the same moves again.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace durak {

constexpr int kDealRecordVersion = 1;

struct TDealRecord {
  std::string Player;    // the champion's name, empty when none was chosen
  std::string Time;      // when the deal ended, UTC, ISO 8601
  int Players = 2;       // people at the table, the player included
  int32_t Options = 0;   // the engine's option bits
  std::string Opponent;  // "described", "strong" or "easy"
  uint32_t Deal = 0;     // the deal's number: what its shuffle starts from
  std::string Result;    // for the player: "win", "loss" or "draw"
  nlohmann::json Start;  // the engine's state before the deal, as the harness reads it
  std::vector<nlohmann::json> Events;  // the window's inputs, as the harness's events
  std::vector<uint16_t> Computer;      // the strong computer's moves, in order
};

// Reads one line. False, with the reason in *why when given, for a line that is damaged,
// of another version or not a deal record at all; such a line is skipped by every reader.
bool ParseDealRecord(const std::string& line, TDealRecord& record, std::string* why = nullptr);

// The record as one line of the history file (without its line break), keys in the order
// above.
std::string DealRecordLine(const TDealRecord& record);

// Every usable record of a history file's text, oldest first; the lines that cannot be
// used are left out and counted in *skipped when given.
std::vector<TDealRecord> ParseDealRecords(const std::string& text, int* skipped = nullptr);

}  // namespace durak
