// The counter, the 3-D button, the colour button, the hot label and the colour conversion on
// the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QEnterEvent>
#include <QTimer>

#include "TestPictures.h"
#include "widgets/ColourButton.h"
#include "widgets/LedDisplay.h"
#include "widgets/LedMath.h"
#include "widgets/LinkLabel.h"
#include "widgets/RaisedButton.h"
#include "widgets/WinColor.h"

namespace durak {
namespace {

QImage Render(QWidget& w) {
  QImage img(w.size(), QImage::Format_RGB32);
  img.fill(Qt::magenta);
  w.render(&img);
  return img;
}

// Reads a rendered counter back: for each cell, which segments show the lit colour at the
// middle of their polygon.
std::vector<int> ReadLed(const QImage& img, int cellWidth, const QColor& lit) {
  std::vector<int> codes;
  const auto segs = LedSegments(cellWidth);
  for (int x0 = 0; x0 + cellWidth <= img.width(); x0 += cellWidth) {
    int mask = 0;
    for (int s = 0; s < 7; ++s) {
      // The middle of a segment is the mean of its pointed ends (vertices 2 and 5).
      const int cx = (segs[s][2].X + segs[s][5].X) / 2;
      const int cy = (segs[s][2].Y + segs[s][5].Y) / 2;
      if (img.pixel(x0 + cx, cy) == lit.rgb()) mask |= 1 << s;
    }
    int code = -3;
    for (int c : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, LedMinus, LedBlank})
      if (LedLitMask(c) == mask) code = c;
    codes.push_back(code);
  }
  return codes;
}

TEST(TKuvLedTest, SizesItselfToItsCells) {
  TLedDisplay led;
  led.SetW1Digit(17);
  led.SetDigits(3);
  led.SetNeg(false);
  led.resize(200, 10);
  Render(led);  // the first paint
  EXPECT_EQ(led.size(), QSize(51, 34));
  EXPECT_EQ(Render(led).size(), QSize(51, 34));
  TLedDisplay fresh;
  EXPECT_EQ(fresh.size(), QSize(45, 90));  // a new counter, before anything is set
}

TEST(TKuvLedTest, ShowsReadableDigits) {
  TLedDisplay led;
  led.SetW1Digit(20);
  led.SetDigits(3);
  led.SetNeg(true);
  led.SetNumber(-5);
  EXPECT_EQ(ReadLed(Render(led), 20, led.ACol()), (std::vector<int>{LedMinus, 0, 5}));
  led.SetNeg(false);
  led.SetHiNill(false);
  led.SetNumber(1234);
  EXPECT_EQ(ReadLed(Render(led), 20, led.ACol()), (std::vector<int>{2, 3, 4}));
  led.SetNumber(0);
  EXPECT_EQ(ReadLed(Render(led), 20, led.ACol()), (std::vector<int>{LedBlank, LedBlank, 0}));
  led.SetNumber(86);
  led.SetCol(1, Qt::black);
  led.SetCol(2, QColor(168, 168, 168));
  led.SetCol(3, QColor(240, 240, 240));
  const QImage img = Render(led);
  EXPECT_EQ(ReadLed(img, 20, Qt::black), (std::vector<int>{LedBlank, 8, 6}));
  EXPECT_EQ(img.pixel(0, 0), qRgb(240, 240, 240));  // the background
}

TEST(TKuvLedTest, CellsWithMarksAndBadCodes) {
  TLedDisplay led;
  EXPECT_TRUE(led.DrawCell(12, 20, 0).isNull());
  EXPECT_TRUE(led.DrawCell(3, 0, 0).isNull());
  const QImage dot = led.DrawCell(LedBlank, 12, 1);
  EXPECT_EQ(dot.size(), QSize(15, 24));
  EXPECT_EQ(dot.pixel(11, 20), led.ACol().rgb());  // the lit dot
  EXPECT_EQ(led.DrawCell(LedBlank, 12, 2).pixel(11, 20), led.NACol().rgb());
  led.SetDigits(1);
  led.SetNeg(true);
  EXPECT_EQ(led.ComposeNumber().width(), 15);  // only the sign cell
}

// On a screen of ratio 2 the counter is drawn in the screen's own pixels: the same digits
// where each window pixel's centre lies, with finer steps along the slanted segment ends
// than an enlarged picture would have.
TEST(TKuvLedTest, DenseScreensGetTheCounterInTheirOwnPixels) {
  TLedDisplay led;
  led.SetW1Digit(20);
  led.SetNumber(486);
  const QImage one = led.ComposeNumber(1.0);
  const QImage two = led.ComposeNumber(2.0);
  ASSERT_EQ(two.size(), one.size() * 2);
  EXPECT_EQ(two.devicePixelRatio(), 2.0);
  EXPECT_EQ(two.deviceIndependentSize().toSize(), one.size());
  int same = 0, finer = 0;
  for (int y = 0; y < one.height(); ++y)
    for (int x = 0; x < one.width(); ++x) {
      const QRgb a = two.pixel(2 * x, 2 * y);
      if (a == one.pixel(x, y)) ++same;
      if (a != two.pixel(2 * x + 1, 2 * y) || a != two.pixel(2 * x, 2 * y + 1) ||
          a != two.pixel(2 * x + 1, 2 * y + 1))
        ++finer;
    }
  EXPECT_GT(same, one.width() * one.height() * 9 / 10);
  EXPECT_GT(finer, 0) << "an enlarged picture has no window pixel of two colours";
}

void Hover(QWidget* w, bool in) {
  if (in) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w, &enter);
  } else {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
  }
}

// Captions drawn without smoothing, so their colours can be counted exactly.
QFont CrispFont() {
  QFont f = QApplication::font();
  f.setPixelSize(19);
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

class ButtonImage {
 public:
  ButtonImage(TRaisedButton& b, bool pressed, bool enabled, bool hot)
      : Img(b.size(), QImage::Format_RGB32) {
    Img.fill(Qt::magenta);
    QPainter p(&Img);
    b.DrawItem(p, pressed, false, enabled, hot);
  }
  int Count(const QColor& c) const {
    int n = 0;
    for (int y = 0; y < Img.height(); ++y)
      for (int x = 0; x < Img.width(); ++x) n += Img.pixel(x, y) == c.rgb();
    return n;
  }
  QImage Img;
};

TEST(TBtn3dTest, RimShowsOnlyWhileHotAndSinksWhenPressed) {
  TRaisedButton b(QStringLiteral("Beru"));
  b.resize(92, 31);
  const QColor light = SysColor(SysBtnHighlight);
  const QColor shadow = SysColor(SysBtnShadow);
  const ButtonImage flat(b, false, true, false);
  EXPECT_EQ(flat.Img.pixel(46, 0), light.rgb());   // highlight outline
  EXPECT_EQ(flat.Img.pixel(46, 1), shadow.rgb());  // shadow outline inside it
  const ButtonImage raised(b, false, true, true);
  EXPECT_EQ(raised.Img.pixel(46, 0), light.rgb());
  EXPECT_EQ(raised.Img.pixel(46, 30), shadow.rgb());
  const ButtonImage sunk(b, true, true, true);
  EXPECT_EQ(sunk.Img.pixel(46, 0), shadow.rgb());
  EXPECT_EQ(sunk.Img.pixel(46, 30), light.rgb());
}

TEST(TBtn3dTest, DisabledCaptionIgnoresItsColours) {
  TRaisedButton b(QStringLiteral("Bito"));
  b.setFont(CrispFont());
  b.resize(92, 31);
  b.SetFCol(QColor(255, 255, 128));
  b.SetBCol(QColor(0, 0, 0));
  const ButtonImage on(b, false, true, false);
  EXPECT_GT(on.Count(QColor(255, 255, 128)), 0);
  const ButtonImage off(b, false, false, false);
  EXPECT_EQ(off.Count(QColor(255, 255, 128)), 0);
  EXPECT_GT(off.Count(SysColor(Sys3dDkShadow)), 0);
}

TEST(TBtn3dTest, FrontCaptionRisesWhileHot) {
  TRaisedButton b(QStringLiteral("I"));
  b.setFont(CrispFont());
  b.resize(60, 30);
  b.SetFCol(QColor(255, 0, 0));
  b.SetBCol(QColor(0, 0, 255));
  auto topLeftOf = [](const QImage& img, const QColor& c) {
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == c.rgb()) return QPoint(x, y);
    return QPoint(-1, -1);
  };
  const QPoint cold = topLeftOf(ButtonImage(b, false, true, false).Img, QColor(255, 0, 0));
  const QPoint hot = topLeftOf(ButtonImage(b, false, true, true).Img, QColor(255, 0, 0));
  ASSERT_NE(cold, QPoint(-1, -1));
  EXPECT_EQ(hot, cold - QPoint(1, 1));
  Hover(&b, true);
  EXPECT_TRUE(b.Hot());
  Hover(&b, false);
  EXPECT_FALSE(b.Hot());
}

TEST(TColBtnTest, CancelKeepsTheColourAndRaisesNothing) {
  TColourButton b(QStringLiteral("Colour"));
  b.resize(97, 25);
  b.SetBtnColor(QColor(10, 20, 30));
  bool clickedFirst = false;
  bool dialogSeen = false;
  int changes = 0;
  QObject::connect(&b, &QPushButton::clicked, [&] { clickedFirst = !dialogSeen; });
  QObject::connect(&b, &TColourButton::ColorChanged, [&](TColourButton*) { ++changes; });
  QTimer::singleShot(0, [&] {
    auto* dlg = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    dialogSeen = dlg != nullptr;
    if (dlg) {
      EXPECT_EQ(dlg->currentColor(), QColor(10, 20, 30));  // preset to the button's colour
      dlg->setCurrentColor(Qt::red);
      dlg->reject();
    }
  });
  b.Click();
  EXPECT_TRUE(dialogSeen);
  EXPECT_TRUE(clickedFirst);
  EXPECT_EQ(b.BtnColor(), QColor(10, 20, 30));
  EXPECT_EQ(changes, 0);
}

TEST(TColBtnTest, ConfirmedColourIsStoredAndAnnounced) {
  TColourButton b(QStringLiteral("Colour"));
  b.resize(97, 25);
  TColourButton* sender = nullptr;
  QObject::connect(&b, &TColourButton::ColorChanged, [&](TColourButton* s) { sender = s; });
  QTimer::singleShot(0, [] {
    if (auto* dlg = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
      dlg->setCurrentColor(QColor(1, 200, 3));
      dlg->accept();
    }
  });
  b.Click();
  EXPECT_EQ(b.BtnColor(), QColor(1, 200, 3));
  EXPECT_EQ(sender, &b);
}

TEST(TColBtnTest, SwatchMovesWhenPressedAndOutlinesGrayWhenDisabled) {
  TColourButton b;
  b.resize(97, 25);
  b.SetLorR(lrLeft);
  b.SetVid(vbKvadrat);
  b.SetBtnColor(QColor(0, 0, 255));
  auto draw = [&b](bool pressed, bool enabled) {
    QImage img(b.size(), QImage::Format_RGB32);
    QPainter p(&img);
    b.DrawItem(p, pressed, false, enabled);
    return img;
  };
  // Swatch (2, 2, 22, 22) shrunk by one: outline from 3 to 20, fill inside.
  QImage up = draw(false, true);
  EXPECT_EQ(up.pixel(3, 10), SysColor(SysBtnText).rgb());
  EXPECT_EQ(up.pixel(10, 10), qRgb(0, 0, 255));
  EXPECT_EQ(up.pixel(20, 10), SysColor(SysBtnText).rgb());
  QImage down = draw(true, true);
  EXPECT_EQ(down.pixel(4, 10), SysColor(SysBtnText).rgb());
  EXPECT_EQ(down.pixel(21, 10), SysColor(SysBtnText).rgb());
  QImage off = draw(false, false);
  EXPECT_EQ(off.pixel(3, 10), SysColor(SysGrayText).rgb());
  EXPECT_EQ(off.pixel(10, 10), qRgb(0, 0, 255));
}

TEST(TKuvLabelTest, HoverColourAndTheSavedNormalColour) {
  TLinkLabel label(QStringLiteral("Mail"));
  label.SetFontColor(QColor(255, 255, 0));
  label.SetHotColor(QColor(0, 255, 0));
  Hover(&label, true);
  EXPECT_EQ(label.FontColor(), QColor(0, 255, 0));
  Hover(&label, false);
  EXPECT_EQ(label.FontColor(), QColor(255, 255, 0));

  Hover(&label, true);
  label.SetFontColor(QColor(0, 0, 255));  // shows at once...
  EXPECT_EQ(label.FontColor(), QColor(0, 0, 255));
  label.SetHotColor(QColor(255, 0, 0));  // ...and a new hot colour waits for the next entry
  Hover(&label, false);
  EXPECT_EQ(label.FontColor(), QColor(255, 255, 0));  // ...but leaving restores the old one
  Hover(&label, true);
  EXPECT_EQ(label.FontColor(), QColor(255, 0, 0));
  Hover(&label, false);
}

TEST(WinColorTest, StoredValuesAndSystemColours) {
  EXPECT_EQ(ColorFromWin(0x8000), QColor(0, 128, 0));
  EXPECT_EQ(ColorFromWin(22668), QColor(140, 88, 0));
  EXPECT_EQ(ColorFromWin(8454143), QColor(255, 255, 128));
  EXPECT_EQ(ColorFromWin(2162464), QColor(32, 255, 32));
  EXPECT_EQ(WinFromColor(QColor(168, 168, 168)), 11053224);
  EXPECT_EQ(WinFromColor(QColor(255, 255, 0)), 65535);
  const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
  EXPECT_EQ(ColorFromWin(WinSysColorValue(SysBtnFace)), face);
  EXPECT_EQ(ColorFromWin(static_cast<int32_t>(0xFF00000Fu)), face);
  EXPECT_EQ(ColorFromWin(-2147483633), face);  // the same value as a signed settings entry
  QPalette custom;
  custom.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
  EXPECT_EQ(SysColor(SysHighlight, custom), QColor(1, 2, 3));
}

}  // namespace
}  // namespace durak
