#include "DealStatistics.h"

#include <algorithm>

#include "Game.h"

namespace durak {

void TTally::Add(const std::string& result) {
  ++Deals;
  if (result == "win")
    ++Wins;
  else if (result == "loss")
    ++Losses;
  else
    ++Draws;
}

TPlayerStatistics StatisticsFor(const std::vector<TDealRecord>& history, const std::string& player,
                                int stretch) {
  TPlayerStatistics s;
  stretch = std::max(1, stretch);
  int streak = 0;
  int inStretch = 0, wonInStretch = 0;
  for (const TDealRecord& r : history) {
    if (r.Player != player) continue;
    s.All.Add(r.Result);
    s.ByRules[{(r.Options & arTransfer) != 0, (r.Options & arMultiLead) != 0}].Add(r.Result);
    s.ByOpponent[r.Opponent].Add(r.Result);
    s.ByPlayers[r.Players].Add(r.Result);
    streak = r.Result == "win" ? streak + 1 : 0;
    s.LongestStreak = std::max(s.LongestStreak, streak);
    if (inStretch == 0) s.Shares.push_back({s.All.Deals, 0, 0.0});
    ++inStretch;
    if (r.Result == "win") ++wonInStretch;
    s.Shares.back().Deals = inStretch;
    s.Shares.back().Won = static_cast<double>(wonInStretch) / inStretch;
    if (inStretch == stretch) inStretch = wonInStretch = 0;
  }
  s.CurrentStreak = streak;
  return s;
}

}  // namespace durak
