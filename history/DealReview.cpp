#include "DealReview.h"

#include <algorithm>
#include <thread>

#include "ApplyEvent.h"
#include "SearchView.h"
#include "StateJson.h"
#include "StrongChooser.h"

namespace durak {

using nlohmann::json;

namespace {

// The move of the search model that the input makes in this position; false when the input
// is none of the legal moves (a dismissed menu, a card that cannot go).
bool MoveOfInput(const TSearchState& position, const TMoveList& moves, const json& event,
                 TMove& played) {
  const std::string type = event.value("type", std::string());
  if (type == "button") {
    const std::string name = event.value("name", std::string());
    for (const TMove& m : moves) {
      const THint input = InputOfMove(position, m);
      if (!input.IsClick && name == "Button" + std::to_string(int(input.Button))) {
        played = m;
        return true;
      }
    }
    return false;
  }
  if (type != "click") return false;
  const json tag = event.value("tag", json());
  const json menu = event.value("menu", json(-1));
  if (!tag.is_number_integer() || !menu.is_number_integer()) return false;
  // A card with one move goes without a menu; with more, the menu's pick chooses.
  std::vector<TMove> ofCard;
  for (const TMove& m : moves)
    if (m.Card == tag.get<int>() && InputOfMove(position, m).IsClick) ofCard.push_back(m);
  if (ofCard.size() == 1) {
    played = ofCard.front();
    return true;
  }
  for (const TMove& m : ofCard)
    if (InputOfMove(position, m).Menu == menu.get<int>()) {
      played = m;
      return true;
    }
  return false;
}

}  // namespace

TDecisionReview JudgeDecision(const json& stateBefore, const json& event,
                              const TReviewParams& params) {
  TDecisionReview d;
  THeadlessGame headless;
  try {
    LoadState(stateBefore, headless.Game, headless.Cards);
  } catch (const THarnessError&) {
    return d;
  }
  TInfoSet info;
  if (!InfoOfPlayer(MakePlayerView(headless.Game), info)) return d;
  // The player's own moves depend only on what the player sees: any deal that agrees with
  // it offers the same.
  TSearchRandom random(0);
  const TSearchState position = Determinize(info, random);
  TMoveList moves;
  GenerateMoves(position, moves);
  d.LegalMoves = moves.Count;
  d.Named = MoveOfInput(position, moves, event, d.Played);
  if (!d.Named) return d;
  d.Best = d.Played;
  d.PlayedInput = d.BestInput = InputOfMove(position, d.Played);
  if (moves.Count < 2) return d;

  // The hint's search: the same knowledge and seed suggest the same move.
  const uint64_t seed = params.Seed ^ InfoHash(info);
  d.Best = StrongMove(info, {}, seed, params.Search);
  d.BestInput = InputOfMove(position, d.Best);
  TStrongParams valuing = params.Search;
  valuing.Iterations = params.ValueDeals;
  // Both moves are valued over the same deals, so that their difference is the moves'.
  const TMoveValue after = ValueOfMove(info, d.Played, seed, valuing);
  const TMoveValue best = d.Best == d.Played ? after : ValueOfMove(info, d.Best, seed, valuing);
  d.Judged = true;
  d.After = after.NotLosing;
  d.Before = std::max(best.NotLosing, after.NotLosing);
  d.Cost = d.Before - d.After;
  d.Exact = after.Exact && best.Exact;
  d.Mistake = d.Cost > params.Margin;
  return d;
}

std::vector<size_t> PlayerMoveSteps(const TDealReplay& replay) {
  std::vector<size_t> steps;
  for (size_t i = 0; i < replay.Steps.size(); ++i)
    if (replay.Steps[i].PlayerMove) steps.push_back(i);
  return steps;
}

void SummarizeReview(TDealReview& review, double margin) {
  review.Mistakes = 0;
  review.Costliest = -1;
  for (size_t i = 0; i < review.Decisions.size(); ++i) {
    TDecisionReview& d = review.Decisions[i];
    d.Mistake = d.Judged && d.Cost > margin;
    if (!d.Mistake) continue;
    ++review.Mistakes;
    // The first of equally costly mistakes.
    if (review.Costliest < 0 || d.Cost > review.Decisions[review.Costliest].Cost)
      review.Costliest = static_cast<int>(i);
  }
}

TDealReview ReviewDeal(const TDealRecord& record, const TReviewParams& params, int threads,
                       const std::atomic<bool>* cancel) {
  TDealReview review;
  review.Replay = ReplayDeal(record);
  const std::vector<size_t> steps = PlayerMoveSteps(review.Replay);
  std::vector<TDecisionReview> decisions(steps.size());
  std::vector<char> done(steps.size(), 0);
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (;;) {
      if (cancel != nullptr && cancel->load()) return;
      const size_t i = next++;
      if (i >= steps.size()) return;
      const TReplayStep& step = review.Replay.Steps[steps[i]];
      decisions[i] = JudgeDecision(StateBefore(review.Replay, steps[i]),
                                   record.Events[static_cast<size_t>(step.Event)], params);
      decisions[i].Step = steps[i];
      done[i] = 1;
    }
  };
  const int helpers = std::max(0, std::min(threads, static_cast<int>(steps.size())) - 1);
  std::vector<std::thread> pool;
  for (int t = 0; t < helpers; ++t) pool.emplace_back(work);
  work();
  for (std::thread& t : pool) t.join();
  for (size_t i = 0; i < steps.size(); ++i)
    if (done[i]) review.Decisions.push_back(decisions[i]);
  SummarizeReview(review, params.Margin);
  return review;
}

}  // namespace durak
