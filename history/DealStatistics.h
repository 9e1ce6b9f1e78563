// One player's record as the history tells it: deals, wins, losses and draws, by rules, by
// opponent and by table size, the winning streaks, and the share won over time.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "DealRecord.h"

namespace durak {

struct TTally {
  int Deals = 0, Wins = 0, Losses = 0, Draws = 0;
  void Add(const std::string& result);
};

// The rules a deal was played by, as the statistics group them.
struct TRulesKey {
  bool Transfer = false;   // transfer rather than throw-in
  bool MultiLead = false;  // several cards may be led at once
  bool operator<(const TRulesKey& o) const {
    return Transfer != o.Transfer ? Transfer < o.Transfer : MultiLead < o.MultiLead;
  }
};

// The share of deals won in one stretch of the history.
struct TStretchShare {
  int FirstDeal = 0;  // 1-based position of its first deal among the player's deals
  int Deals = 0;      // how many deals it holds (the last stretch may hold fewer)
  double Won = 0.0;   // wins / deals
};

struct TPlayerStatistics {
  TTally All;
  std::map<TRulesKey, TTally> ByRules;
  std::map<std::string, TTally> ByOpponent;
  std::map<int, TTally> ByPlayers;
  int CurrentStreak = 0;  // wins in a row up to the last deal
  int LongestStreak = 0;
  std::vector<TStretchShare> Shares;
};

// The deals played stretch by stretch for the plot.
constexpr int kStretchDeals = 20;

// The statistics of the deals the player of that name played, in the history's order.
TPlayerStatistics StatisticsFor(const std::vector<TDealRecord>& history, const std::string& player,
                                int stretch = kStretchDeals);

}  // namespace durak
