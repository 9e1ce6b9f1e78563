// The table surface on the offscreen platform: setters, the prepared strip, and what each
// mode paints inside the border.
#include <gtest/gtest.h>

#include <QPainter>

#include "TestPictures.h"
#include "table/PaintedPanel.h"
#include "table/PicturePanel.h"
#include "table/SurfacePaint.h"

namespace durak {
namespace {

QImage Render(QWidget& w) {
  QImage img(w.size(), QImage::Format_RGB32);
  img.fill(Qt::magenta);
  w.render(&img);
  return img;
}

TEST(TKuvPanelTest, SettersKeepTheirRules) {
  TPaintedPanel panel;
  panel.SetMode(pmGradient);
  panel.SetMode(pmPicture);  // only SetPicture enters picture mode
  EXPECT_EQ(panel.Mode(), pmGradient);
  panel.SetRBright(15);
  EXPECT_EQ(panel.RBright(), 10);
  panel.SetRBright(-15);
  EXPECT_EQ(panel.RBright(), -10);
  panel.SetRBright(4);
  EXPECT_EQ(panel.RBright(), 4);
  EXPECT_TRUE(panel.Dirty());
}

TEST(TKuvPanelTest, WoodPictureOnTheRightHandColumn) {
  TPaintedPanel panel;
  panel.resize(62, 359);
  QImage wood = PatternPicture(127, 16);
  panel.SetPicture(wood);
  EXPECT_EQ(panel.Mode(), pmPicture);
  EXPECT_EQ(panel.TileHeight(), 16);
  const QImage img = Render(panel);
  EXPECT_EQ(panel.Strip().size(), QSize(58, 355));
  // Row 2 + 16j + r of the panel is row r of the picture, cut to 58 columns; the last three
  // rows are the picture's first three.
  for (int x : {2, 30, 59}) {
    EXPECT_EQ(img.pixel(x, 2), wood.pixel(x - 2, 0));
    EXPECT_EQ(img.pixel(x, 2 + 16 * 21 + 7), wood.pixel(x - 2, 7));
    EXPECT_EQ(img.pixel(x, 2 + 352 + 2), wood.pixel(x - 2, 2));
  }
  // The border is two pixels of BColor (white by default).
  EXPECT_EQ(img.pixel(0, 100), qRgb(255, 255, 255));
  EXPECT_EQ(img.pixel(1, 100), qRgb(255, 255, 255));
  EXPECT_EQ(img.pixel(61, 358), qRgb(255, 255, 255));
}

TEST(TKuvPanelTest, PictureKeepsItsTileWhenThePanelGrows) {
  TPaintedPanel panel;
  panel.resize(62, 40);
  const QImage wood = PatternPicture(127, 16);
  panel.SetPicture(wood);
  panel.resize(200, 100);
  const QImage img = Render(panel);
  EXPECT_EQ(panel.Strip().size(), QSize(58, 96));
  // Across, the 58-pixel tile repeats: column 2 + 58 shows the tile's column 0 again.
  EXPECT_EQ(img.pixel(2 + 58, 2 + 20), wood.pixel(0, 4));
}

// Renders the widget as a screen of that pixel ratio would show it, in its pixels.
QImage RenderDense(QWidget& w, double dpr) {
  QImage img(qRound(w.width() * dpr), qRound(w.height() * dpr), QImage::Format_RGB32);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::magenta);
  w.render(&img);
  return img;
}

// On a dense screen the tile comes from the picture drawn larger, pixel for pixel at twice
// the size, and repeats without a seam also at ratios that give no whole number of pixels
// per window pixel.
TEST(TKuvPanelTest, DenseScreensTileTheLargerRendition) {
  TPaintedPanel panel;
  panel.resize(300, 70);
  const QImage tile = PatternPicture(40, 16);
  const QImage x2 = PatternPicture(80, 32);
  panel.SetPicture(tile, x2, QImage());
  const QImage two = RenderDense(panel, 2.0);
  // Inside starts at window pixel 2, screen pixel 4; the tile is 80 x 32 screen pixels.
  for (int x : {4, 50, 83, 84, 200, 595})
    for (int y : {4, 20, 35, 36, 135}) {
      const int tx = (x - 4) % 80, ty = (y - 4) % 32;
      EXPECT_EQ(two.pixel(x, y), x2.pixel(tx, ty)) << x << "," << y;
    }
  // 1.5: the tile is 60 x 24 screen pixels, repeated exactly.
  const QImage dense = panel.DenseTile(1.5);
  ASSERT_EQ(dense.size(), QSize(60, 24));
  const QImage half = RenderDense(panel, 1.5);
  for (int y : {3, 10, 26, 27, 60})
    for (int x : {3, 40, 62, 63, 200, 440}) {
      const int tx = (x - 3) % 60, ty = (y - 3) % 24;
      EXPECT_EQ(half.pixel(x, y), dense.pixel(tx, ty)) << x << "," << y;
    }
  // The border stays where it was, and without renditions the tile is the picture's own.
  EXPECT_EQ(two.pixel(1, 50), qRgb(255, 255, 255));
  panel.SetPicture(tile);
  EXPECT_TRUE(panel.DenseTile(2.0).isNull());
  // A "rendition" of the wrong size is not one.
  panel.SetPicture(tile, PatternPicture(70, 30));
  EXPECT_TRUE(panel.DenseTile(2.0).isNull());
}

// The two-pixel frame is two window pixels at every ratio: on a dense screen it covers the
// panel's outermost screen pixels on all four sides and stops where the inside begins.
TEST(TKuvPanelTest, TheFrameIsTwoWindowPixelsAtEveryRatio) {
  TPaintedPanel panel;
  panel.resize(57, 31);
  panel.SetBColor(QColor(10, 20, 30));
  panel.SetColor(QColor(200, 100, 0));
  const QRgb frame = qRgb(10, 20, 30), inside = qRgb(200, 100, 0);
  for (double dpr : {1.0, 1.5, 2.0, 3.0}) {
    const QImage img = RenderDense(panel, dpr);
    const int w = img.width(), h = img.height();
    const int edge = qRound(2 * dpr);  // screen pixels of frame on each side
    for (int k = 0; k < edge; ++k) {
      EXPECT_EQ(img.pixel(k, h / 2), frame) << dpr << " left " << k;
      EXPECT_EQ(img.pixel(w - 1 - k, h / 2), frame) << dpr << " right " << k;
      EXPECT_EQ(img.pixel(w / 2, k), frame) << dpr << " top " << k;
      EXPECT_EQ(img.pixel(w / 2, h - 1 - k), frame) << dpr << " bottom " << k;
    }
    EXPECT_EQ(img.pixel(edge, h / 2), inside) << dpr;
    EXPECT_EQ(img.pixel(w - 1 - edge, h / 2), inside) << dpr;
    EXPECT_EQ(img.pixel(w / 2, edge), inside) << dpr;
    EXPECT_EQ(img.pixel(w / 2, h - 1 - edge), inside) << dpr;
  }
}

// The larger renditions are asked for only when a dense screen first shows the picture, and
// only once.
TEST(TKuvPanelTest, LargerRenditionsAreReadOnlyForADenseScreen) {
  TPaintedPanel panel;
  panel.resize(300, 70);
  const QImage tile = PatternPicture(40, 16);
  int asked = 0;
  panel.SetPicture(tile, [&asked](int factor) {
    ++asked;
    return factor == 2 ? PatternPicture(80, 32) : QImage();
  });
  RenderDense(panel, 1.0);
  EXPECT_EQ(asked, 0);
  const QImage two = RenderDense(panel, 2.0);
  EXPECT_EQ(asked, 2);  // both factors, once
  EXPECT_EQ(two.pixel(4, 4), PatternPicture(80, 32).pixel(0, 0));
  RenderDense(panel, 2.0);
  RenderDense(panel, 1.5);
  EXPECT_EQ(asked, 2);
}

TEST(TKuvPanelTest, GradientFillsEveryColumnRowByRow) {
  TPaintedPanel panel;
  panel.resize(300, 104);
  panel.SetSColor(QColor(0, 0, 0));
  panel.SetFColor(QColor(200, 200, 200));
  panel.SetMode(pmGradient);
  const QImage img = Render(panel);
  EXPECT_EQ(panel.Strip().width(), 128);
  EXPECT_FALSE(panel.Dirty());
  for (int x : {2, 129, 130, 297}) {
    EXPECT_EQ(img.pixel(x, 2), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(x, 2 + 50), qRgb(100, 100, 100));
    EXPECT_EQ(img.pixel(x, 2 + 99), qRgb(198, 198, 198));
  }
  panel.SetFColor(QColor(0, 0, 0));  // rebuilt at the next paint
  EXPECT_TRUE(panel.Dirty());
  EXPECT_EQ(Render(panel).pixel(100, 60), qRgb(0, 0, 0));
}

TEST(TKuvPanelTest, RainbowAndSolidModes) {
  TPaintedPanel panel;
  panel.resize(100, 36);
  panel.SetMode(pmRainbow);
  QImage img = Render(panel);
  EXPECT_EQ(img.pixel(50, 2), qRgb(255, 0, 0));
  EXPECT_EQ(img.pixel(50, 2 + 20), qRgb(0, 255, 255));
  panel.SetColor(QColor(0, 128, 0));
  panel.SetMode(pmSolid);
  img = Render(panel);
  EXPECT_EQ(img.pixel(50, 20), qRgb(0, 128, 0));
  panel.SetMode(17);  // unknown modes paint as solid
  EXPECT_EQ(Render(panel).pixel(50, 20), qRgb(0, 128, 0));
}

TEST(TKuvPanelTest, TinyPanelsAndEmptyPicturesPaintSafely) {
  TPaintedPanel panel;
  panel.SetBColor(QColor(10, 20, 30));
  panel.resize(4, 30);
  panel.SetMode(pmGradient);
  QImage img = Render(panel);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(img.pixel(x, 15), qRgb(10, 20, 30)) << x;

  panel.resize(50, 50);
  panel.SetColor(QColor(1, 2, 3));
  panel.SetPicture(QImage());  // nothing to tile: the solid colour shows
  img = Render(panel);
  EXPECT_EQ(img.pixel(25, 25), qRgb(1, 2, 3));
}

TEST(SurfacePaintTest, PaintersFillTheirTarget) {
  QImage thumb(32, 32, QImage::Format_RGB32);
  PaintRainbow(10, thumb);
  for (int y = 0; y < 32; ++y) {
    const QColor c(thumb.pixel(16, y));
    EXPECT_GE(std::min({c.red(), c.green(), c.blue()}), 100) << y;
  }
  QImage low(20, 10, QImage::Format_RGB32);
  low.fill(Qt::blue);
  PaintRainbow(0, low);
  EXPECT_EQ(low.pixel(5, 5), qRgb(0, 0, 255));  // ten rows or fewer: unchanged
  QImage empty;
  PaintGradient(Qt::black, Qt::white, empty);  // nothing to do, no crash
  EXPECT_TRUE(empty.isNull());
}

TEST(TPictPanelTest, ShowsItsPictureOrLeavesPaintingToTheHandler) {
  TPicturePanel panel;
  panel.resize(20, 20);
  panel.Picture() = SolidPicture(20, 20, QColor(9, 8, 7));
  EXPECT_EQ(Render(panel).pixel(10, 10), qRgb(9, 8, 7));
  int calls = 0;
  panel.OnCustomPaint = [&calls](TPicturePanel*, QPainter& p) {
    ++calls;
    p.fillRect(0, 0, 20, 20, QColor(1, 1, 1));
  };
  panel.SetDDrawPanel(false);
  EXPECT_EQ(Render(panel).pixel(10, 10), qRgb(1, 1, 1));
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace durak
