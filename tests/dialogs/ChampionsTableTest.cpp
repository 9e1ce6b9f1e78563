// The champions table as the player sees it: where it opens, and names of the longest kind
// shown whole; the player's name in the right-hand column of the game window.
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "ChampionsDialog.h"
#include "ChampionsGrid.h"
#include "PaintedPanel.h"
#include "PasswordDialog.h"
#include "WidgetPart.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

// Names of the full 25 characters in the widest letters of both alphabets.
const QString kWideRussian = QString(25, QChar(0x0428));  // "Ш" × 25
const QString kWideLatin = QString(25, QLatin1Char('W'));

class ChampionsTable : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Chemp().ChempFile = QDir(Scratch.path()).filePath(QStringLiteral("durak.r"));
  }
  TChampionsDialog& Chemp() { return *Form->ChampionsDialog(); }
  void WritePlayers(const QStringList& names) {
    TChempTab table;
    for (const QString& name : names) {
      TChempRec r;
      r.SetName(name.toStdString());
      r.Rating = 0.5;
      table.push_back(r);
    }
    ASSERT_TRUE(WriteTab(QFile::encodeName(Chemp().ChempFile).toStdString(), table));
  }
  // What the table looked like while it was open from the menu.
  struct Seen {
    QRect Frame, Grid, ButtonFrame;
    int Columns[4] = {};
    int Viewport = 0;
    bool HorizontalScroll = false;
    QList<QRect> Buttons;
  };
  Seen ShowFromMenu(const QString& shot = QString()) {
    Seen seen;
    Answer(
        [&] {
          TChampionsDialog& c = Chemp();
          seen.Frame = c.frameGeometry();
          seen.Grid = Part<QTableWidget>(c, "StringGrid1")->geometry();
          for (int i = 0; i < 4; ++i)
            seen.Columns[i] = Part<QTableWidget>(c, "StringGrid1")->columnWidth(i);
          seen.Viewport = Part<QTableWidget>(c, "StringGrid1")->viewport()->width();
          seen.HorizontalScroll =
              Part<QTableWidget>(c, "StringGrid1")->horizontalScrollBar()->maximum() > 0;
          for (QPushButton* b : {Part<QPushButton>(c, "BNew"), Part<QPushButton>(c, "BReset"),
                                 Part<QPushButton>(c, "BDelete"), Part<QPushButton>(c, "BClose"),
                                 Part<QPushButton>(c, "BOK")})
            seen.Buttons << b->geometry();
          const QString dir = qEnvironmentVariable("DURAK_DIALOG_SHOTS");
          if (!shot.isEmpty() && !dir.isEmpty())
            c.grab().save(QDir(dir).filePath(shot + QStringLiteral(".png")));
          Part<QPushButton>(c, "BOK")->click();
        },
        [this] { Form->Menus().ShowChampions(); });
    return seen;
  }
  // The room a name takes in the row of the current player, which is drawn bold.
  static int NameRoom(const QString& name) {
    return QFontMetrics(ChempGridFont(true)).horizontalAdvance(name) + 2 * 5;
  }
};

// Wherever the window stands, and also when a long name widens the table.
TEST_F(ChampionsTable, OpensCentredOnTheMainWindow) {
  WritePlayers({QStringLiteral("Анна"), kWideRussian});
  // Two places of a window of the smallest size, both wholly on the screen.
  const QRect area = Form->screen()->availableGeometry();
  Form->resize(Form->minimumSize());
  const QPoint far = area.bottomRight() - QPoint(Form->width() + 10, Form->height() + 10);
  for (const QPoint at : {area.topLeft(), far}) {
    Form->move(at);
    QApplication::processEvents();
    const Seen seen = ShowFromMenu();
    const QPoint want = Form->frameGeometry().center();
    EXPECT_LE((seen.Frame.center() - want).manhattanLength(), 2)
        << "window at " << at.x() << "," << at.y() << ": table centred at "
        << seen.Frame.center().x() << "," << seen.Frame.center().y() << ", window's centre "
        << want.x() << "," << want.y();
  }
}

TEST_F(ChampionsTable, ShortNamesKeepTheDescribedSize) {
  WritePlayers({QStringLiteral("Анна"), QStringLiteral("Борис")});
  const Seen seen = ShowFromMenu();
  EXPECT_EQ(Chemp().size(), QSize(351, 212));
  EXPECT_EQ(seen.Grid, QRect(0, 0, 244, 212));
  EXPECT_EQ(seen.Buttons.value(0), QRect(257, 8, 86, 30));
}

TEST_F(ChampionsTable, TheLongestNamesOfWideLettersShowWhole) {
  WritePlayers({kWideRussian, QStringLiteral("Анна"), kWideLatin});
  Form->LanguageChosen(1);
  const Seen ru = ShowFromMenu(QStringLiteral("champions-long-names-ru"));
  Form->LanguageChosen(2);
  const Seen en = ShowFromMenu(QStringLiteral("champions-long-names-en"));
  for (const Seen& seen : {ru, en}) {
    for (const QString& name : {kWideRussian, kWideLatin})
      EXPECT_GE(seen.Columns[0], NameRoom(name)) << name.toStdString();
    // The other columns keep their room, and all four fit beside the scroll bar.
    int sum = 0;
    for (int w : seen.Columns) sum += w;
    EXPECT_LE(sum, seen.Viewport);
    EXPECT_FALSE(seen.HorizontalScroll);
    // The grid fills the height, the buttons stand in their frame right of the grid, all
    // inside the dialog.
    EXPECT_EQ(seen.Grid.height(), 212);
    EXPECT_EQ(seen.Frame.height() - (seen.Frame.height() - Chemp().height()), 212);
    for (const QRect& b : seen.Buttons) {
      EXPECT_GT(b.left(), seen.Grid.right());
      EXPECT_LE(b.right(), Chemp().width() - 1);
    }
  }
}

// A new player with a long name, registered at the first start: the open table widens
// about the game window's middle and shows the name whole.
TEST_F(ChampionsTable, ANewLongNameWidensTheOpenTableAboutTheWindowsMiddle) {
  WritePlayers({QStringLiteral("Анна")});
  TChampionsDialog& c = Chemp();
  c.ChempMode = cmStartUp;
  QSize before, after;
  QPoint centre;
  Answer(
      [&] {
        before = c.size();
        QTimer::singleShot(0, [] {
          auto* pass = qobject_cast<TPasswordDialog*>(QApplication::activeModalWidget());
          if (!pass) {
            ADD_FAILURE() << "the player dialog did not come up";
            return;
          }
          Part<QLineEdit>(*pass, "Edit1")->setText(kWideRussian);
          Part<QPushButton>(*pass, "Button1")->click();
        });
        Part<QPushButton>(c, "BNew")->click();
        after = c.size();
        centre = c.frameGeometry().center();
        Part<QPushButton>(c, "BClose")->click();
      },
      [&c] { c.exec(); });
  EXPECT_EQ(before, QSize(351, 212));
  EXPECT_GE(Part<QTableWidget>(c, "StringGrid1")->columnWidth(0), NameRoom(kWideRussian));
  EXPECT_GT(after.width(), before.width());
  EXPECT_EQ(after.height(), 212);
  EXPECT_LE((centre - Form->frameGeometry().center()).manhattanLength(), 2);
}

// The player's name under the right-hand counter shrinks a point at most; a longer name
// shows its beginning and "…", and the whole name in its tool tip.
TEST_F(ChampionsTable, ThePlayersNameStaysReadableAndALongOneIsCutShort) {
  const auto take = [this](const QString& name) {
    Chemp().CurChemp.SetName(name.toStdString());
    Form->LanguageChosen(Form->Settings().Language);  // the window shows the current player's name
    ASSERT_EQ(Form->Parts().PlayerNameLabel->text(), name);
  };
  const auto inColumn = [this] {
    const QRect r = Form->Parts().PlayerNameLabel->geometry();
    return r.left() >= 3 && r.right() <= Form->Parts().ScoreColumn->width() - 1 - 3;
  };
  take(QStringLiteral("Анна"));
  EXPECT_EQ(Form->Parts().PlayerNameLabel->font().pointSize(), 9);
  EXPECT_EQ(Form->Parts().PlayerNameLabel->ShownText(), QStringLiteral("Анна"));
  EXPECT_TRUE(Form->Parts().PlayerNameLabel->toolTip().isEmpty());
  EXPECT_TRUE(inColumn());

  for (int language : {1, 2}) {
    Form->LanguageChosen(language);
    for (const QString& name : {kWideRussian, kWideLatin}) {
      take(name);
      const TNameLabel& label = *Form->Parts().PlayerNameLabel;
      EXPECT_GE(label.font().pointSize(), 8) << name.toStdString();
      EXPECT_TRUE(inColumn()) << name.toStdString();
      const QString shown = label.ShownText();
      EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
      EXPECT_GE(shown.size(), 4) << shown.toStdString();
      EXPECT_TRUE(name.startsWith(shown.chopped(1))) << shown.toStdString();
      EXPECT_LE(label.fontMetrics().horizontalAdvance(shown), label.contentsRect().width());
      EXPECT_EQ(label.toolTip(), name);
    }
    // A picture of the window, and of its right-hand column three times as large.
    const QString dir = qEnvironmentVariable("DURAK_DIALOG_SHOTS");
    if (dir.isEmpty()) continue;
    const QString lang = language == 1 ? QStringLiteral("ru") : QStringLiteral("en");
    Form->grab().save(QDir(dir).filePath(QStringLiteral("window-long-name-%1.png").arg(lang)));
    const QImage column = Form->Parts().ScoreColumn->grab().toImage();
    column.scaled(column.size() * 3)
        .save(QDir(dir).filePath(QStringLiteral("window-long-name-column-%1.png").arg(lang)));
  }
  // Back to a name that fits: whole again, without a tool tip.
  take(QStringLiteral("Борис"));
  EXPECT_EQ(Form->Parts().PlayerNameLabel->ShownText(), QStringLiteral("Борис"));
  EXPECT_TRUE(Form->Parts().PlayerNameLabel->toolTip().isEmpty());
}

}  // namespace
}  // namespace durak::testing
