// The About dialog: the tinted glass, the faint faces on it, where it opens, its texts and
// its links.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QUrl>

#include "AboutDialog.h"
#include "DurakVersion.h"
#include "LinkLabel.h"
#include "RaisedButton.h"
#include "WidgetPart.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

TEST(GlassPicture, TintKeepsThirtyPercentOfTheWindow) {
  QImage capture(2, 1, QImage::Format_RGB32);
  capture.setPixel(0, 0, qRgb(10, 20, 30));
  capture.setPixel(1, 0, qRgb(255, 255, 255));
  const QImage glass = GetImage(capture, QColor(51, 119, 153), 0.3);
  // red = round(0.3 x 10 + 35.7), green = round(0.3 x 20 + 83.3), blue = round(0.3 x 30 + 107.1)
  EXPECT_EQ(glass.pixelColor(0, 0), QColor(39, 89, 116));
  EXPECT_EQ(glass.pixelColor(1, 0), QColor(112, 160, 184));
}

TEST(GlassPicture, FacesLieAtTheirFractionsAndTheRestIsTheFill) {
  std::array<QImage, 3> cards;
  const QColor colours[3] = {QColor(250, 0, 0), QColor(0, 250, 0), QColor(0, 0, 250)};
  for (int i = 0; i < 3; ++i) {
    cards[i] = QImage(120, 120, QImage::Format_RGB32);
    cards[i].fill(colours[i]);
  }
  const QImage capture;  // dragged away from the game window: no captured pixels fall here
  const QImage glass = ComposeGlass(QSize(323, 214), capture, QPoint(0, 0), cards);
  const QColor fill(50, 50, 100);
  EXPECT_EQ(glass.pixelColor(31, 20), fill);
  // round(0.8 x fill + 0.2 x card)
  EXPECT_EQ(glass.pixelColor(32, 21), QColor(90, 40, 80));
  // The third face goes on before the second, the second is blended over it.
  const QColor third = glass.pixelColor(130, 65);
  EXPECT_EQ(third, QColor(72, 32, 114));
  EXPECT_EQ(glass.pixelColor(226, 107), QColor(32, 82, 104))
      << "the second face over the third: both blended in";
  // The second face runs off the right and bottom edges and is cut there.
  EXPECT_EQ(glass.pixelColor(322, 213), glass.pixelColor(300, 200));
}

TEST(GlassPicture, CaptureLiesWhereTheGameWindowIs) {
  QImage capture(50, 50, QImage::Format_RGB32);
  capture.fill(QColor(1, 2, 3));
  const QImage glass = ComposeGlass(QSize(323, 214), capture, QPoint(-40, -40), {});
  EXPECT_EQ(glass.pixelColor(9, 9), QColor(1, 2, 3));
  EXPECT_EQ(glass.pixelColor(10, 10), QColor(50, 50, 100));
}

TEST(GlassPicture, NarrowWindowCentresTheDialogLeftOfIt) {
  // (300 - 323) / 2 rounds towards zero: 11 pixels to the left.
  EXPECT_EQ(CentreOn(QRect(100, 50, 300, 460), QSize(323, 214)), QPoint(89, 173));
  EXPECT_EQ(CentreOn(QRect(0, 0, 630, 450), QSize(323, 214)), QPoint(153, 118));
}

class AboutDialog : public WindowFixture {};

TEST_F(AboutDialog, ShowsTheTextsOfTheLanguageAndOpensItsLinks) {
  QStringList opened;
  QString title, line1, line2, line3, hint;
  QSize size;
  bool captured = false;
  Answer(
      [&] {
        auto* d = qobject_cast<TAboutDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        line1 = Part<QLabel>(*d, "Label1")->text();
        line2 = Part<QLabel>(*d, "Label2")->text();
        line3 = Part<QLabel>(*d, "Label3")->text();
        hint = Part<TLinkLabel>(*d, "KuvLabel2")->toolTip();
        size = d->size();
        captured = !d->Capture().isNull();
        d->OpenLink = [&opened](const QString& a) { opened << a; };
        emit Part<TLinkLabel>(*d, "KuvLabel1")->Clicked(Part<TLinkLabel>(*d, "KuvLabel1"));
        emit Part<TLinkLabel>(*d, "KuvLabel2")->Clicked(Part<TLinkLabel>(*d, "KuvLabel2"));
        Part<TRaisedButton>(*d, "OKBtn")->click();
      },
      [this] { Form->Menus().ShowAbout(); });
  EXPECT_EQ(title, Form->Texts().At(28));
  EXPECT_EQ(line1, TAboutDialog::ProgramLine(Form->Texts().At(43)));
  EXPECT_TRUE(line1.endsWith(QStringLiteral(", v%1").arg(QStringLiteral(DURAK_VERSION))))
      << line1.toStdString();
  EXPECT_EQ(line2, Form->Texts().At(44));
  EXPECT_EQ(line3, Form->Texts().At(45));
  EXPECT_EQ(hint, Form->Texts().At(48));
  EXPECT_EQ(size, QSize(323, 214));
  EXPECT_TRUE(captured);
  EXPECT_EQ(opened, (QStringList{Form->Texts().At(47), Form->Texts().At(48)}));
}

// The two links open the game's own read-me and licence, in both languages, never a
// placeholder address; the OK caption stands out from its face.
TEST_F(AboutDialog, LinksLeadToTheGamesDocumentsAndOkIsReadable) {
  for (int language : {1, 2}) {
    Form->LanguageChosen(language);
    for (int n : {47, 48}) {
      const QUrl url = TAboutDialog::LinkUrl(Form->Texts().At(n));
      ASSERT_TRUE(url.isLocalFile()) << n << " " << Form->Texts().At(n).toStdString();
      EXPECT_TRUE(QFileInfo(url.toLocalFile()).isFile()) << url.toLocalFile().toStdString();
      EXPECT_FALSE(Form->Texts().At(n).contains(QStringLiteral("example"))) << n;
    }
  }
  EXPECT_TRUE(TAboutDialog::LinkUrl(QStringLiteral("no-such-document.txt")).isEmpty());
  EXPECT_EQ(TAboutDialog::LinkUrl(QStringLiteral("https://a.b/c")),
            QUrl(QStringLiteral("https://a.b/c")));
  QString captions;
  QImage shot;
  Form->LanguageChosen(1);
  Answer(
      [&] {
        auto* d = qobject_cast<TAboutDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        captions = Part<TLinkLabel>(*d, "KuvLabel1")->text() + "|" +
                   Part<TLinkLabel>(*d, "KuvLabel2")->text();
        // The caption's letters differ clearly from the face they stand on.
        const int contrast =
            std::abs(qGray(Part<TRaisedButton>(*d, "OKBtn")->FCol().rgb()) -
                     qGray(Part<TRaisedButton>(*d, "OKBtn")->palette().button().color().rgb()));
        EXPECT_GE(contrast, 100);
        shot = d->grab().toImage();
        Part<TRaisedButton>(*d, "OKBtn")->click();
      },
      [this] { Form->Menus().ShowAbout(); });
  EXPECT_EQ(captions.toStdString(), "Об игре|Лицензия");
  const QString dir = qEnvironmentVariable("DURAK_DIALOG_SHOTS");
  if (!dir.isEmpty()) shot.save(QDir(dir).filePath(QStringLiteral("about-links.png")));
}

}  // namespace
}  // namespace durak::testing
