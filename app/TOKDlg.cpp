#include "TOKDlg.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QUrl>
#include <cmath>

#include "DurakVersion.h"
#include "Layout.h"
#include "Mnemonics.h"
#include "PlainText.h"
#include "ProgramFonts.h"
#include "TBtn3d.h"
#include "TKuvLabel.h"
#include "TPictPanel.h"
#include "WinColor.h"

namespace durak {

namespace {

constexpr int kWidth = 323, kHeight = 214;
const QColor kTint(51, 119, 153);
constexpr double kTintWeight = 0.3;
const QColor kGlassFill(50, 50, 100);

int Mix(int a, int b, double weight) {
  return static_cast<int>(Nearest(weight * a + (1.0 - weight) * b));
}

}  // namespace

QImage GetImage(const QImage& capture, const QColor& tint, double weight) {
  QImage out = capture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb c = row[x];
      row[x] = qRgb(Mix(qRed(c), tint.red(), weight), Mix(qGreen(c), tint.green(), weight),
                    Mix(qBlue(c), tint.blue(), weight));
    }
  }
  return out;
}

void BlendCard(QImage& picture, const QImage& card, int x, int y) {
  const QImage face = card.convertToFormat(QImage::Format_RGB32);
  for (int cy = 0; cy < face.height(); ++cy) {
    const int py = y + cy;
    if (py < 0 || py >= picture.height()) continue;
    const auto* src = reinterpret_cast<const QRgb*>(face.constScanLine(cy));
    auto* dst = reinterpret_cast<QRgb*>(picture.scanLine(py));
    for (int cx = 0; cx < face.width(); ++cx) {
      const int px = x + cx;
      if (px < 0 || px >= picture.width()) continue;
      dst[px] =
          qRgb(Mix(qRed(dst[px]), qRed(src[cx]), 0.8), Mix(qGreen(dst[px]), qGreen(src[cx]), 0.8),
               Mix(qBlue(dst[px]), qBlue(src[cx]), 0.8));
    }
  }
}

QImage ComposeGlass(const QSize& size, const QImage& capture, const QPoint& captureAt,
                    const std::array<QImage, 3>& cards) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(kGlassFill);
  {
    QPainter p(&picture);
    p.drawImage(captureAt, capture);
  }
  const int w = size.width(), h = size.height();
  auto at = [](double v) { return static_cast<int>(Nearest(v)); };
  BlendCard(picture, cards[0], at(0.1 * w), at(0.1 * h));
  BlendCard(picture, cards[2], at(0.4 * w), at(0.3 * h));
  BlendCard(picture, cards[1], at(0.7 * w), at(0.5 * h));
  return picture;
}

QPoint CentreOn(const QRect& main, const QSize& dialog) {
  return {main.left() + (main.width() - dialog.width()) / 2,
          main.top() + (main.height() - dialog.height()) / 2};
}

TOKDlg::TOKDlg(QWidget* main, const std::array<QImage, 3>& cards)
    : QDialog(main), FMain(main), FCards(cards) {
  setFixedSize(kWidth, kHeight);
  pp1 = new TPictPanel(this);
  pp1->setGeometry(0, 0, kWidth, kHeight);
  pp1->SetDDrawPanel(false);
  pp1->OnKuvPaint = [this](TPictPanel*, QPainter& p) { pp1KuvPaint(p); };

  const QFont textFont = ProgramPixelFont(QStringLiteral("Courier New"), 13, true);
  const QString white = QStringLiteral("color: white; background: transparent;");
  auto line = [&](const char* text, int top) {
    auto* l = MakePlain(new QLabel(QString::fromUtf8(text), pp1));
    l->setFont(textFont);
    l->setStyleSheet(white);
    l->move(16, top);
    return l;
  };
  Label1 = line("Program", 16);
  Label2 = line("", 60);
  Label3 = line("Author", 104);

  QFont linkFont = ProgramPixelFont(QStringLiteral("Times New Roman"), 19);
  linkFont.setUnderline(true);
  auto link = [&](const char* text, int left) {
    auto* l = new TKuvLabel(QString::fromUtf8(text), pp1);
    l->setFont(linkFont);
    l->SetFontColor(QColor(255, 255, 0));
    l->SetHotColor(QColor(0, 255, 0));
    l->setCursor(Qt::PointingHandCursor);
    l->move(left, 143);
    l->adjustSize();
    connect(l, &TKuvLabel::Clicked, this,
            [this](TKuvLabel* sender) { OpenLink(sender->Addres()); });
    return l;
  };
  KuvLabel1 = link("Mail", 16);
  KuvLabel2 = link("Home page (Rus)", 152);

  OKBtn = new TBtn3d(QStringLiteral("OK"), pp1);
  OKBtn->setGeometry(276, 176, 42, 33);
  // Dark letters embossed in light on the button face, readable over the glass.
  OKBtn->SetFCol(SysColor(SysBtnText));
  OKBtn->SetBCol(SysColor(SysBtnHighlight));
  OKBtn->SetRad(1);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

  const std::pair<QObject*, const char*> names[] = {
      {pp1, "pp1"},       {Label1, "Label1"},       {Label2, "Label2"},
      {Label3, "Label3"}, {KuvLabel1, "KuvLabel1"}, {KuvLabel2, "KuvLabel2"},
      {OKBtn, "OKBtn"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));

  OpenLink = [](const QString& address) {
    const QUrl url = LinkUrl(address);
    if (url.isValid()) QDesktopServices::openUrl(url);
  };
}

QUrl TOKDlg::LinkUrl(const QString& address) {
  QUrl url(address);
  if (address.isEmpty() || !url.scheme().isEmpty()) return url;
  // A bare name is one of the game's documents: beside the program, else where it is
  // installed. A document that is nowhere gives no address.
  const QString name = QFileInfo(address).fileName();
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  if (QFileInfo(beside).isFile()) return QUrl::fromLocalFile(beside);
  // Installed, the licence is the package's copyright file: it names the licence of the
  // game and of every picture and sound in its packs.
  const QDir installed(QStringLiteral(DURAK_DOC_DIR));
  QStringList names{name};
  if (name == QLatin1String("LICENSE")) names.prepend(QStringLiteral("copyright"));
  for (const QString& candidate : names) {
    const QString path = installed.filePath(candidate);
    if (QFileInfo(path).isFile()) return QUrl::fromLocalFile(path);
  }
  return QUrl();
}

QString TOKDlg::ProgramLine(const QString& name) {
  return QStringLiteral("%1, v%2").arg(name, QStringLiteral(DURAK_VERSION));
}

void TOKDlg::ApplyTexts(const TTextTable& t) {
  auto text = [&t](TextId n, const QString& fallback) {
    return t[n].isEmpty() && !t.Loaded() ? fallback : t[n];
  };
  setWindowTitle(text(kAboutCaptionText, QStringLiteral("О программе")));
  Label1->setText(ProgramLine(text(kAboutProgramText, QStringLiteral("Program"))));
  Label2->setText(text(kAboutPlayText, QString()));
  Label3->setText(text(kAboutAuthorsText, QStringLiteral("Author")));
  KuvLabel1->SetAddres(t[kReadMeAddressText]);
  KuvLabel1->setToolTip(PlainToolTip(t[kReadMeAddressText]));
  KuvLabel2->SetAddres(t[kLicenceAddressText]);
  KuvLabel2->setToolTip(PlainToolTip(t[kLicenceAddressText]));
  // The links name the documents they open.
  if (!t[kReadMeLinkText].isEmpty()) KuvLabel1->setText(t[kReadMeLinkText]);
  if (!t[kLicenceLinkText].isEmpty()) KuvLabel2->setText(t[kLicenceLinkText]);
  OKBtn->setText(QStringLiteral("OK"));
  GiveMnemonics(this);
}

void TOKDlg::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TOKDlg::FormShow() {
  FMainTopLeft = FMain->mapToGlobal(QPoint(0, 0));
  move(CentreOn(FMain->geometry(), size()));
  // What the game window shows now, under the glass.
  FCapture = GetImage(FMain->grab().toImage(), kTint, kTintWeight);
  for (QLabel* l : {Label1, Label2, Label3}) l->adjustSize();
  for (TKuvLabel* l : {KuvLabel1, KuvLabel2}) l->adjustSize();
}

void TOKDlg::moveEvent(QMoveEvent* event) {
  // While the dialog is dragged the glass is repainted, so the game window seems to stay.
  pp1->update();
  QDialog::moveEvent(event);
}

void TOKDlg::pp1KuvPaint(QPainter& p) {
  const QPoint panel = pp1->mapToGlobal(QPoint(0, 0));
  p.drawImage(0, 0, ComposeGlass(pp1->size(), FCapture, FMainTopLeft - panel, FCards));
}

}  // namespace durak
