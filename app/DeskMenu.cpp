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
#include "MenuCommands.h"
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

void TMenuCommands::CreateDialogs() {
  optionsDialog_.SetMaker([this] {
    auto* d = new TOptionsDialog(&window_);
    if (window_.TextsLoaded()) d->ApplyTexts(Texts());
    return d;
  });
  appearanceDialog_.SetMaker([this] {
    auto* d = new TAppearanceDialog(&window_);
    if (window_.TextsLoaded()) d->ApplyTexts(Texts());
    return d;
  });
}

void TMenuCommands::CreateDeskPopup() {
  TMainWindow* w = &window_;
  items_.DeskPopupMenu = new QMenu(w);
  auto* style = new TBigIconStyle;
  style->setParent(items_.DeskPopupMenu);
  items_.DeskPopupMenu->setStyle(style);
  items_.DeskPictureMenu->setStyle(style);
  const char* const names[] = {"Solid Color", "Bg1", "Bg2", "Bg3",      "Bg4",
                               "Bg5",         "bg6", "Bg7", "Gradient", "Rainbow"};
  for (int i = 0; i < 10; ++i) {
    items_.DeskPopupItems[i] = items_.DeskPopupMenu->addAction(QString::fromLatin1(names[i]));
    items_.DeskPopupItems[i]->setObjectName(QStringLiteral("PF%1").arg(i));
    items_.DeskPopupItems[i]->setData(i);
    // The popup's entry chooses through the options menu's entry of the same picture.
    QObject::connect(items_.DeskPopupItems[i], &QAction::triggered, w,
                     [this, i] { TriggerMenuItem(QStringLiteral("F%1").arg(i)); });
  }
  // Entry pictures not made yet are made when a desk menu is opened. A desk library that
  // was reported missing is not reported again at every opening: once per run is enough.
  auto makeMissing = [this] {
    if (deskThumbnails_[0].isNull()) MakeDeskThumbnails(100, !deskMissingTold_);
  };
  QObject::connect(items_.DeskPopupMenu, &QMenu::aboutToShow, w, makeMissing);
  QObject::connect(items_.DeskPictureMenu, &QMenu::aboutToShow, w, makeMissing);

  // A right click on the table (or a card on it) opens the desk menu there.
  w->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(w, &QWidget::customContextMenuRequested, w, [this, w](const QPoint& pos) {
    const QPoint onTable = Parts().TablePanel->mapFrom(w, pos);
    if (Parts().TablePanel->rect().contains(onTable))
      items_.DeskPopupMenu->popup(w->mapToGlobal(pos));
  });
}

void TMenuCommands::ChooseDeskPicture(int tag) {
  items_.DeskItems[tag]->setChecked(true);
  Settings().DeskPicture = static_cast<uint8_t>(tag);
  if (tag == 0) {
    Parts().TablePanel->SetMode(pmSolid);
  } else if (tag <= 7) {
    const QString dtPath = QString::fromStdString(Settings().DeskLibraryPath);
    ResourcePack pack;
    if (!pack.Open(dtPath)) {
      window_.ShowMessage(dtPath + QStringLiteral(" ") + Texts()[kCannotOpenText]);
      deskMissingTold_ = true;
      Parts().TablePanel->SetMode(pmSolid);
      return;
    }
    const QImage picture = pack.LoadImage(DeskPictureName(tag));
    // A library without this picture leaves the table in its solid colour.
    if (picture.isNull())
      Parts().TablePanel->SetMode(pmSolid);
    else
      Parts().TablePanel->SetPicture(picture, [dtPath, name = DeskPictureName(tag)](int factor) {
        // Read when a dense screen first shows the table.
        ResourcePack later;
        if (!later.Open(dtPath)) return QImage();
        return later.LoadImage(name + QStringLiteral("@%1x").arg(factor));
      });
  } else if (tag == 8) {
    Parts().TablePanel->SetMode(pmGradient);
  } else {
    Parts().TablePanel->SetMode(pmRainbow);
  }
}

void TMenuCommands::CheckDeskLibrary() {
  const QString dtPath = QString::fromStdString(Settings().DeskLibraryPath);
  ResourcePack pack;
  if (pack.Open(dtPath)) return;
  window_.ShowMessage(dtPath + QStringLiteral(" ") + Texts()[kCannotOpenText]);
  deskMissingTold_ = true;
}

void TMenuCommands::MakeDeskThumbnails(int k) {
  MakeDeskThumbnails(k, true);
}

void TMenuCommands::MakeDeskThumbnails(int k, bool report) {
  const QString dtPath = QString::fromStdString(Settings().DeskLibraryPath);
  ResourcePack pack;
  if (!pack.Open(dtPath)) {
    if (report) window_.ShowMessage(dtPath + QStringLiteral(" ") + Texts()[kCannotOpenText]);
    deskMissingTold_ = true;
    return;
  }
  const int first = k == 100 ? 0 : k, last = k == 100 ? 9 : k;
  if (first < 0 || last > 9) return;
  for (int i = first; i <= last; ++i) {
    QImage picture(kPictureSide, kPictureSide, QImage::Format_RGB32);
    if (i == 0) {
      picture.fill(Parts().TablePanel->Color());
    } else if (i <= 7) {
      const QImage desk = pack.LoadImage(DeskPictureName(i));
      if (desk.isNull()) continue;  // the entry keeps the picture it had
      QPainter p(&picture);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(picture.rect(), desk);
    } else if (i == 8) {
      PaintGradient(Parts().TablePanel->SColor(), Parts().TablePanel->FColor(), picture);
    } else {
      PaintRainbow(Parts().TablePanel->RBright(), picture);
    }
    deskThumbnails_[i] = picture;
    const QIcon icon(QPixmap::fromImage(picture));
    items_.DeskItems[i]->setIcon(icon);
    items_.DeskPopupItems[i]->setIcon(icon);
  }
}

// The appearance command: on OK, only what changed is applied, each with the desk picture
// it affects; a new card library loads faces and the chosen back in one go.
void TMenuCommands::ShowAppearance() {
  const int oldRubaha = Settings().CardBack;
  const int oldRBright = Parts().TablePanel->RBright();
  const QColor oldSColor = Parts().TablePanel->SColor(), oldFColor = Parts().TablePanel->FColor();
  const QColor oldColor = Parts().TablePanel->Color();
  const QString oldDTPath = QString::fromStdString(Settings().DeskLibraryPath);
  const QString oldColodaPath = QString::fromStdString(Settings().CardLibraryPath);

  TAppearanceDialog& d = *appearanceDialog_;
  d.CardBack = oldRubaha;
  d.Load(*Parts().TablePanel, ColorFromWin(Settings().SpeechColour), oldDTPath, oldColodaPath);
  d.SetScaleToWindow(Settings().ScaleToWindow);
  if (d.exec() != QDialog::Accepted) return;  // the dialog's own back choice is dropped
  const TAppearanceChoice chosen = d.Choice();

  Settings().CardBack = static_cast<uint8_t>(d.CardBack);
  const QString newColodaPath = chosen.CardLibrary;
  if (Settings().CardBack != oldRubaha && newColodaPath == oldColodaPath) {
    if (!SetBgAll(Parts().Cards, oldColodaPath, Settings().CardBack, &window_.CardLibrary())) {
      window_.ShowMessage(CardLibraryMissingForBackMessage(Texts()[kLibraryWordText], oldColodaPath,
                                                           Texts()[kCannotOpenText]));
      window_.close();
      return;
    }
    // The new back drawn at the table's card size; nothing moves.
    window_.DrawCardsAnew();
  }
  if (chosen.TableColor != oldColor) {
    Parts().TablePanel->SetColor(chosen.TableColor);
    MakeDeskThumbnails(0);
  }
  if (chosen.Brightness != oldRBright) {
    Parts().TablePanel->SetRBright(chosen.Brightness);
    MakeDeskThumbnails(9);
  }
  if (chosen.GradientTop != oldSColor || chosen.GradientBottom != oldFColor) {
    Parts().TablePanel->SetSColor(chosen.GradientTop);
    Parts().TablePanel->SetFColor(chosen.GradientBottom);
    MakeDeskThumbnails(8);
  }
  if (chosen.DeskLibrary != oldDTPath) {
    Settings().DeskLibraryPath = chosen.DeskLibrary.toStdString();
    if (Settings().DeskPicture >= 1 && Settings().DeskPicture <= 7)
      TriggerMenuItem(QStringLiteral("F%1").arg(Settings().DeskPicture));
    for (int i = 1; i <= 7; ++i) MakeDeskThumbnails(i);
  }
  if (newColodaPath != oldColodaPath) {
    Settings().CardLibraryPath = newColodaPath.toStdString();
    window_.LoadCardFaces();
  }
  if (chosen.ScaleToWindow != Settings().ScaleToWindow) {
    // The cards take their new size, and the table is laid out for it, at once.
    Settings().ScaleToWindow = chosen.ScaleToWindow;
    window_.ArrangeTable();
  }
  Settings().SpeechColour = KeepWinColor(Settings().SpeechColour, chosen.SpeechColor);
  Parts().ColourSpeech(Settings().SpeechColour);
}

}  // namespace durak
