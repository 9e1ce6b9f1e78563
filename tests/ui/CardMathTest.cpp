// Card numbers, face names, animation frames, rotation and tint, without a window.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "cards/CardMath.h"

namespace durak {
namespace {

TEST(NearestTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(Nearest(0.5), 0);
  EXPECT_EQ(Nearest(1.5), 2);
  EXPECT_EQ(Nearest(2.5), 2);
  EXPECT_EQ(Nearest(-0.5), 0);
  EXPECT_EQ(Nearest(-1.5), -2);
  EXPECT_EQ(Nearest(10.25), 10);
  EXPECT_EQ(Nearest(-2.6), -3);
}

TEST(CardNumberTest, SuitAndRankFromNumber) {
  EXPECT_EQ(SuitOfCardNo(17), 1);
  EXPECT_EQ(RankOfCardNo(17), 6);
  EXPECT_EQ(SuitOfCardNo(20), 4);
  EXPECT_EQ(RankOfCardNo(20), 6);
  EXPECT_EQ(SuitOfCardNo(52), 4);
  EXPECT_EQ(RankOfCardNo(52), 14);
  EXPECT_EQ(SuitOfCardNo(53), 5);
  EXPECT_EQ(RankOfCardNo(53), 15);
  EXPECT_EQ(SuitOfCardNo(200), 5);
  EXPECT_EQ(SuitOfCardNo(0), 0);
  EXPECT_EQ(RankOfCardNo(0), 0);
  EXPECT_EQ(CardNoOfSuitRank(5, 2), 53);
  EXPECT_EQ(CardNoOfSuitRank(5, 14), 53);
  EXPECT_EQ(CardNoOfSuitRank(3, 12), 43);
}

TEST(CardNumberTest, FaceNames) {
  EXPECT_EQ(FaceName(17), "6S");
  EXPECT_EQ(FaceName(20), "6H");
  EXPECT_EQ(FaceName(33), "10S");
  EXPECT_EQ(FaceName(37), "JS");
  EXPECT_EQ(FaceName(41), "DS");
  EXPECT_EQ(FaceName(43), "DD");
  EXPECT_EQ(FaceName(48), "KH");
  EXPECT_EQ(FaceName(52), "AH");
  EXPECT_EQ(FaceName(53), "JJ");
  EXPECT_EQ(FaceName(1), "2S");
  EXPECT_EQ(FaceName(0), "JJ");
  // Every card of the game has a distinct name of at most three characters.
  std::vector<std::string> names;
  for (int n = 17; n <= 52; ++n) {
    names.push_back(FaceName(n));
    EXPECT_LE(names.back().size(), 3u);
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
}

TEST(GlideTest, StraightGlideSteps) {
  // 410 pixels at step 40: nearest(10.25) = 10 frames of 41 pixels, then the snap.
  const std::vector<TPt> f = GlideFrames(500, 100, 90, 100, 40);
  ASSERT_EQ(f.size(), 10u);
  for (size_t i = 0; i < f.size(); ++i) EXPECT_EQ(f[i], (TPt{500 - 41 * int(i + 1), 100}));
  EXPECT_EQ(f.back(), (TPt{90, 100}));

  // Diagonal: distance 500, nearest(12.5) = 12 frames of (25, 33); the last frame is 4
  // pixels short vertically and the snap makes up for it.
  const std::vector<TPt> d = GlideFrames(0, 0, 300, 400, 40);
  ASSERT_EQ(d.size(), 12u);
  EXPECT_EQ(d.front(), (TPt{25, 33}));
  EXPECT_EQ(d.back(), (TPt{300, 396}));
}

TEST(GlideTest, ShortOrNoDistanceJumps) {
  EXPECT_TRUE(GlideFrames(100, 100, 100, 100, 40).empty());
  EXPECT_TRUE(GlideFrames(100, 100, 120, 100, 40).empty());  // nearest(0.5) = 0
  EXPECT_EQ(GlideFrames(100, 100, 130, 100, 40).size(), 1u);
}

TEST(GlideTest, StepBelowOneAndHugeDistancesStayBounded) {
  EXPECT_EQ(GlideFrames(0, 0, 50, 0, 0).size(), 50u);  // treated as one pixel per frame
  EXPECT_EQ(GlideFrames(0, 0, 50, 0, -7).size(), 50u);
  EXPECT_EQ(GlideFrames(INT32_MIN, 0, INT32_MAX, 0, 1).size(),
            static_cast<size_t>(MaxAnimationFrames));
}

TEST(FlipMoveTest, NarrowsThenWidensFromAStrip) {
  const TFlipMoveFrames f = FlipMoveFrames(TBounds{500, 50, 71, 96}, 100, 50, 40);
  // half = 200, n = 5, dw = 71 div 5 = 14, sx = nearest(400 / 5 / 2) = 40.
  ASSERT_EQ(f.Shrink.size(), 5u);
  ASSERT_EQ(f.Grow.size(), 5u);
  const int shrinkW[] = {57, 43, 29, 15, 1};
  const int growW[] = {15, 29, 43, 57, 71};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(f.Shrink[i], (TBounds{460 - 40 * i, 50, shrinkW[i], 96}));
    EXPECT_EQ(f.Grow[i], (TBounds{260 - 40 * i, 50, growW[i], 96}));
  }
}

TEST(FlipMoveTest, ShortDistanceHasNoFrames) {
  // Distance 100 at step 40: half 50, n = nearest(1.25) = 1.
  const TFlipMoveFrames f = FlipMoveFrames(TBounds{0, 0, 71, 96}, 100, 0, 40);
  EXPECT_TRUE(f.Shrink.empty());
  EXPECT_TRUE(f.Grow.empty());
}

TEST(FlipInPlaceTest, SqueezesToAStripAndBack) {
  const TFlipInPlaceFrames h = FlipInPlaceFrames(TBounds{10, 20, 71, 96}, true);
  ASSERT_EQ(h.Shrink.size(), 10u);
  ASSERT_EQ(h.Grow.size(), 10u);
  EXPECT_EQ(h.Shrink.front(), (TBounds{13, 20, 65, 96}));
  EXPECT_EQ(h.Shrink.back(), (TBounds{40, 20, 11, 96}));
  EXPECT_EQ(h.Grow.back(), (TBounds{10, 20, 71, 96}));

  const TFlipInPlaceFrames v = FlipInPlaceFrames(TBounds{10, 20, 71, 96}, false);
  EXPECT_EQ(v.Shrink.back(), (TBounds{10, 20 + 40, 71, 16}));  // a = 96 div 20 = 4
  EXPECT_EQ(v.Grow.back(), (TBounds{10, 20, 71, 96}));
}

TEST(FlipSideTest, OddStatesBecomeASide) {
  EXPECT_EQ(FlipInPlaceSide(0), 1);
  EXPECT_EQ(FlipInPlaceSide(1), 0);
  EXPECT_EQ(FlipInPlaceSide(7), 1);
  EXPECT_EQ(ToggledSide(0), 1);
  EXPECT_EQ(ToggledSide(1), 0);
  EXPECT_EQ(ToggledSide(7), 0);
}

// A 3 x 2 picture:  1 2 3
//                   4 5 6
std::vector<uint32_t> Rotated(const std::vector<uint32_t>& src, int w, int h, int angle) {
  const bool quarter = angle == 90 || angle == 270;
  std::vector<uint32_t> dst(src.size());
  RotatePixels(src.data(), w, h, w, angle, dst.data(), quarter ? h : w);
  return dst;
}

TEST(RotateTest, QuarterTurnsFollowThePixelRules) {
  const std::vector<uint32_t> src{1, 2, 3, 4, 5, 6};
  // Counter-clockwise: the top-right corner comes to the top left.
  EXPECT_EQ(Rotated(src, 3, 2, 90), (std::vector<uint32_t>{3, 6, 2, 5, 1, 4}));
  EXPECT_EQ(Rotated(src, 3, 2, 180), (std::vector<uint32_t>{6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(Rotated(src, 3, 2, 270), (std::vector<uint32_t>{4, 1, 5, 2, 6, 3}));
  EXPECT_EQ(Rotated(Rotated(src, 3, 2, 90), 2, 3, 270), src);
  EXPECT_EQ(Rotated(Rotated(src, 3, 2, 90), 2, 3, 90), Rotated(src, 3, 2, 180));
  EXPECT_EQ(Rotated(src, 3, 2, 45), src);
}

TEST(TintTest, BlendsTowardsTheHotColourAndTruncates) {
  EXPECT_EQ(TintChannel(255, 0), 165);  // 165.75
  EXPECT_EQ(TintChannel(0, 255), 89);   // 89.25
  EXPECT_EQ(TintChannel(255, 255), 255);
  EXPECT_EQ(TintChannel(0, 0), 0);
  EXPECT_EQ(TintChannel(100, 200), 135);
  const auto table = TintTable(0);
  EXPECT_EQ(table[255], 165);
  EXPECT_EQ(table[10], 6);  // 6.5
}

}  // namespace
}  // namespace durak
