// The review of a recorded deal: each of the player's decisions judged by the strong player
// from what the player could know then (the hand, the table, the discard, the trump card,
// the computer's cards the player had seen), never from the computer's hand.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "DealRecord.h"
#include "DealReplay.h"
#include "SearchModel.h"
#include "StrongChooser.h"
#include "StrongPlayer.h"

namespace durak {

struct TReviewParams {
  // The search that names the strong player's move: the hint's, without its time limit so
  // that a review comes out the same on every machine.
  TStrongParams Search;
  // The searched deals that value one move.
  int ValueDeals = 1000;
  // A move that lowers the chance of not losing by more than this is a mistake.
  double Margin = 0.10;
  // Each decision's searches start from this seed mixed with what the player knew then.
  uint64_t Seed = 1;
};

// One of the player's moves and what the strong player makes of it.
struct TDecisionReview {
  size_t Step = 0;  // in the replay: the step the move led to
  TMove Played;     // in the search model's terms
  TMove Best;       // the strong player's move in the same place
  // The two moves as inputs: the card clicked with its menu pick, or the button pressed.
  THint PlayedInput, BestInput;
  int LegalMoves = 0;
  bool Named = false;   // the input is one of the legal moves (Played holds it)
  bool Judged = false;  // false for a move that was the only one, or that the model cannot name
  double Before = 0;    // the chance of not losing before the move: the better of the two
  double After = 0;     // ... and after the move played
  double Cost = 0;      // Before - After
  bool Exact = false;   // both values from the exact search
  bool Mistake = false;
};

struct TDealReview {
  TDealReplay Replay;
  std::vector<TDecisionReview> Decisions;
  int Mistakes = 0;
  int Costliest = -1;  // index into Decisions of the costliest mistake, -1 when none
};

// The player's decision at the step, judged; the state before it and the input are the
// replay's. Deterministic for the parameters.
TDecisionReview JudgeDecision(const nlohmann::json& stateBefore, const nlohmann::json& event,
                              const TReviewParams& params);

// The steps of the replay that are the player's moves, in order.
std::vector<size_t> PlayerMoveSteps(const TDealReplay& replay);

// Counts the mistakes and names the costliest.
void SummarizeReview(TDealReview& review, double margin);

// Replays and reviews a whole deal on `threads` threads (the judgement does not depend on
// their number). `cancel`, when given and set, stops it early with the decisions judged so
// far.
TDealReview ReviewDeal(const TDealRecord& record, const TReviewParams& params, int threads = 1,
                       const std::atomic<bool>* cancel = nullptr);

}  // namespace durak
