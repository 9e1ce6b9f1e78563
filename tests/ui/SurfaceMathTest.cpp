// Gradient and rainbow rows and the tiling plan of the table surface, without a window.
#include <gtest/gtest.h>

#include <algorithm>

#include "table/SurfaceMath.h"

namespace durak {
namespace {

TEST(GradientRowsTest, StopsOneStepShortOfTheBottomColour) {
  const std::vector<TRgb> rows = GradientRows(TRgb{0, 0, 0}, TRgb{200, 200, 200}, 100);
  ASSERT_EQ(rows.size(), 100u);
  EXPECT_EQ(rows[0], (TRgb{0, 0, 0}));
  EXPECT_EQ(rows[50], (TRgb{100, 100, 100}));
  EXPECT_EQ(rows[99], (TRgb{198, 198, 198}));
}

TEST(GradientRowsTest, ChannelsRunIndependentlyAndRoundHalfEven) {
  // Green 0 -> 128 -> over 4 rows: steps of 32; blue 255 -> 0 over 4 rows: -63.75 a row.
  const std::vector<TRgb> rows = GradientRows(TRgb{10, 0, 255}, TRgb{10, 128, 0}, 4);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1], (TRgb{10, 32, 191}));  // 191.25
  EXPECT_EQ(rows[2], (TRgb{10, 64, 128}));  // 127.5 -> 128
  EXPECT_EQ(rows[3], (TRgb{10, 96, 64}));   // 63.75
  EXPECT_TRUE(GradientRows(TRgb{}, TRgb{}, 0).empty());
}

TEST(RainbowRowsTest, RunsThroughTheHuesTopToBottom) {
  const std::vector<TRgb> rows = RainbowRows(0, 32);
  ASSERT_EQ(rows.size(), 32u);
  EXPECT_EQ(rows[0], (TRgb{255, 0, 0}));     // red
  EXPECT_EQ(rows[8], (TRgb{255, 255, 0}));   // yellow by the end of bands 1 and 2
  EXPECT_EQ(rows[14], (TRgb{0, 255, 0}));    // green
  EXPECT_EQ(rows[20], (TRgb{0, 255, 255}));  // cyan
  EXPECT_EQ(rows[26], (TRgb{0, 0, 255}));    // blue
  EXPECT_EQ(rows[27], (TRgb{44, 0, 255}));   // towards magenta
  EXPECT_EQ(rows[31], (TRgb{220, 0, 255}));
  // Within the yellow band green rises by nearest(44) a row.
  EXPECT_EQ(rows[3], (TRgb{255, 44, 0}));
}

TEST(RainbowRowsTest, BrightnessLimitsTheChannels) {
  for (const TRgb& c : RainbowRows(10, 32)) {
    EXPECT_GE(std::min({c.R, c.G, c.B}), 100);
    EXPECT_EQ(std::max({c.R, c.G, c.B}), 255);
  }
  for (const TRgb& c : RainbowRows(-10, 32)) {
    EXPECT_LE(std::max({c.R, c.G, c.B}), 155);
    EXPECT_EQ(std::min({c.R, c.G, c.B}), 0);
  }
  EXPECT_EQ(RainbowRows(15, 40), RainbowRows(0, 40));
  EXPECT_TRUE(RainbowRows(0, 10).empty());
  EXPECT_EQ(RainbowRows(0, 11).size(), 11u);
}

TEST(TilingTest, StripWidthIsAtMost128) {
  EXPECT_EQ(StripWidthFor(62), 58);
  EXPECT_EQ(StripWidthFor(131), 127);
  EXPECT_EQ(StripWidthFor(132), 128);
  EXPECT_EQ(StripWidthFor(1280), 128);
}

TEST(TilingTest, WoodStripOnTheRightHandColumn) {
  // 355 rows with a 16-row tile: 22 full tiles and 3 rows of a 23rd.
  const std::vector<TSpan> rows = TileSpans(355, 16);
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_EQ(rows[21], (TSpan{336, 16}));
  EXPECT_EQ(rows[22], (TSpan{352, 3}));
  // Laid once across the 58-pixel inside.
  EXPECT_EQ(TileSpans(58, 58), (std::vector<TSpan>{{0, 58}}));
  // A tile wider than the length is cut.
  EXPECT_EQ(TileSpans(40, 127), (std::vector<TSpan>{{0, 40}}));
  EXPECT_TRUE(TileSpans(0, 16).empty());
  EXPECT_TRUE(TileSpans(100, 0).empty());
}

}  // namespace
}  // namespace durak
