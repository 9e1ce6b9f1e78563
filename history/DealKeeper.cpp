#include "DealKeeper.h"

#include <cstdio>
#include <ctime>
#include <utility>

#include "Game.h"
#include "HistoryFile.h"

namespace durak {

std::string ResultWord(int dealResult) {
  switch (dealResult) {
    case drPlayerWon:
      return "win";
    case drComputerWon:
      return "loss";
    case drDraw:
      return "draw";
    default:
      return std::string();
  }
}

std::string UtcTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

TDealKeeper::TDealKeeper(std::string resumePath, std::string historyPath)
    : resumePath_(std::move(resumePath)), historyPath_(std::move(historyPath)) {}

void TDealKeeper::StartDeal(nlohmann::ordered_json start, uint32_t dealNumber,
                            const std::string& player, const std::string& opponent,
                            int32_t options) {
  point_ = TResumePoint{};
  point_.Deal.Player = player;
  point_.Deal.Opponent = opponent;
  point_.Deal.Options = options;
  point_.Deal.Deal = dealNumber;
  point_.Deal.Start = std::move(start);
  inDeal_ = true;
}

void TDealKeeper::ResumeDeal(const TResumePoint& point) {
  point_ = point;
  inDeal_ = true;
}

bool TDealKeeper::AfterEvent(const nlohmann::json& event, const nlohmann::ordered_json& stateAfter,
                             int dealResult) {
  if (!inDeal_) return true;
  point_.Deal.Events.push_back(event);
  point_.State = stateAfter;
  lastError_.clear();
  const std::string result = ResultWord(dealResult);
  if (result.empty()) return WriteResumeFile(resumePath_, point_, &lastError_);
  // The deal is over: into the history, and nothing left to resume.
  inDeal_ = false;
  TDealRecord record = point_.Deal;
  record.Time = UtcTimeNow();
  record.Result = result;
  const bool kept =
      AppendToHistory(historyPath_, DealRecordLine(record), kHistoryMaxDeals, &lastError_);
  std::remove(resumePath_.c_str());
  return kept;
}

void TDealKeeper::Abandon() {
  inDeal_ = false;
  std::remove(resumePath_.c_str());
}

}  // namespace durak
