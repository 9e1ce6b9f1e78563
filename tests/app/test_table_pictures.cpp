// The table in the middle of a deal at the smallest window and at 1280 x 1024, kept as
// pictures under the build folder (pictures/) for a person to look at; run a second time on
// a screen of pixel ratio 2. The cards grow with the table and stay crisp.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>

#include "CardWidget.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "PaintedPanel.h"
#include "RaisedButton.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class TablePicturesTest : public TWindowTest {};

// A few moves of a player who plays the first card the rules accept.
void PlaySomeMoves(TMainWindow& form, int moves) {
  TGame& g = form.Game();
  for (int m = 0; m < moves && g.DealResult == drGoesOn; ++m) {
    bool moved = false;
    if (g.PlayMode != pmNone) {
      const TCardList hand = g.PlayerHand;
      for (const TCardInfo& k : hand) {
        const size_t before = g.PlayerHand.size();
        QTest::mouseClick(form.Parts().Cards[k.Tag - 1], Qt::LeftButton);
        if (g.PlayerHand.size() != before) {
          moved = true;
          break;
        }
      }
    }
    if (!moved && form.Parts().DefendButton->isVisible())
      QTest::mouseClick(form.Parts().DefendButton, Qt::LeftButton);
  }
}

TEST_F(TablePicturesTest, MidDealAtTheSmallestAndAtABigWindow) {
  TModalDriver driver;
  TMainWindow form;
  form.ChoosePair = [](const std::vector<TPairMenuItem>& items) { return items.front().Tag; };
  Start(form);
  const double dpr = form.devicePixelRatioF();
  const QString suffix = dpr > 1.5 ? QStringLiteral("-dpr2") : QString();
  const QString out = QStringLiteral(DURAK_PICTURE_DIR);
  QDir().mkpath(out);

  form.resize(630, 450);
  QApplication::processEvents();
  EXPECT_EQ(form.CardSize().Width, form.CardSize().LibraryWidth);  // the library's size
  EXPECT_EQ(form.CardSize().Scale, 1.0);
  QTest::mouseClick(form.Parts().DealButton, Qt::LeftButton);
  PlaySomeMoves(form, 2);
  form.grab().save(out + QStringLiteral("/table-630x450%1.png").arg(suffix));

  form.resize(1280, 1024);
  QApplication::processEvents();
  EXPECT_GE(form.CardSize().Width, form.CardSize().LibraryWidth * 17 / 10);
  PlaySomeMoves(form, 2);
  form.grab().save(out + QStringLiteral("/table-1280x1024%1.png").arg(suffix));

  // A desk picture and the wood of the frame: on a dense screen, tiled from the renditions
  // drawn at twice the size (pixel for pixel), on an ordinary one from the pictures themselves.
  form.Menus().Items().DeskItems[1]->trigger();
  QApplication::processEvents();
  form.grab().save(out + QStringLiteral("/table-1280x1024-desk%1.png").arg(suffix));
  for (TPaintedPanel* panel :
       {form.Parts().TablePanel, form.Parts().ButtonBar, form.Parts().ScoreColumn}) {
    ASSERT_EQ(panel->Mode(), pmPicture);
    const QImage dense = panel->DenseTile(dpr);
    EXPECT_EQ(dense.isNull(), dpr <= 1.0);
    if (!dense.isNull()) {
      EXPECT_EQ(dense.size(),
                QSize(qRound(panel->Strip().width() * dpr), qRound(panel->TileHeight() * dpr)));
    }
  }
  // Every card shows a picture of its own pixels, drawn for the card's size on this screen.
  for (TCardWidget* c : form.Parts().Cards) {
    const QImage& shown = c->CardState() == 1 ? c->ShownFace() : c->ShownBack();
    EXPECT_EQ(shown.devicePixelRatio(), dpr);
    EXPECT_EQ(qRound(shown.width() / dpr),
              c->Turned() ? form.CardSize().Height : form.CardSize().Width);
  }
  // Turning the option off gives the library's size at once.
  form.Settings().ScaleToWindow = false;
  form.ArrangeTable();
  EXPECT_EQ(form.CardSize().Width, form.CardSize().LibraryWidth);
  EXPECT_EQ(form.Parts().Cards[0]->width() + form.Parts().Cards[0]->height(),
            form.CardSize().LibraryWidth + form.CardSize().LibraryHeight);
  EXPECT_TRUE(driver.Messages.isEmpty()) << driver.Messages.join("; ").toStdString();
  form.Game().Busy = false;
  form.close();
}

}  // namespace
}  // namespace durak::testing
