// The review of a deal as JSON, for `durak-sim review`, tests and scripts.
#pragma once

#include <nlohmann/json.hpp>

#include "DealRecord.h"
#include "DealReview.h"

namespace durak {

// A move of the search model as the player makes it: its kind ("lead", "throw-in",
// "beat", "transfer", "take", "done"), its card and the pair it beats, and the input.
nlohmann::ordered_json MoveJson(const nlohmann::json& stateBefore, const TMove& move);

// The whole review: the deal, the margin, every move of the player's with the chances of
// not losing before and after it and the strong player's move where it differs, the
// mistakes and the costliest of them. Chances are rounded to three places.
nlohmann::ordered_json ReviewJson(const TDealRecord& record, const TDealReview& review,
                                  const TReviewParams& params);

}  // namespace durak
