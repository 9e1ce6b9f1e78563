// The counter's cells and segments and the colour button's rectangles and star, without a
// window.
#include <gtest/gtest.h>

#include <climits>

#include "widgets/ColourButtonMath.h"
#include "widgets/LedMath.h"

namespace durak {
namespace {

using Cells = std::vector<int>;
constexpr int B = LedBlank;

TEST(LedCellsTest, WorkedExamples) {
  EXPECT_EQ(LedCells(7, false, true, 3), (Cells{0, 0, 7}));
  EXPECT_EQ(LedCells(7, false, false, 3), (Cells{B, B, 7}));
  EXPECT_EQ(LedCells(1234, false, true, 3), (Cells{2, 3, 4}));
  EXPECT_EQ(LedCells(-5, true, true, 3), (Cells{LedMinus, 0, 5}));
  EXPECT_EQ(LedCells(5, true, true, 3), (Cells{B, 0, 5}));
  EXPECT_EQ(LedCells(-5, false, true, 3), (Cells{0, 0, 5}));
  EXPECT_EQ(LedCells(0, false, false, 3), (Cells{B, B, 0}));
  EXPECT_EQ(LedCells(36, false, true, 2), (Cells{3, 6}));
}

TEST(LedCellsTest, DegenerateCounts) {
  EXPECT_EQ(LedCells(-42, true, true, 1), (Cells{LedMinus}));  // only the sign cell
  EXPECT_TRUE(LedCells(42, false, true, 0).empty());
  EXPECT_TRUE(LedCells(42, false, true, -3).empty());
  EXPECT_EQ(LedCells(INT32_MIN, true, true, 4), (Cells{LedMinus, 6, 4, 8}));
  EXPECT_EQ(LedCells(5, false, true, 1000).size(), static_cast<size_t>(LedMaxCells));
  EXPECT_EQ(LedCells(5, false, true, 1000).back(), 5);
}

TEST(LedSegmentsTest, ThicknessFollowsCellWidth) {
  EXPECT_EQ(LedGeometry(6).T, 1);
  EXPECT_EQ(LedGeometry(6).H, 0);
  EXPECT_EQ(LedGeometry(12).T, 3);
  EXPECT_EQ(LedGeometry(12).H, 1);
  EXPECT_EQ(LedGeometry(17).T, 3);
  EXPECT_EQ(LedGeometry(20).T, 3);
  EXPECT_EQ(LedGeometry(30).T, 5);
}

TEST(LedSegmentsTest, PolygonsOfA17PixelCell) {
  // t = 3, h = 1: columns 1, 2, 3 and 13, 14, 15; rows 1, 2, 3; middle 17; bottom 32, 31, 30.
  const auto s = LedSegments(17);
  EXPECT_EQ(s[SegTop], (std::array<TPt, 6>{TPt{4, 1}, {12, 1}, {13, 2}, {12, 3}, {4, 3}, {3, 2}}));
  EXPECT_EQ(s[SegMiddle],
            (std::array<TPt, 6>{TPt{4, 16}, {12, 16}, {13, 17}, {12, 18}, {4, 18}, {3, 17}}));
  EXPECT_EQ(s[SegBottom],
            (std::array<TPt, 6>{TPt{4, 30}, {12, 30}, {13, 31}, {12, 32}, {4, 32}, {3, 31}}));
  EXPECT_EQ(s[SegUpperLeft],
            (std::array<TPt, 6>{TPt{3, 4}, {3, 15}, {2, 16}, {1, 15}, {1, 4}, {2, 3}}));
  EXPECT_EQ(s[SegUpperRight],
            (std::array<TPt, 6>{TPt{15, 4}, {15, 15}, {14, 16}, {13, 15}, {13, 4}, {14, 3}}));
  EXPECT_EQ(s[SegLowerLeft],
            (std::array<TPt, 6>{TPt{3, 19}, {3, 29}, {2, 30}, {1, 29}, {1, 19}, {2, 18}}));
  EXPECT_EQ(s[SegLowerRight],
            (std::array<TPt, 6>{TPt{15, 19}, {15, 29}, {14, 30}, {13, 29}, {13, 19}, {14, 18}}));
}

TEST(LedSegmentsTest, LitSegmentsOfDigits) {
  EXPECT_EQ(LedLitMask(8), 0x7F);
  EXPECT_EQ(LedLitMask(1), (1 << SegUpperRight) | (1 << SegLowerRight));
  EXPECT_EQ(LedLitMask(LedMinus), 1 << SegMiddle);
  EXPECT_EQ(LedLitMask(LedBlank), 0);
  EXPECT_EQ(LedLitMask(0) & (1 << SegMiddle), 0);
  EXPECT_EQ(LedLitMask(7), (1 << SegTop) | (1 << SegUpperRight) | (1 << SegLowerRight));
  // Every digit lights a different set of segments, so every digit reads back uniquely.
  for (int a = 0; a <= 9; ++a)
    for (int b = a + 1; b <= 9; ++b) EXPECT_NE(LedLitMask(a), LedLitMask(b)) << a << " " << b;
  EXPECT_FALSE(IsLedCode(10));
  EXPECT_FALSE(IsLedCode(-3));
}

TEST(LedSegmentsTest, MarkColumn) {
  // Width 12: h = 1, p = 11, q = 13.
  EXPECT_EQ(LedCellPictureWidth(12, 0), 12);
  EXPECT_EQ(LedCellPictureWidth(12, 1), 15);
  EXPECT_EQ(LedMarkBoxes(12, 1), (std::vector<TBox>{{11, 20, 13, 22}}));
  EXPECT_EQ(LedMarkBoxes(12, 4), (std::vector<TBox>{{11, 13, 13, 15}, {11, 9, 13, 11}}));
  EXPECT_TRUE(LedMarkBoxes(12, 0).empty());
  EXPECT_TRUE(LedMarkBoxes(12, 9).empty());
}

TEST(ColBtnRectsTest, SwatchLeftOn97By25) {
  const TColBtnRects r = ColBtnRects(97, 25, false, lrLeft);
  EXPECT_EQ(r.Swatch, (TBox{2, 2, 22, 22}));
  EXPECT_EQ(r.Caption, (TBox{23, 2, 94, 22}));
  const TColBtnRects p = ColBtnRects(97, 25, true, lrLeft);
  EXPECT_EQ(p.Swatch, (TBox{3, 3, 23, 23}));
  EXPECT_EQ(p.Caption, (TBox{24, 3, 95, 23}));
}

TEST(ColBtnRectsTest, SwatchRight) {
  const TColBtnRects r = ColBtnRects(97, 25, false, lrRight);
  EXPECT_EQ(r.Swatch, (TBox{74, 2, 94, 22}));
  EXPECT_EQ(r.Caption, (TBox{2, 2, 73, 22}));
  EXPECT_EQ(r.Swatch.Width(), 20);  // a square of side H - 5
  EXPECT_EQ(r.Swatch.Height(), 20);
}

TEST(StarTest, InnerRadiusByPoints) {
  EXPECT_EQ(StarInnerRadius(10, 5), 4);
  EXPECT_EQ(StarInnerRadius(10, 6), 5);
  EXPECT_EQ(StarInnerRadius(10, 7), 5);
  EXPECT_EQ(StarInnerRadius(10, 8), 6);  // 5.88
  EXPECT_EQ(StarInnerRadius(9, 10), 6);
  EXPECT_EQ(StarInnerRadius(10, 10), 7);  // 6.67
}

TEST(StarTest, TenPointedStarVertices) {
  const std::vector<TPt> v = StarVertices(50, 40, 9, 10);
  ASSERT_EQ(v.size(), 20u);
  EXPECT_EQ(v[0], (TPt{50, 31}));   // the top point
  EXPECT_EQ(v[10], (TPt{50, 49}));  // the bottom point
  // Odd vertices lie on the inner circle of radius 6.
  EXPECT_EQ(v[5], (TPt{44, 40}));
  // Counter-clockwise from the top: the next outer point lies up and to the left.
  EXPECT_LT(v[2].X, 50);
  EXPECT_LT(v[2].Y, 40);
}

TEST(SwatchShapeTest, ShapesInTheSwatch) {
  const TBox s{3, 3, 21, 21};
  EXPECT_EQ(SwatchShape(vbKvadrat, vs5, s).Kind, TSwatchShape::skRectangle);
  EXPECT_EQ(SwatchShape(vbKrug, vs5, s).Kind, TSwatchShape::skEllipse);
  EXPECT_EQ(SwatchShape(42, vs5, s).Kind, TSwatchShape::skEllipse);
  const TSwatchShape kv = SwatchShape(vbKvKrug, vs5, s);
  EXPECT_EQ(kv.Kind, TSwatchShape::skRoundRect);
  EXPECT_EQ(kv.Corner, 10);
  EXPECT_EQ(SwatchShape(vb3Up, vs5, s).Polygons,
            (std::vector<std::vector<TPt>>{{{3, 3}, {21, 3}, {12, 21}}}));
  EXPECT_EQ(SwatchShape(vbRomb, vs5, s).Polygons,
            (std::vector<std::vector<TPt>>{{{12, 3}, {21, 12}, {12, 21}, {3, 12}}}));
  EXPECT_EQ(SwatchShape(vbSkosh, vs5, s).Polygons.size(), 2u);
  const TSwatchShape star = SwatchShape(vbStar, vs10, s);
  ASSERT_EQ(star.Polygons.size(), 1u);
  EXPECT_EQ(star.Polygons[0].size(), 20u);
  EXPECT_EQ(SwatchShape(vbStar, 99, s).Polygons[0].size(), 10u);  // unknown count: five
}

}  // namespace
}  // namespace durak
