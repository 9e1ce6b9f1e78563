#include "AboutDialog.h"

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
#include "LinkLabel.h"
#include "Mnemonics.h"
#include "PicturePanel.h"
#include "PlainText.h"
#include "ProgramFonts.h"
#include "RaisedButton.h"
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

TAboutDialog::TAboutDialog(QWidget* main, const std::array<QImage, 3>& cards)
    : QDialog(main), FMain(main), FCards(cards) {
  setFixedSize(kWidth, kHeight);
  PicturePanel = new TPicturePanel(this);
  PicturePanel->setGeometry(0, 0, kWidth, kHeight);
  PicturePanel->SetDDrawPanel(false);
  PicturePanel->OnCustomPaint = [this](TPicturePanel*, QPainter& p) { PaintGlass(p); };

  const QFont textFont = ProgramPixelFont(QStringLiteral("Courier New"), 13, true);
  const QString white = QStringLiteral("color: white; background: transparent;");
  auto line = [&](const char* text, int top) {
    auto* l = MakePlain(new QLabel(QString::fromUtf8(text), PicturePanel));
    l->setFont(textFont);
    l->setStyleSheet(white);
    l->move(16, top);
    return l;
  };
  ProgramLabel = line("Program", 16);
  PlayLabel = line("", 60);
  AuthorsLabel = line("Author", 104);

  QFont linkFont = ProgramPixelFont(QStringLiteral("Times New Roman"), 19);
  linkFont.setUnderline(true);
  auto link = [&](const char* text, int left) {
    auto* l = new TLinkLabel(QString::fromUtf8(text), PicturePanel);
    l->setFont(linkFont);
    l->SetFontColor(QColor(255, 255, 0));
    l->SetHotColor(QColor(0, 255, 0));
    l->setCursor(Qt::PointingHandCursor);
    l->move(left, 143);
    l->adjustSize();
    connect(l, &TLinkLabel::Clicked, this,
            [this](TLinkLabel* sender) { OpenLink(sender->Addres()); });
    return l;
  };
  ReadMeLink = link("Mail", 16);
  LicenceLink = link("Home page (Rus)", 152);

  OkButton = new TRaisedButton(QStringLiteral("OK"), PicturePanel);
  OkButton->setGeometry(276, 176, 42, 33);
  // Dark letters embossed in light on the button face, readable over the glass.
  OkButton->SetFCol(SysColor(SysBtnText));
  OkButton->SetBCol(SysColor(SysBtnHighlight));
  OkButton->SetRad(1);
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

  const std::pair<QObject*, const char*> names[] = {
      {PicturePanel, "pp1"},    {ProgramLabel, "Label1"},  {PlayLabel, "Label2"},
      {AuthorsLabel, "Label3"}, {ReadMeLink, "KuvLabel1"}, {LicenceLink, "KuvLabel2"},
      {OkButton, "OKBtn"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));

  OpenLink = [](const QString& address) {
    const QUrl url = LinkUrl(address);
    if (url.isValid()) QDesktopServices::openUrl(url);
  };
}

QUrl TAboutDialog::LinkUrl(const QString& address) {
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

QString TAboutDialog::ProgramLine(const QString& name) {
  return QStringLiteral("%1, v%2").arg(name, QStringLiteral(DURAK_VERSION));
}

void TAboutDialog::ApplyTexts(const TTextTable& t) {
  auto text = [&t](TextId n, const QString& fallback) {
    return t[n].isEmpty() && !t.Loaded() ? fallback : t[n];
  };
  setWindowTitle(text(kAboutCaptionText, QStringLiteral("О программе")));
  ProgramLabel->setText(ProgramLine(text(kAboutProgramText, QStringLiteral("Program"))));
  PlayLabel->setText(text(kAboutPlayText, QString()));
  AuthorsLabel->setText(text(kAboutAuthorsText, QStringLiteral("Author")));
  ReadMeLink->SetAddres(t[kReadMeAddressText]);
  ReadMeLink->setToolTip(PlainToolTip(t[kReadMeAddressText]));
  LicenceLink->SetAddres(t[kLicenceAddressText]);
  LicenceLink->setToolTip(PlainToolTip(t[kLicenceAddressText]));
  // The links name the documents they open.
  if (!t[kReadMeLinkText].isEmpty()) ReadMeLink->setText(t[kReadMeLinkText]);
  if (!t[kLicenceLinkText].isEmpty()) LicenceLink->setText(t[kLicenceLinkText]);
  OkButton->setText(QStringLiteral("OK"));
  GiveMnemonics(this);
}

void TAboutDialog::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TAboutDialog::FormShow() {
  FMainTopLeft = FMain->mapToGlobal(QPoint(0, 0));
  move(CentreOn(FMain->geometry(), size()));
  // What the game window shows now, under the glass.
  FCapture = GetImage(FMain->grab().toImage(), kTint, kTintWeight);
  for (QLabel* l : {ProgramLabel, PlayLabel, AuthorsLabel}) l->adjustSize();
  for (TLinkLabel* l : {ReadMeLink, LicenceLink}) l->adjustSize();
}

void TAboutDialog::moveEvent(QMoveEvent* event) {
  // While the dialog is dragged the glass is repainted, so the game window seems to stay.
  PicturePanel->update();
  QDialog::moveEvent(event);
}

void TAboutDialog::PaintGlass(QPainter& p) {
  const QPoint panel = PicturePanel->mapToGlobal(QPoint(0, 0));
  p.drawImage(0, 0, ComposeGlass(PicturePanel->size(), FCapture, FMainTopLeft - panel, FCards));
}

}  // namespace durak
