// Dressing the table: the desk entries of the options menu and of the table's right-click
// menu, their 32 x 32 pictures, and applying the appearance dialog.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>

#include "AppearanceDialog.h"
#include "CardFaces.h"
#include "CardPacks.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "PaintedPanel.h"
#include "PlainText.h"
#include "ResourcePack.h"
#include "SurfacePaint.h"
#include "WinColor.h"

namespace durak {

namespace {

constexpr int kPictureSide = 32;

// Both desk menus show their pictures at their full 32 x 32.
class TBigIconStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_SmallIconSize) return kPictureSide;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QString DeskPictureName(int n) {
  return QStringLiteral("DT%1").arg(n);
}

}  // namespace

void TMainWindow::CreateDialogs() {
  ShowMessage = [this](const QString& text) {
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), text);
  };
  OptionsDialog.SetMaker([this] {
    auto* d = new TOptionsDialog(this);
    if (TextsLoaded) d->ApplyTexts(Texts);
    return d;
  });
  AppearanceDialog.SetMaker([this] {
    auto* d = new TAppearanceDialog(this);
    if (TextsLoaded) d->ApplyTexts(Texts);
    return d;
  });

  DeskPopupMenu = new QMenu(this);
  auto* style = new TBigIconStyle;
  style->setParent(DeskPopupMenu);
  DeskPopupMenu->setStyle(style);
  DeskPictureMenu->setStyle(style);
  const char* const names[] = {"Solid Color", "Bg1", "Bg2", "Bg3",      "Bg4",
                               "Bg5",         "bg6", "Bg7", "Gradient", "Rainbow"};
  for (int i = 0; i < 10; ++i) {
    DeskPopupItems[i] = DeskPopupMenu->addAction(QString::fromLatin1(names[i]));
    DeskPopupItems[i]->setObjectName(QStringLiteral("PF%1").arg(i));
    DeskPopupItems[i]->setData(i);
    connect(DeskPopupItems[i], &QAction::triggered, this,
            [this, i] { ChooseDeskPictureFromPopup(i); });
  }
  // Entry pictures not made yet are made when a desk menu is opened. A desk library that
  // was reported missing is not reported again at every opening: once per run is enough.
  auto makeMissing = [this] {
    if (DeskThumbnails[0].isNull()) MakeDeskThumbnails(100, !DeskMissingTold);
  };
  connect(DeskPopupMenu, &QMenu::aboutToShow, this, makeMissing);
  connect(DeskPictureMenu, &QMenu::aboutToShow, this, makeMissing);

  // A right click on the table (or a card on it) opens the desk menu there.
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    const QPoint onTable = TablePanel->mapFrom(this, pos);
    if (TablePanel->rect().contains(onTable)) DeskPopupMenu->popup(mapToGlobal(pos));
  });
}

void TMainWindow::ChooseDeskPicture(int tag) {
  DeskItems[tag]->setChecked(true);
  Settings.DeskPicture = static_cast<uint8_t>(tag);
  if (tag == 0) {
    TablePanel->SetMode(pmSolid);
  } else if (tag <= 7) {
    const QString dtPath = QString::fromStdString(Settings.DeskLibraryPath);
    ResourcePack pack;
    if (!pack.Open(dtPath)) {
      ShowMessage(dtPath + QStringLiteral(" ") + Texts[kCannotOpenText]);
      DeskMissingTold = true;
      TablePanel->SetMode(pmSolid);
      return;
    }
    const QImage picture = pack.LoadImage(DeskPictureName(tag));
    // A library without this picture leaves the table in its solid colour.
    if (picture.isNull())
      TablePanel->SetMode(pmSolid);
    else
      TablePanel->SetPicture(picture, [dtPath, name = DeskPictureName(tag)](int factor) {
        // Read when a dense screen first shows the table.
        ResourcePack later;
        if (!later.Open(dtPath)) return QImage();
        return later.LoadImage(name + QStringLiteral("@%1x").arg(factor));
      });
  } else if (tag == 8) {
    TablePanel->SetMode(pmGradient);
  } else {
    TablePanel->SetMode(pmRainbow);
  }
}

void TMainWindow::ChooseDeskPictureFromPopup(int tag) {
  TriggerMenuItem(QStringLiteral("F%1").arg(tag));
}

void TMainWindow::TriggerMenuItem(const QString& name) {
  if (name.isEmpty()) return;
  if (QAction* item = findChild<QAction*>(name, Qt::FindChildrenRecursively)) item->trigger();
}

void TMainWindow::CheckDeskLibrary() {
  const QString dtPath = QString::fromStdString(Settings.DeskLibraryPath);
  ResourcePack pack;
  if (pack.Open(dtPath)) return;
  ShowMessage(dtPath + QStringLiteral(" ") + Texts[kCannotOpenText]);
  DeskMissingTold = true;
}

void TMainWindow::MakeDeskThumbnails(int k) {
  MakeDeskThumbnails(k, true);
}

void TMainWindow::MakeDeskThumbnails(int k, bool report) {
  const QString dtPath = QString::fromStdString(Settings.DeskLibraryPath);
  ResourcePack pack;
  if (!pack.Open(dtPath)) {
    if (report) ShowMessage(dtPath + QStringLiteral(" ") + Texts[kCannotOpenText]);
    DeskMissingTold = true;
    return;
  }
  const int first = k == 100 ? 0 : k, last = k == 100 ? 9 : k;
  if (first < 0 || last > 9) return;
  for (int i = first; i <= last; ++i) {
    QImage picture(kPictureSide, kPictureSide, QImage::Format_RGB32);
    if (i == 0) {
      picture.fill(TablePanel->Color());
    } else if (i <= 7) {
      const QImage desk = pack.LoadImage(DeskPictureName(i));
      if (desk.isNull()) continue;  // the entry keeps the picture it had
      QPainter p(&picture);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(picture.rect(), desk);
    } else if (i == 8) {
      PaintGradient(TablePanel->SColor(), TablePanel->FColor(), picture);
    } else {
      PaintRainbow(TablePanel->RBright(), picture);
    }
    DeskThumbnails[i] = picture;
    const QIcon icon(QPixmap::fromImage(picture));
    DeskItems[i]->setIcon(icon);
    DeskPopupItems[i]->setIcon(icon);
  }
}

// The appearance command: on OK, only what changed is applied, each with the desk picture
// it affects; a new card library loads faces and the chosen back in one go.
void TMainWindow::ShowAppearance() {
  const int oldRubaha = Settings.CardBack;
  const int oldRBright = TablePanel->RBright();
  const QColor oldSColor = TablePanel->SColor(), oldFColor = TablePanel->FColor();
  const QColor oldColor = TablePanel->Color();
  const QString oldDTPath = QString::fromStdString(Settings.DeskLibraryPath);
  const QString oldColodaPath = QString::fromStdString(Settings.CardLibraryPath);

  TAppearanceDialog& d = *AppearanceDialog;
  d.CardBack = oldRubaha;
  d.Load(*TablePanel, ColorFromWin(Settings.SpeechColour), oldDTPath, oldColodaPath);
  d.SetScaleToWindow(Settings.ScaleToWindow);
  if (d.exec() != QDialog::Accepted) return;  // the dialog's own back choice is dropped
  const TAppearanceChoice chosen = d.Choice();

  Settings.CardBack = static_cast<uint8_t>(d.CardBack);
  const QString newColodaPath = chosen.CardLibrary;
  if (Settings.CardBack != oldRubaha && newColodaPath == oldColodaPath) {
    if (!SetBgAll(Cards, oldColodaPath, Settings.CardBack, &Library)) {
      ShowMessage(CardLibraryMissingForBackMessage(Texts[kLibraryWordText], oldColodaPath,
                                                   Texts[kCannotOpenText]));
      close();
      return;
    }
    // The new back drawn at the table's card size; nothing moves.
    PicturesStale = true;
    ApplyCardScale(TablePanel->width(), TablePanel->height());
  }
  if (chosen.TableColor != oldColor) {
    TablePanel->SetColor(chosen.TableColor);
    MakeDeskThumbnails(0);
  }
  if (chosen.Brightness != oldRBright) {
    TablePanel->SetRBright(chosen.Brightness);
    MakeDeskThumbnails(9);
  }
  if (chosen.GradientTop != oldSColor || chosen.GradientBottom != oldFColor) {
    TablePanel->SetSColor(chosen.GradientTop);
    TablePanel->SetFColor(chosen.GradientBottom);
    MakeDeskThumbnails(8);
  }
  if (chosen.DeskLibrary != oldDTPath) {
    Settings.DeskLibraryPath = chosen.DeskLibrary.toStdString();
    if (Settings.DeskPicture >= 1 && Settings.DeskPicture <= 7)
      TriggerMenuItem(QStringLiteral("F%1").arg(Settings.DeskPicture));
    for (int i = 1; i <= 7; ++i) MakeDeskThumbnails(i);
  }
  if (newColodaPath != oldColodaPath) {
    Settings.CardLibraryPath = newColodaPath.toStdString();
    LoadCardFaces();
  }
  if (chosen.ScaleToWindow != Settings.ScaleToWindow) {
    // The cards take their new size, and the table is laid out for it, at once.
    Settings.ScaleToWindow = chosen.ScaleToWindow;
    ArrangeTable();
  }
  Settings.SpeechColour = KeepWinColor(Settings.SpeechColour, chosen.SpeechColor);
  SpeechLabel->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                                 .arg(ColorFromWin(Settings.SpeechColour).name()));
}

}  // namespace durak
