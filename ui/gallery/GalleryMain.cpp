// durak-gallery: renders the card controls, the table surface and the widgets in each of
// their states into one PNG sheet, so they can be looked over at a glance.
//
//   durak-gallery [output.png]      (default: durak-gallery.png in the current folder)
//
// It fails when a picture on the sheet shows nothing (one colour all over).
//
// Card faces come from the card library c36.dll when it lies beside the program, otherwise
// plain drawn ones are used.
#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <vector>

#include "CardFaces.h"
#include "CardWidget.h"
#include "ColourButton.h"
#include "GalleryArt.h"
#include "GallerySheet.h"
#include "LedDisplay.h"
#include "LinkLabel.h"
#include "PaintedPanel.h"
#include "ProgramFonts.h"
#include "RaisedButton.h"
#include "Slider.h"
#include "SurfacePaint.h"
#include "WinColor.h"

#ifdef DURAK_GALLERY_PACKS
#include "OwnPictures.h"
#include "ResourcePack.h"
#endif

using namespace durak;

namespace {

struct TArt {
  TPictureLookup Card;
  QImage Wood;
  QString Source;
};

TArt LoadArt() {
  TArt art;
  art.Card = [](const QString& name) { return DrawnCardPicture(name); };
  art.Wood = DrawnWoodStrip();
  art.Source = QStringLiteral("drawn cards");
#ifdef DURAK_GALLERY_PACKS
  auto pack = std::make_shared<ResourcePack>();
  if (pack->Open(QStringLiteral("c36.dll")) && !pack->LoadImage(QStringLiteral("BK1")).isNull()) {
    // The faces are copied out at once, so the pack can stay open for the run.
    art.Card = [pack](const QString& name) { return pack->LoadImage(name); };
    art.Source = QStringLiteral("c36.dll");
  }
  const QImage wood = OwnPicture(QStringLiteral("PBG"));
  if (!wood.isNull()) art.Wood = wood;
#endif
  return art;
}

QImage Grab(QWidget& w) {
  return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Hover(QWidget& w) {
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
  QApplication::sendEvent(&w, &enter);
}

// A card of number cardNo with the library's pictures.
std::unique_ptr<TCardWidget> MakeCard(const TArt& art, int cardNo, int state, int back = 1,
                                      QWidget* parent = nullptr) {
  auto card = std::make_unique<TCardWidget>(cardNo - 16, parent);
  card->SetFace(art.Card(FaceNameOf(cardNo)));
  card->SetBack(art.Card(QStringLiteral("BK%1").arg(back)));
  card->SetCard(cardNo, state);
  return card;
}

void CardSection(TGallerySheet& sheet, const TArt& art) {
  sheet.Section(QStringLiteral("Cards (") + art.Source + QStringLiteral(")"));
  for (int no : {17, 33, 37, 41, 46, 52}) {
    auto c = MakeCard(art, no, 1);
    sheet.Add(Grab(*c), FaceNameOf(no) + QStringLiteral(" face up"));
  }
  for (int back = 1; back <= 5; ++back) {
    auto c = MakeCard(art, 17, 0, back);
    sheet.Add(Grab(*c), QStringLiteral("back BK%1").arg(back));
  }
  auto up = MakeCard(art, 44, 1);
  up->Turn();
  sheet.Add(Grab(*up), QStringLiteral("sideways, face up"));
  auto down = MakeCard(art, 44, 0);
  down->Turn();
  sheet.Add(Grab(*down), QStringLiteral("sideways, face down"));
  auto hot = MakeCard(art, 50, 1);
  hot->SetHotMouse(true);
  Hover(*hot);
  sheet.Add(Grab(*hot), QStringLiteral("hover, yellow"));
  auto dark = MakeCard(art, 50, 1);
  dark->SetHotMouseColor(QColor(0, 0, 0));
  dark->SetHotMouse(true);
  Hover(*dark);
  sheet.Add(Grab(*dark), QStringLiteral("hover, black"));
  auto band = MakeCard(art, 49, 1);
  band->WriteBand(QStringLiteral("TRUMP"), Qt::white, QColor(160, 0, 0), 10, true);
  sheet.Add(Grab(*band), QStringLiteral("text band"));
  auto flip = MakeCard(art, 49, 1);
  flip->SetStretch(true);
  flip->SetBounds(0, 0, flip->width() / 3, flip->height());
  sheet.Add(Grab(*flip), QStringLiteral("mid-flip (stretched)"));
}

void TableSection(TGallerySheet& sheet, const TArt& art) {
  sheet.Section(QStringLiteral("Table surface: the four modes"));
  auto panel = [](int w, int h) {
    auto p = std::make_unique<TPaintedPanel>();
    p->resize(w, h);
    return p;
  };
  auto solid = panel(200, 130);
  solid->SetColor(ColorFromWin(0x8000));
  sheet.Add(Grab(*solid), QStringLiteral("0 solid (green)"));
  auto grad = panel(200, 130);
  grad->SetSColor(ColorFromWin(0x8000));
  grad->SetFColor(ColorFromWin(0));
  grad->SetMode(pmGradient);
  sheet.Add(Grab(*grad), QStringLiteral("1 gradient green to black"));
  auto pict = panel(200, 130);
  pict->SetPicture(art.Wood);
  sheet.Add(Grab(*pict), QStringLiteral("2 picture (wood tiles)"));
  for (int b : {0, 10, -10}) {
    auto rb = panel(200, 130);
    rb->SetRBright(b);
    rb->SetMode(pmRainbow);
    sheet.Add(Grab(*rb), QStringLiteral("3 rainbow, brightness %1").arg(b));
  }
  auto column = panel(62, 130);
  column->SetBColor(SysColor(SysBtnShadow));
  column->SetPicture(art.Wood);
  sheet.Add(Grab(*column), QStringLiteral("column"));
  QImage thumbs(32 * 2 + 8, 32, QImage::Format_RGB32);
  thumbs.fill(Qt::white);
  QImage a(32, 32, QImage::Format_RGB32), b(32, 32, QImage::Format_RGB32);
  PaintGradient(QColor(0, 0, 128), QColor(255, 255, 255), a);
  PaintRainbow(0, b);
  QPainter(&thumbs).drawImage(0, 0, a);
  QPainter(&thumbs).drawImage(40, 0, b);
  sheet.Add(thumbs, QStringLiteral("32x32 menu pictures"));

  sheet.Section(QStringLiteral("A table in gradient mode with cards"));
  auto table = panel(760, 300);
  table->SetSColor(ColorFromWin(0x8000));
  table->SetFColor(ColorFromWin(0));
  table->SetMode(pmGradient);
  std::vector<std::unique_ptr<TCardWidget>> cards;
  const int cw = art.Card(QStringLiteral("BK1")).width();
  const int ch = art.Card(QStringLiteral("BK1")).height();
  for (int i = 0; i < 6; ++i) {  // the computer's hand, face down
    cards.push_back(MakeCard(art, 17 + i, 0, 1, table.get()));
    cards.back()->SetBounds(20 + i * (cw / 2 + 6), 12, cw, ch);
  }
  const int deckLeft = 760 - 760 / 6;
  const int deckTop = (300 - ch) / 2;
  auto trump = MakeCard(art, 47, 1, 1, table.get());
  trump->Turn();
  trump->SetBounds(deckLeft - ch / 3, deckTop + (ch - cw) / 2, ch, cw);
  for (int i = 1; i <= 5; ++i) {
    cards.push_back(MakeCard(art, 30 + i, 0, 1, table.get()));
    cards.back()->SetBounds(deckLeft + i - 1, deckTop - (i - 1), cw, ch);
  }
  const int pairs[][2] = {{18, 22}, {35, 39}};
  for (int k = 0; k < 2; ++k) {
    const int x = 10 + 30 * (k + 1) + k * cw;
    cards.push_back(MakeCard(art, pairs[k][0], 1, 1, table.get()));
    cards.back()->SetBounds(x - 5, deckTop - 10, cw, ch);
    cards.push_back(MakeCard(art, pairs[k][1], 1, 1, table.get()));
    cards.back()->SetBounds(x + 5, deckTop + 10, cw, ch);
  }
  for (int i = 0; i < 6; ++i) {  // the player's hand, the hovered card tinted
    cards.push_back(MakeCard(art, 40 + i, 1, 1, table.get()));
    cards.back()->SetBounds(20 + i * (cw / 2 + 14), 300 - ch - 12, cw, ch);
    cards.back()->SetHotMouse(true);
  }
  Hover(*cards.back());
  sheet.Add(Grab(*table), QStringLiteral("deck with the trump across it, two pairs, hands"));
}

QImage DrawWith(const QSize& size, const std::function<void(QPainter&)>& draw) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  draw(p);
  return img;
}

void LedSection(TGallerySheet& sheet) {
  sheet.Section(QStringLiteral("LED counters"));
  struct TCase {
    int W, Digits;
    bool Neg, HiNill;
    int Number;
    const char* Caption;
  };
  const TCase cases[] = {
      {20, 2, false, true, 24, "stock 24 (20 px, 2 cells)"},
      {17, 3, false, true, 7, "7, leading zeros"},
      {17, 3, false, false, 7, "7, no leading zeros"},
      {17, 3, false, true, 1234, "1234 in 3 cells"},
      {17, 3, true, true, -5, "-5 with sign cell"},
      {17, 3, false, true, -5, "-5 without sign cell"},
      {17, 3, false, false, 0, "0, no leading zeros"},
      {15, 1, true, true, -8, "sign cell only"},
      {30, 3, false, true, 189, "189 at 30 px"},
  };
  for (const TCase& c : cases) {
    TLedDisplay led;
    led.SetW1Digit(c.W);
    led.SetDigits(c.Digits);
    led.SetNeg(c.Neg);
    led.SetHiNill(c.HiNill);
    led.SetNumber(c.Number);
    sheet.Add(led.ComposeNumber(), QString::fromUtf8(c.Caption));
  }
  TLedDisplay speed;
  speed.SetW1Digit(16);
  speed.SetNeg(false);
  speed.SetCol(1, QColor(0, 0, 0));
  speed.SetCol(2, ColorFromWin(11053224));
  speed.SetCol(3, SysColor(SysBtnFace));
  speed.SetNumber(40);
  sheet.Add(speed.ComposeNumber(), QStringLiteral("speed 40 (dialog colours)"));
  TLedDisplay marks;
  QImage cells(4 * 40, 48, QImage::Format_RGB32);
  cells.fill(Qt::white);
  {
    QPainter p(&cells);
    int x = 0;
    for (int mark = 1; mark <= 4; ++mark) {
      const QImage cell = marks.DrawCell(mark + 4, 24, mark);
      p.drawImage(x, 0, cell);
      x += cell.width() + 6;
    }
  }
  sheet.Add(cells, QStringLiteral("marks: dot, unlit dot, colon, unlit colon"));
  QImage small(60, 24, QImage::Format_RGB32);
  small.fill(Qt::white);
  {
    QPainter p(&small);
    p.drawImage(0, 0, marks.DrawCell(8, 6, 0));
    p.drawImage(12, 0, marks.DrawCell(8, 12, 0));
  }
  sheet.Add(small, QStringLiteral("8 at 6 and 12 px"));
}

void ButtonSection(TGallerySheet& sheet) {
  sheet.Section(QStringLiteral("3-D buttons"));
  TRaisedButton b(QString::fromUtf8("Замесить"));
  b.setFont(ProgramPixelFont(QStringLiteral("Times New Roman"), 19));
  b.SetFCol(ColorFromWin(8454143));
  b.SetBCol(QColor(0, 0, 0));
  b.resize(92, 31);
  struct TState {
    bool Pressed, Focused, Enabled, Hot;
    const char* Caption;
  };
  const TState states[] = {{false, false, true, false, "normal"},
                           {false, false, true, true, "hot"},
                           {true, false, true, true, "hot, pressed"},
                           {false, false, false, false, "disabled"},
                           {false, true, true, false, "focused"}};
  for (const TState& s : states)
    sheet.Add(DrawWith(b.size(),
                       [&](QPainter& p) { b.DrawItem(p, s.Pressed, s.Focused, s.Enabled, s.Hot); }),
              QString::fromUtf8(s.Caption));
  for (const char* caption : {"Бито", "Беру", "Забирай", "Бейся"}) {
    b.setText(QString::fromUtf8(caption));
    sheet.Add(DrawWith(b.size(), [&](QPainter& p) { b.DrawItem(p, false, false, true, false); }),
              QString::fromUtf8(caption));
  }
  b.SetRad(12);
  b.setText(QString::fromUtf8("Беру"));
  sheet.Add(DrawWith(b.size(), [&](QPainter& p) { b.DrawItem(p, false, false, true, true); }),
            QStringLiteral("Rad 12, hot"));

  sheet.Section(QStringLiteral("Colour buttons"));
  const char* shapes[] = {"Kvadrat", "3Up",  "3Dn",  "3Left",  "3Right",
                          "Skosh",   "Romb", "Krug", "KvKrug", "Star"};
  TColourButton c;
  c.resize(110, 25);
  c.SetLorR(lrLeft);
  const QColor colours[] = {QColor(255, 255, 0), QColor(0, 160, 0), QColor(0, 0, 0),
                            QColor(200, 0, 0), QColor(0, 90, 200)};
  for (int v = 0; v < 10; ++v) {
    c.SetVid(v);
    c.setText(QString::fromLatin1(shapes[v]));
    c.SetBtnColor(colours[v % 5]);
    sheet.Add(DrawWith(c.size(), [&](QPainter& p) { c.DrawItem(p, false, false, true); }),
              QStringLiteral("vb") + QString::fromLatin1(shapes[v]));
  }
  c.resize(120, 25);
  c.setText(QString::fromUtf8("Цвет стола"));
  c.SetVid(vbKrug);
  c.SetLorR(lrRight);
  c.SetBtnColor(QColor(0, 128, 0));
  sheet.Add(DrawWith(c.size(), [&](QPainter& p) { c.DrawItem(p, false, false, true); }),
            QStringLiteral("swatch right"));
  sheet.Add(DrawWith(c.size(), [&](QPainter& p) { c.DrawItem(p, true, false, true); }),
            QStringLiteral("pressed"));
  sheet.Add(DrawWith(c.size(), [&](QPainter& p) { c.DrawItem(p, false, true, true); }),
            QStringLiteral("focused"));
  sheet.Add(DrawWith(c.size(), [&](QPainter& p) { c.DrawItem(p, false, false, false); }),
            QStringLiteral("disabled"));
  c.resize(60, 45);
  c.setText(QString());
  c.SetVid(vbStar);
  c.SetLorR(lrLeft);
  c.SetBtnColor(QColor(255, 200, 0));
  for (int s = vs5; s <= vs10; ++s) {
    c.SetVidStar(s);
    sheet.Add(DrawWith(c.size(), [&](QPainter& p) { c.DrawItem(p, false, false, true); }),
              QStringLiteral("star, %1 points").arg(5 + s));
  }
}

void LabelSection(TGallerySheet& sheet) {
  sheet.Section(QStringLiteral("Hot label and track bars"));
  TLinkLabel label(QStringLiteral("Mail"));
  QFont f = ProgramPixelFont(QStringLiteral("Arial"), 16);
  f.setUnderline(true);
  label.setFont(f);
  label.SetFontColor(QColor(0, 0, 160));
  label.SetHotColor(QColor(255, 0, 0));
  label.adjustSize();
  sheet.Add(Grab(label), QStringLiteral("label"));
  Hover(label);
  sheet.Add(Grab(label), QStringLiteral("label, hot"));
  TSlider speed(Qt::Horizontal);
  speed.Setup(10, 100, 5, 5);
  speed.setValue(40);
  speed.resize(200, 32);
  sheet.Add(Grab(speed), QStringLiteral("speed 10..100 at 40"));
  TSlider bright(Qt::Vertical);
  bright.Setup(-10, 0, 1, 1);
  bright.setValue(-3);
  bright.resize(32, 110);
  sheet.Add(Grab(bright), QStringLiteral("brightness -10..0"));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  const QString out =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("durak-gallery.png");
  const TArt art = LoadArt();
  TGallerySheet sheet(1200);
  CardSection(sheet, art);
  TableSection(sheet, art);
  LedSection(sheet);
  ButtonSection(sheet);
  LabelSection(sheet);
  if (!sheet.Render().save(out)) {
    std::fprintf(stderr, "durak-gallery: cannot write %s\n", qPrintable(out));
    return 1;
  }
  // A picture that shows nothing is a control that failed to draw.
  const std::vector<QString> blank = sheet.BlankPictures();
  for (const QString& caption : blank)
    std::fprintf(stderr, "durak-gallery: \"%s\" shows nothing\n", qPrintable(caption));
  std::printf("durak-gallery: wrote %s: %d sections, %d pictures, %d of them blank\n",
              qPrintable(out), sheet.SectionCount(), sheet.PictureCount(),
              static_cast<int>(blank.size()));
  return blank.empty() ? 0 : 1;
}
