#include "ReviewJson.h"

#include <cmath>

#include "Game.h"
#include "StrongChooser.h"

namespace durak {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

double Rounded(double x) {
  return std::round(x * 1000) / 1000;
}

// What a move does, in the phase it is made in.
const char* KindWord(const json& stateBefore, const TMove& move) {
  switch (move.Kind) {
    case mkPlay:
      return stateBefore.value("playMode", 4) == pmLead ? "lead" : "throw-in";
    case mkBeat:
      return "beat";
    case mkTransfer:
      return "transfer";
    case mkTake:
      return "take";
    default:
      return "done";
  }
}

}  // namespace

ordered_json MoveJson(const json& stateBefore, const TMove& move) {
  ordered_json m;
  m["kind"] = KindWord(stateBefore, move);
  if (move.Kind == mkPlay || move.Kind == mkBeat || move.Kind == mkTransfer) m["card"] = move.Card;
  if (move.Kind == mkBeat) m["pair"] = move.Slot;
  return m;
}

ordered_json ReviewJson(const TDealRecord& record, const TDealReview& review,
                        const TReviewParams& params) {
  ordered_json r;
  r["deal"] = record.Deal;
  r["player"] = record.Player;
  r["time"] = record.Time;
  r["opponent"] = record.Opponent;
  r["options"] = record.Options;
  r["result"] = record.Result;
  r["replayed"] = review.Replay.Problem.empty();
  if (!review.Replay.Problem.empty()) r["problem"] = review.Replay.Problem;
  r["margin"] = params.Margin;
  r["seed"] = params.Seed;
  r["iterations"] = params.Search.Iterations;
  r["valueDeals"] = params.ValueDeals;

  ordered_json list = ordered_json::array();
  for (const TDecisionReview& d : review.Decisions) {
    const TReplayStep& step = review.Replay.Steps[d.Step];
    const json& before = StateBefore(review.Replay, d.Step);
    ordered_json j;
    j["event"] = step.Event;
    j["played"] = d.Named ? MoveJson(before, d.Played) : ordered_json(nullptr);
    j["legal"] = d.LegalMoves;
    j["judged"] = d.Judged;
    if (d.Judged) {
      j["before"] = Rounded(d.Before);
      j["after"] = Rounded(d.After);
      j["cost"] = Rounded(d.Cost);
      j["exact"] = d.Exact;
      j["best"] = d.Best != d.Played ? MoveJson(before, d.Best) : ordered_json(nullptr);
      j["mistake"] = d.Mistake;
    }
    list.push_back(j);
  }
  r["decisions"] = list;
  r["mistakes"] = review.Mistakes;
  if (review.Costliest >= 0) {
    const TDecisionReview& worst = review.Decisions[static_cast<size_t>(review.Costliest)];
    ordered_json c;
    c["event"] = review.Replay.Steps[worst.Step].Event;
    c["cost"] = Rounded(worst.Cost);
    r["costliest"] = c;
  } else {
    r["costliest"] = nullptr;
  }
  return r;
}

}  // namespace durak
