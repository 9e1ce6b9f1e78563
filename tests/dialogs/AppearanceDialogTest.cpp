// The desk menus and the appearance dialog: what each entry puts on the table, and what the
// dialog applies after OK, and only that.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "AppearanceDialog.h"
#include "CardWidget.h"
#include "ColourButton.h"
#include "OwnPictures.h"
#include "PaintedPanel.h"
#include "ResourcePack.h"
#include "Slider.h"
#include "TestPacks.h"
#include "TextIds.h"
#include "WidgetPart.h"
#include "WinColor.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

using durak::test::PngOf;
using durak::test::WriteZip;

class Appearance : public WindowFixture {
 protected:
  void Run(const std::function<void(TAppearanceDialog&)>& change, bool ok) {
    TAppearanceDialog& d = *Form->Menus().AppearanceDialog();
    Answer(
        [&d, change, ok] {
          change(d);
          (ok ? Part<QPushButton>(d, "OKBtn") : Part<QPushButton>(d, "CancelBtn"))->click();
        },
        [this] { Form->Menus().ShowAppearance(); });
  }
  // A desk library in the scratch folder (searched as the current folder) with pictures
  // DT1..DTn, picture k filled with a colour of its own.
  QString MakeDeskLibrary(const QString& name, int n) {
    durak::test::Entries entries;
    for (int k = 1; k <= n; ++k)
      entries.push_back({QStringLiteral("DT%1.png").arg(k), PngOf({40, 30}, DeskColour(k))});
    WriteZip(QDir(Scratch.path()).filePath(name), entries);
    return QDir(Scratch.path()).filePath(name);
  }
  static QColor DeskColour(int k) { return QColor(20 * k, 255 - 20 * k, 7 * k); }
  // A built pack copied into the scratch folder, which stands for the data folder of an
  // installed game: the program's own folder is searched first, so only packs of other
  // names are found here.
  void CopyPack(const QString& pack, const QString& as) {
    const QString from = QDir(QCoreApplication::applicationDirPath()).filePath(pack);
    ASSERT_TRUE(QFile::copy(from, QDir(Scratch.path()).filePath(as))) << qPrintable(from);
  }
  // What the library file dialog showed when it came up.
  struct FileDialogView {
    QString Folder, Filter, Selected;
    QStringList Listed;
  };
  // Notes what the next file dialog shows, then picks the file `pick` in its folder.
  static void PickInFileDialog(const QString& pick, FileDialogView* seen) {
    QTimer::singleShot(0, [pick, seen] {
      QFileDialog* dialog = nullptr;
      (void)QTest::qWaitFor(
          [&] {
            dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            return dialog != nullptr;
          },
          5000);
      if (!dialog) {
        ADD_FAILURE() << "no file dialog came up";
        if (QWidget* other = QApplication::activeModalWidget()) other->close();
        return;
      }
      seen->Folder = dialog->directory().absolutePath();
      seen->Filter = dialog->selectedNameFilter();
      seen->Selected = dialog->selectedFiles().value(0);
      // The folder is read in the background: wait until the named files are listed.
      auto* model = dialog->findChild<QFileSystemModel*>();
      const auto listed = [&] {
        QStringList names;
        if (!model) return names;
        const QModelIndex root = model->index(seen->Folder);
        for (int r = 0; r < model->rowCount(root); ++r)
          names << model->index(r, 0, root).data().toString();
        return names;
      };
      (void)QTest::qWaitFor([&] { return listed().contains(pick); }, 5000);
      seen->Listed = listed();
      // The player types the name over the selected one and presses Open.
      if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(pick);
      static_cast<QDialog*>(dialog)->accept();  // as the Open button does
    });
  }
  std::array<qint64, 10> PictureKeys() const {
    std::array<qint64, 10> keys{};
    for (int i = 0; i < 10; ++i) keys[i] = Form->Menus().DeskThumbnails()[i].cacheKey();
    return keys;
  }
};

TEST_F(Appearance, RightClickGradientDoesWhatTheMainMenuDoes) {
  Form->Menus().Items().DeskPopupItems[8]->trigger();
  EXPECT_TRUE(Form->Menus().Items().DeskItems[8]->isChecked());
  EXPECT_EQ(Form->Settings().DeskPicture, 8);
  EXPECT_EQ(Form->Parts().TablePanel->Mode(), pmGradient);
  Form->Menus().Items().DeskPopupItems[0]->trigger();
  EXPECT_TRUE(Form->Menus().Items().DeskItems[0]->isChecked());
  EXPECT_FALSE(Form->Menus().Items().DeskItems[8]->isChecked());
  EXPECT_EQ(Form->Parts().TablePanel->Mode(), pmSolid);
  Form->Menus().TriggerMenuItem(QStringLiteral("F12"));  // no such entry: nothing happens
  EXPECT_EQ(Form->Settings().DeskPicture, 0);
}

TEST_F(Appearance, DeskPictureEntryTilesThePictureOfTheLibrary) {
  Form->Settings().DeskLibraryPath = "dtop-mine.dll";
  MakeDeskLibrary(QStringLiteral("dtop-mine.dll"), 7);
  Form->Menus().TriggerMenuItem(QStringLiteral("F5"));
  EXPECT_EQ(Form->Settings().DeskPicture, 5);
  ASSERT_EQ(Form->Parts().TablePanel->Mode(), pmPicture);
  EXPECT_EQ(Form->Parts().TablePanel->Strip().pixelColor(0, 0), DeskColour(5));
}

TEST_F(Appearance, MissingDeskLibraryIsReportedAndTheTableTurnsSolid) {
  Form->Settings().DeskLibraryPath = "dtop-gone.dll";
  Form->Menus().Items().DeskItems[3]->trigger();
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_EQ(Messages[0], QStringLiteral("dtop-gone.dll ") + Form->Texts().At(197));
  EXPECT_EQ(Form->Parts().TablePanel->Mode(), pmSolid);
  EXPECT_EQ(Form->Settings().DeskPicture, 3);
  Form->Menus().MakeDeskThumbnails(100);
  EXPECT_EQ(Messages.size(), 2);
  EXPECT_TRUE(Form->Menus().DeskThumbnails()[0].isNull())
      << "no entry picture is made without the library";
}

TEST_F(Appearance, EntryPicturesShowWhatEachEntryGives) {
  Form->Parts().TablePanel->SetColor(QColor(10, 20, 30));
  Form->Menus().MakeDeskThumbnails(100);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Form->Menus().DeskThumbnails()[i].size(), QSize(32, 32)) << i;
    EXPECT_FALSE(Form->Menus().Items().DeskItems[i]->icon().isNull()) << i;
    EXPECT_FALSE(Form->Menus().Items().DeskPopupItems[i]->icon().isNull()) << i;
  }
  EXPECT_EQ(Form->Menus().DeskThumbnails()[0].pixelColor(16, 16), QColor(10, 20, 30));
  // The rainbow runs from red at the top to magenta at the bottom.
  EXPECT_EQ(Form->Menus().DeskThumbnails()[9].pixelColor(0, 0), QColor(255, 0, 0));
}

TEST_F(Appearance, BrightnessAloneRebuildsOnlyTheRainbowPicture) {
  Form->Menus().MakeDeskThumbnails(100);
  Form->Menus().Items().DeskItems[9]->trigger();
  const auto before = PictureKeys();
  Run([](TAppearanceDialog& d) { Part<TSlider>(d, "TrackBar1")->setValue(6); }, true);
  EXPECT_EQ(Form->Parts().TablePanel->RBright(), 6);
  const auto after = PictureKeys();
  for (int i = 0; i < 9; ++i) EXPECT_EQ(after[i], before[i]) << "entry " << i;
  EXPECT_NE(after[9], before[9]);
  EXPECT_TRUE(Form->Parts().TablePanel->Dirty())
      << "the rainbow table repaints with the new brightness";
  EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(Appearance, ColoursChangedInTheDialogReachTheTableAndTheirPictures) {
  Form->Menus().MakeDeskThumbnails(100);
  const auto before = PictureKeys();
  Run(
      [](TAppearanceDialog& d) {
        Part<TColourButton>(d, "ColBtn3")->SetBtnColor(QColor(200, 0, 0));
        emit Part<TColourButton>(d, "ColBtn3")->ColorChanged(Part<TColourButton>(d, "ColBtn3"));
        Part<TColourButton>(d, "ColBtn1")->SetBtnColor(QColor(0, 0, 200));
        emit Part<TColourButton>(d, "ColBtn1")->ColorChanged(Part<TColourButton>(d, "ColBtn1"));
        Part<TColourButton>(d, "ColBtn4")->SetBtnColor(QColor(0, 128, 0));
      },
      true);
  EXPECT_EQ(Form->Parts().TablePanel->Color(), QColor(200, 0, 0));
  EXPECT_EQ(Form->Parts().TablePanel->SColor(), QColor(0, 0, 200));
  EXPECT_EQ(Form->Menus().DeskThumbnails()[0].pixelColor(5, 5), QColor(200, 0, 0));
  EXPECT_EQ(Form->Menus().DeskThumbnails()[8].pixelColor(0, 0), QColor(0, 0, 200));
  const auto after = PictureKeys();
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(after[i], before[i]) << "entry " << i;
  EXPECT_EQ(after[9], before[9]);
  EXPECT_EQ(Form->Settings().SpeechColour, 0x008000);
}

TEST_F(Appearance, CancelLeavesTheBackAndEverythingElse) {
  Form->Menus().MakeDeskThumbnails(100);
  const int rubaha = Form->Settings().CardBack;
  const qint64 back = Form->Parts().Cards[0]->BackImage().cacheKey();
  const QColor colour = Form->Parts().TablePanel->Color();
  const auto pictures = PictureKeys();
  Run(
      [](TAppearanceDialog& d) {
        d.SelectBack(4);
        Part<TSlider>(d, "TrackBar1")->setValue(-7);
        Part<TColourButton>(d, "ColBtn3")->SetBtnColor(QColor(1, 2, 3));
        emit Part<TColourButton>(d, "ColBtn3")->ColorChanged(Part<TColourButton>(d, "ColBtn3"));
      },
      false);
  EXPECT_EQ(Form->Settings().CardBack, rubaha);
  EXPECT_EQ(Form->Parts().Cards[0]->BackImage().cacheKey(), back);
  EXPECT_EQ(Form->Parts().TablePanel->Color(), colour);
  EXPECT_EQ(Form->Parts().TablePanel->RBright(), 0);
  EXPECT_EQ(PictureKeys(), pictures);
  // The next showing starts from the settings again, not from the cancelled choices.
  int shownBack = 0, shownBright = 99;
  Run(
      [&](TAppearanceDialog& d) {
        shownBack = d.CardBack, shownBright = Part<TSlider>(d, "TrackBar1")->value();
      },
      false);
  EXPECT_EQ(shownBack, rubaha);
  EXPECT_EQ(shownBright, 0);
}

TEST_F(Appearance, NewBackAloneChangesEveryCardsBack) {
  ResourcePack pack;
  ASSERT_TRUE(pack.Open(QString::fromStdString(Form->Settings().CardLibraryPath)));
  const QImage back3 = pack.LoadImage(QStringLiteral("BK3"));
  Run([](TAppearanceDialog& d) { d.SelectBack(3); }, true);
  EXPECT_EQ(Form->Settings().CardBack, 3);
  EXPECT_EQ(Form->Parts().Cards[20]->BackImage(),
            back3.convertToFormat(Form->Parts().Cards[20]->BackImage().format()));
}

TEST_F(Appearance, NewBackAndNewCardLibraryLoadTheNewLibraryOnly) {
  // The old library is gone: giving the old library the new back first would fail.
  Form->Settings().CardLibraryPath = "coloda-gone.col";
  Form->Menus().AppearanceDialog()->ChooseFile = [](const QString& filter) {
    EXPECT_TRUE(filter.contains(QStringLiteral("coloda*.col"))) << qPrintable(filter);
    return QStringLiteral("/somewhere/else/coloda-paris.col");
  };
  Run(
      [](TAppearanceDialog& d) {
        Part<QPushButton>(d, "Button2")->click();
        d.SelectBack(2);
      },
      true);
  EXPECT_TRUE(Messages.isEmpty()) << qPrintable(Messages.join('\n'));
  EXPECT_EQ(Form->Settings().CardLibraryPath, "coloda-paris.col");
  EXPECT_EQ(Form->Settings().CardBack, 2);
  ResourcePack pack;
  ASSERT_TRUE(pack.Open(QStringLiteral("coloda-paris.col")));
  const QImage back2 = pack.LoadImage(QStringLiteral("BK2"));
  EXPECT_EQ(Form->Parts().Cards[0]->BackImage(),
            back2.convertToFormat(Form->Parts().Cards[0]->BackImage().format()));
  EXPECT_EQ(Form->CardSize().LibraryWidth, back2.width());
}

TEST_F(Appearance, DeskLibraryWithoutItsLastPictureIsRefused) {
  const QString path = MakeDeskLibrary(QStringLiteral("dtop-short.dll"), 6);
  TAppearanceDialog& d = *Form->Menus().AppearanceDialog();
  d.ChooseFile = [path](const QString&) { return path; };
  QString label;
  Run(
      [&](TAppearanceDialog& dlg) {
        Part<QPushButton>(dlg, "Button1")->click();
        label = Part<QLabel>(dlg, "Label1")->text();
      },
      true);
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_EQ(Messages[0],
            Form->Texts().At(203) + QStringLiteral(" dtop-short.dll\n") + Form->Texts().At(202));
  EXPECT_EQ(label, QStringLiteral("dtop.dll"));
  EXPECT_EQ(Form->Settings().DeskLibraryPath, "dtop.dll");
}

TEST_F(Appearance, FileThatIsNotALibraryOrCannotBeFoundByNameIsRefused) {
  const QString junk = QDir(Scratch.path()).filePath(QStringLiteral("dtop-junk.dll"));
  durak::test::WriteAll(junk, "this is not a library");
  QStringList picks = {junk, QStringLiteral("/no/such/folder/dtop-elsewhere.dll")};
  Form->Menus().AppearanceDialog()->ChooseFile = [&picks](const QString&) {
    return picks.takeFirst();
  };
  Run(
      [](TAppearanceDialog& d) {
        Part<QPushButton>(d, "Button1")->click();
        Part<QPushButton>(d, "Button1")->click();
      },
      true);
  ASSERT_EQ(Messages.size(), 2);
  EXPECT_EQ(Messages[0], Form->Texts().At(198));
  EXPECT_EQ(Messages[1], Form->Texts().At(198));
  EXPECT_EQ(Form->Settings().DeskLibraryPath, "dtop.dll");
}

TEST_F(Appearance, NewDeskLibraryRepaintsTheChosenPictureAndTheEntries) {
  MakeDeskLibrary(QStringLiteral("dtop-mine.dll"), 7);
  Form->Menus().MakeDeskThumbnails(100);
  Form->Menus().TriggerMenuItem(QStringLiteral("F3"));
  const auto before = PictureKeys();
  Form->Menus().AppearanceDialog()->ChooseFile = [this](const QString& filter) {
    EXPECT_TRUE(filter.contains(QStringLiteral("dtop*.dll"))) << qPrintable(filter);
    return QDir(Scratch.path()).filePath(QStringLiteral("dtop-mine.dll"));
  };
  Run([](TAppearanceDialog& d) { Part<QPushButton>(d, "Button1")->click(); }, true);
  EXPECT_TRUE(Messages.isEmpty()) << qPrintable(Messages.join('\n'));
  EXPECT_EQ(Form->Settings().DeskLibraryPath, "dtop-mine.dll");
  ASSERT_EQ(Form->Parts().TablePanel->Mode(), pmPicture);
  EXPECT_EQ(Form->Parts().TablePanel->Strip().pixelColor(0, 0), DeskColour(3));
  const auto after = PictureKeys();
  for (int i = 1; i <= 7; ++i) {
    EXPECT_NE(after[i], before[i]) << "entry " << i;
    EXPECT_EQ(Form->Menus().DeskThumbnails()[i].pixelColor(16, 16), DeskColour(i)) << "entry " << i;
  }
  EXPECT_EQ(after[0], before[0]);
  EXPECT_EQ(after[8], before[8]);
}

// The file dialog opens where the deck in use was found (the data folder of an installed
// game), with that deck selected, and offers the standard deck beside the others, so the
// player can go back to it with two clicks.
TEST_F(Appearance, CardLibraryDialogOpensWhereTheDeckLiesAndOffersTheStandardDeck) {
  CopyPack(QStringLiteral("coloda-paris.col"), QStringLiteral("coloda-mine.col"));
  CopyPack(QStringLiteral("c36.dll"), QStringLiteral("c36.dll"));
  durak::test::WriteAll(QDir(Scratch.path()).filePath(QStringLiteral("notes.txt")), "not a deck");
  Form->Settings().CardLibraryPath = "coloda-mine.col";
  Form->LoadCardFaces();
  FileDialogView seen;
  QString chosen;
  Run(
      [&](TAppearanceDialog& d) {
        PickInFileDialog(QStringLiteral("c36.dll"), &seen);
        Part<QPushButton>(d, "Button2")->click();
        chosen = Part<QLabel>(d, "Label2")->text();
      },
      true);
  EXPECT_EQ(QDir(seen.Folder).canonicalPath().toStdString(),
            QDir(Scratch.path()).canonicalPath().toStdString());
  EXPECT_EQ(QFileInfo(seen.Selected).fileName().toStdString(), "coloda-mine.col");
  EXPECT_TRUE(seen.Filter.startsWith(Form->Texts()[kCardFilterText] + QStringLiteral(" (")))
      << qPrintable(seen.Filter);
  EXPECT_TRUE(seen.Listed.contains(QStringLiteral("coloda-mine.col")))
      << qPrintable(seen.Listed.join(' '));
  EXPECT_TRUE(seen.Listed.contains(QStringLiteral("c36.dll"))) << qPrintable(seen.Listed.join(' '));
  EXPECT_FALSE(seen.Listed.contains(QStringLiteral("notes.txt")));
  EXPECT_TRUE(Messages.isEmpty()) << qPrintable(Messages.join('\n'));
  EXPECT_EQ(chosen.toStdString(), "c36.dll");
  EXPECT_EQ(Form->Settings().CardLibraryPath, "c36.dll");
}

TEST_F(Appearance, DeskLibraryDialogOpensWhereTheLibraryLiesAndOffersTheStandardOne) {
  MakeDeskLibrary(QStringLiteral("dtop-mine.dll"), 7);
  CopyPack(QStringLiteral("dtop.dll"), QStringLiteral("dtop.dll"));
  Form->Settings().DeskLibraryPath = "dtop-mine.dll";
  FileDialogView seen;
  Run(
      [&](TAppearanceDialog& d) {
        PickInFileDialog(QStringLiteral("dtop.dll"), &seen);
        Part<QPushButton>(d, "Button1")->click();
      },
      true);
  EXPECT_EQ(QDir(seen.Folder).canonicalPath().toStdString(),
            QDir(Scratch.path()).canonicalPath().toStdString());
  EXPECT_EQ(QFileInfo(seen.Selected).fileName().toStdString(), "dtop-mine.dll");
  EXPECT_TRUE(seen.Filter.startsWith(Form->Texts()[kDeskFilterText] + QStringLiteral(" (")))
      << qPrintable(seen.Filter);
  EXPECT_TRUE(seen.Listed.contains(QStringLiteral("dtop.dll")))
      << qPrintable(seen.Listed.join(' '));
  EXPECT_TRUE(Messages.isEmpty()) << qPrintable(Messages.join('\n'));
  EXPECT_EQ(Form->Settings().DeskLibraryPath, "dtop.dll");

  // A library that is nowhere to be found: the dialog opens where the game's own are, and
  // its filter follows the language.
  TAppearanceDialog& d = *Form->Menus().AppearanceDialog();
  Part<QLabel>(d, "Label1")->setText(QStringLiteral("dtop-gone.dll"));
  EXPECT_EQ(QDir(d.LibraryFolder(true)).canonicalPath().toStdString(),
            QDir(QCoreApplication::applicationDirPath()).canonicalPath().toStdString());
  Form->LanguageChosen(2);
  EXPECT_EQ(d.LibraryFilter(true).toStdString(), "Desk pictures (dtop*.dll)");
  EXPECT_EQ(d.LibraryFilter(false).toStdString(), "Card libraries (coloda*.col c36.dll)");
}

TEST_F(Appearance, BrightnessCaptionFollowsTheBar) {
  TAppearanceDialog& d = *Form->Menus().AppearanceDialog();
  Part<TSlider>(d, "TrackBar1")->setValue(-4);
  EXPECT_EQ(Part<QGroupBox>(d, "GRB")->title(), Form->Texts().At(35) + QStringLiteral(" (-4)"));
}

TEST_F(Appearance, AMissingDeskLibraryIsReportedOnceNotAtEveryMenu) {
  Form->Settings().DeskLibraryPath = "dtop-gone.dll";
  Form->Menus().MakeDeskThumbnails(100);  // as at start-up
  ASSERT_EQ(Messages.size(), 1);
  for (int i = 0; i < 3; ++i) {
    emit Form->Menus().Items().DeskPictureMenu->aboutToShow();
    emit Form->Menus().Items().DeskPopupMenu->aboutToShow();
  }
  EXPECT_EQ(Messages.size(), 1) << qPrintable(Messages.join('\n'));
  // A library that turns up later is used at the next opening.
  MakeDeskLibrary(QStringLiteral("dtop-gone.dll"), 7);
  emit Form->Menus().Items().DeskPictureMenu->aboutToShow();
  EXPECT_EQ(Messages.size(), 1);
  EXPECT_EQ(Form->Menus().DeskThumbnails()[3].pixelColor(16, 16), DeskColour(3));
}

// The bottom bar and the right-hand column: the wood tiles at its own width without seams,
// framed in the button-shadow colour over the frame's brown.
TEST_F(Appearance, TheFrameIsWoodWithoutSeams) {
  const QImage wood = OwnPicture(QStringLiteral("PBG"));
  ASSERT_FALSE(wood.isNull());
  Form->resize(900, 600);
  QApplication::processEvents();
  for (TPaintedPanel* panel : {Form->Parts().ButtonBar, Form->Parts().ScoreColumn}) {
    EXPECT_EQ(panel->BColor(), SysColor(SysBtnShadow));
    EXPECT_EQ(panel->Color(), QColor(140, 88, 0));
    ASSERT_EQ(panel->Mode(), pmPicture);
    EXPECT_EQ(panel->Strip().width(), std::min(wood.width(), panel->width() - 4));
    EXPECT_EQ(panel->TileHeight(), wood.height());
  }
  // The bar as painted: every tile is the whole texture, side by side from x = 2.
  const QImage bar =
      Form->Parts().ButtonBar->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int seams = 0;
  for (int x = 2; x + 1 < bar.width() - 2; x += 7) {
    const int y = 2 + (x % wood.height());
    if (bar.pixel(x, y) != wood.pixel((x - 2) % wood.width(), y - 2)) ++seams;
  }
  EXPECT_EQ(seams, 0);
  EXPECT_EQ(bar.pixel(0, 10), SysColor(SysBtnShadow).rgb());
  const QString dir = qEnvironmentVariable("DURAK_DIALOG_SHOTS");
  if (!dir.isEmpty()) Form->grab().save(QDir(dir).filePath(QStringLiteral("window-frame.png")));
}

TEST_F(Appearance, BothDeskMenusShowTheirPicturesAt32Pixels) {
  for (QMenu* menu : {Form->Menus().Items().DeskPictureMenu, Form->Menus().Items().DeskPopupMenu})
    EXPECT_EQ(menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu), 32);
  EXPECT_NE(Form->menuBar()->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, nullptr), 32);
}

}  // namespace
}  // namespace durak::testing
