// The pack builder stores pictures in the smallest PNG form that keeps every pixel: the game
// reads back exactly the picture that was drawn, whichever form was chosen.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QRandomGenerator>

#include "CompactPng.h"
#include "PictureFormat.h"

using namespace packbuilder;

namespace {

// PNG colour types as the file header names them.
constexpr int kGrey = 0, kColour = 2, kPalette = 3, kColourAlpha = 6;

int ColourTypeOf(const QByteArray& png) {
  return png.size() > 25 ? static_cast<unsigned char>(png[25]) : -1;
}

int BitDepthOf(const QByteArray& png) {
  return png.size() > 24 ? static_cast<unsigned char>(png[24]) : -1;
}

// Decodes as the game does and compares colour and alpha of every pixel.
void ExpectSamePixels(const QImage& drawn, const QByteArray& png) {
  const QImage read = durak::DecodePictureBytes(png, 4096);
  ASSERT_FALSE(read.isNull());
  ASSERT_EQ(read.size(), drawn.size());
  const QImage a = drawn.convertToFormat(QImage::Format_ARGB32);
  const QImage b = read.convertToFormat(QImage::Format_ARGB32);
  int differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) ++differing;
  EXPECT_EQ(differing, 0);
}

QByteArray QtPng(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG", 0);
  return bytes;
}

// A card-like drawing: antialiased rounded corners over transparency, a shaded figure.
QImage CardLike(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, 1.3));
  p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
  QLinearGradient shade(0, 0, w, h);
  shade.setColorAt(0, QColor(200, 20, 30));
  shade.setColorAt(1, QColor(20, 30, 160, 140));
  p.setBrush(shade);
  p.drawEllipse(QRectF(w * 0.2, h * 0.2, w * 0.6, h * 0.5));
  p.end();
  return image;
}

TEST(CompactPng, EveryKindOfPictureReadsBackPixelForPixel) {
  // Shaded colour over soft transparent edges: full colour with alpha.
  const QImage card = CardLike(71, 107);
  const QByteArray cardPng = CompactPng(card);
  EXPECT_EQ(ColourTypeOf(cardPng), kColourAlpha);
  ExpectSamePixels(card, cardPng);
  EXPECT_LE(cardPng.size(), QtPng(card).size());

  // Opaque noise in every colour: full colour without alpha.
  QImage noise(45, 33, QImage::Format_RGB32);
  QRandomGenerator random(7);
  for (int y = 0; y < noise.height(); ++y)
    for (int x = 0; x < noise.width(); ++x) noise.setPixel(x, y, 0xff000000u | random.generate());
  EXPECT_EQ(ColourTypeOf(CompactPng(noise)), kColour);
  ExpectSamePixels(noise, CompactPng(noise));

  // A grey ramp of 300 shades wide: more greys than a palette holds.
  QImage ramp(300, 3, QImage::Format_RGB32);
  for (int x = 0; x < ramp.width(); ++x) {
    const int g = x * 255 / 299;
    for (int y = 0; y < ramp.height(); ++y) ramp.setPixel(x, y, qRgb(g, g, g));
  }
  const QByteArray rampPng = CompactPng(ramp);
  EXPECT_EQ(ColourTypeOf(rampPng), kGrey);
  ExpectSamePixels(ramp, rampPng);

  // Three colours, one of them half transparent, in rows whose width is no whole number of
  // bytes at two bits a pixel: a palette of four entries at most.
  QImage few(13, 7, QImage::Format_ARGB32);
  for (int y = 0; y < few.height(); ++y)
    for (int x = 0; x < few.width(); ++x)
      few.setPixel(x, y,
                   (x + y) % 3 == 0 ? qRgba(0, 0, 0, 0)
                   : (x * y) % 2    ? qRgba(10, 120, 30, 128)
                                    : qRgba(250, 240, 10, 255));
  const QByteArray fewPng = CompactPng(few);
  EXPECT_EQ(ColourTypeOf(fewPng), kPalette);
  EXPECT_EQ(BitDepthOf(fewPng), 2);
  ExpectSamePixels(few, fewPng);

  // 257 colours do not fit a palette.
  QImage many(257, 2, QImage::Format_RGB32);
  for (int x = 0; x < many.width(); ++x) {
    many.setPixel(x, 0, qRgb(x % 256, x / 256, 77));
    many.setPixel(x, 1, qRgb(x % 256, x / 256, 77));
  }
  EXPECT_NE(ColourTypeOf(CompactPng(many)), kPalette);
  ExpectSamePixels(many, CompactPng(many));

  QImage clear(1, 1, QImage::Format_ARGB32_Premultiplied);
  clear.fill(Qt::transparent);
  ExpectSamePixels(clear, CompactPng(clear));
  EXPECT_TRUE(CompactPng(QImage()).isEmpty());
}

}  // namespace
