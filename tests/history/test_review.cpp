// The review of a recorded deal: the same every time, and a blunder planted in a deal is
// marked as a mistake.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "CardInfo.h"
#include "DealRecorder.h"
#include "DealReview.h"
#include "ReviewJson.h"

namespace durak {
namespace {

using nlohmann::json;

TReviewParams SmallBudget() {
  TReviewParams p;
  p.Search.Iterations = 200;
  p.ValueDeals = 150;
  return p;
}

// The trump ace, when the player holds it and must beat a card that a plain card of the
// hand beats too; else 0.
int TrumpAceToThrowAway(const TGame& game) {
  if (game.PlayMode != pmDefend || !game.AttackOpen()) return 0;
  const int ace = TagOf(14, game.Trump);
  if (!ListHasTag(game.PlayerHand, ace) || game.SlotsToBeat(CardInfoOfTag(ace)).empty()) return 0;
  for (const TCardInfo& k : game.PlayerHand)
    if (k.Suit != game.Trump && !game.SlotsToBeat(k).empty()) return ace;
  return 0;
}

// The strong player, except that once the stock is down to `stock` cards it throws the
// trump ace away on the first card a plain card could beat.
TPlayerPolicy PlantedBlunder(size_t stock, int* plantedAt) {
  auto strong = StrongPolicy(200);
  auto inputs = std::make_shared<int>(0);
  return [=](const TGame& game) {
    ++*inputs;
    if (*plantedAt < 0 && game.Deck.size() <= stock) {
      if (const int ace = TrumpAceToThrowAway(game)) {
        *plantedAt = *inputs;  // the deal is event 0
        THint h;
        h.Valid = h.IsClick = true;
        h.Tag = ace;
        h.Menu = game.SlotsToBeat(CardInfoOfTag(ace)).front();
        return h;
      }
    }
    return strong(game);
  };
}

// A deal in which the player, with four cards left in the stock, holds the trump ace and
// may beat an attack with a plain card instead.
constexpr uint32_t kPlantedSeed = 11;
constexpr size_t kPlantedStock = 4;

TEST(Review, TwoRunsJudgeAlikeWhateverTheThreads) {
  const TDealRecord record = RecordDeal(4242, arHotCards | arSound, "described", StrongPolicy(60));
  ASSERT_FALSE(record.Result.empty());
  const TReviewParams params = SmallBudget();
  const TDealReview one = ReviewDeal(record, params, 1);
  const TDealReview two = ReviewDeal(record, params, 2);
  EXPECT_TRUE(one.Replay.Problem.empty()) << one.Replay.Problem;
  ASSERT_GT(one.Decisions.size(), 3u);
  EXPECT_EQ(ReviewJson(record, one, params).dump(), ReviewJson(record, two, params).dump());
  for (const TDecisionReview& d : one.Decisions) {
    EXPECT_TRUE(d.Named) << "step " << d.Step;
    if (!d.Judged) continue;
    EXPECT_GE(d.Before, d.After);
    EXPECT_LE(d.Before, 1.0);
    EXPECT_GE(d.After, 0.0);
  }
}

TEST(Review, AThrownAwayTrumpAceIsMarkedAsTheCostliestMistake) {
  int plantedAt = -1;
  const TDealRecord record = RecordDeal(kPlantedSeed, arHotCards | arSound, "described",
                                        PlantedBlunder(kPlantedStock, &plantedAt));
  ASSERT_GT(plantedAt, 0) << "the deal never offered the blunder";
  const TReviewParams params = SmallBudget();
  const TDealReview review = ReviewDeal(record, params, 2);
  const auto planted = std::find_if(
      review.Decisions.begin(), review.Decisions.end(),
      [&](const TDecisionReview& d) { return review.Replay.Steps[d.Step].Event == plantedAt; });
  ASSERT_NE(planted, review.Decisions.end());
  EXPECT_TRUE(planted->Judged);
  EXPECT_TRUE(planted->Mistake) << "cost " << planted->Cost;
  EXPECT_NE(planted->Best, planted->Played);
  ASSERT_GE(review.Costliest, 0);
  EXPECT_EQ(&review.Decisions[static_cast<size_t>(review.Costliest)], &*planted);
}

}  // namespace
}  // namespace durak
