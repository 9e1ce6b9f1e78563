// Keeps the deal in progress: its record from the state before the deal through every
// event the window feeds the engine. After each event the deal is written to the resume
// file; once it ends, its record goes into the history file and the resume file goes.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "DealRecord.h"
#include "ResumeFile.h"

namespace durak {

// The result word of a record for the engine's end of a deal (drPlayerWon, drComputerWon,
// drDraw); empty while the deal goes on.
std::string ResultWord(int dealResult);
// The time now as the records write it: UTC, ISO 8601.
std::string UtcTimeNow();

class TDealKeeper {
 public:
  TDealKeeper(std::string resumePath, std::string historyPath);

  // A new deal: the state before it and what the record says about it. The deal's own
  // event ({"type":"deal","seed":N}) comes next through AfterEvent.
  void StartDeal(nlohmann::ordered_json start, uint32_t dealNumber, const std::string& player,
                 const std::string& opponent, int32_t options);
  // A deal taken from the resume file goes on.
  void ResumeDeal(const TResumePoint& point);
  // The event the window fed the engine and the harness state after it, with the deal's
  // result then (TGame::DealResult). False when a file could not be written (LastError).
  bool AfterEvent(const nlohmann::json& event, const nlohmann::ordered_json& stateAfter,
                  int dealResult);
  // The strong computer's moves so far in this deal, kept with the record (DealRecord.h).
  void NoteComputerMoves(const std::vector<uint16_t>& codes) { point_.Deal.Computer = codes; }
  // The deal is given up (a new game): the resume file goes, no history line is written.
  void Abandon();

  bool InDeal() const { return inDeal_; }
  uint32_t DealNumber() const { return point_.Deal.Deal; }
  const TResumePoint& Point() const { return point_; }
  const std::string& LastError() const { return lastError_; }
  const std::string& ResumePath() const { return resumePath_; }
  const std::string& HistoryPath() const { return historyPath_; }

 private:
  std::string resumePath_, historyPath_;
  TResumePoint point_;
  bool inDeal_ = false;
  std::string lastError_;
};

}  // namespace durak
