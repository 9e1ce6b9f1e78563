// Dressing the table: the desk entries of the options menu and of the table's right-click
// menu, their 32 x 32 pictures, and applying the appearance dialog.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>

#include "CardFaces.h"
#include "CardPacks.h"
#include "PlainText.h"
#include "ResourcePack.h"
#include "SurfacePaint.h"
#include "TForm1.h"
#include "TInterDlg.h"
#include "TKuvPanel.h"
#include "TRubDlg.h"
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

void TForm1::CreateDialogs() {
  ShowMessage = [this](const QString& text) {
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), text);
  };
  RubDlg.SetMaker([this] {
    auto* d = new TRubDlg(this);
    if (TextsLoaded) d->ApplyTexts(Texts);
    return d;
  });
  InterDlg.SetMaker([this] {
    auto* d = new TInterDlg(this);
    if (TextsLoaded) d->ApplyTexts(Texts);
    return d;
  });

  PopupMenu1 = new QMenu(this);
  auto* style = new TBigIconStyle;
  style->setParent(PopupMenu1);
  PopupMenu1->setStyle(style);
  N4->setStyle(style);
  const char* const names[] = {"Solid Color", "Bg1", "Bg2", "Bg3",      "Bg4",
                               "Bg5",         "bg6", "Bg7", "Gradient", "Rainbow"};
  for (int i = 0; i < 10; ++i) {
    PF[i] = PopupMenu1->addAction(QString::fromLatin1(names[i]));
    PF[i]->setObjectName(QStringLiteral("PF%1").arg(i));
    PF[i]->setData(i);
    connect(PF[i], &QAction::triggered, this, [this, i] { PF0Click(i); });
  }
  // Entry pictures not made yet are made when a desk menu is opened. A desk library that
  // was reported missing is not reported again at every opening: once per run is enough.
  auto makeMissing = [this] {
    if (ImageList1[0].isNull()) MakeMenuPictures(100, !DeskMissingTold);
  };
  connect(PopupMenu1, &QMenu::aboutToShow, this, makeMissing);
  connect(N4, &QMenu::aboutToShow, this, makeMissing);

  // A right click on the table (or a card on it) opens the desk menu there.
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    const QPoint onTable = Panel3->mapFrom(this, pos);
    if (Panel3->rect().contains(onTable)) PopupMenu1->popup(mapToGlobal(pos));
  });
}

void TForm1::N4Click(int tag) {
  F[tag]->setChecked(true);
  Settings.DeskTop = static_cast<uint8_t>(tag);
  if (tag == 0) {
    Panel3->SetMode(pmSolid);
  } else if (tag <= 7) {
    const QString dtPath = QString::fromStdString(Settings.DTPath);
    ResourcePack pack;
    if (!pack.Open(dtPath)) {
      ShowMessage(dtPath + QStringLiteral(" ") + Texts[kCannotOpenText]);
      DeskMissingTold = true;
      Panel3->SetMode(pmSolid);
      return;
    }
    const QImage picture = pack.LoadImage(DeskPictureName(tag));
    // A library without this picture leaves the table in its solid colour.
    if (picture.isNull())
      Panel3->SetMode(pmSolid);
    else
      Panel3->SetPicture(picture, [dtPath, name = DeskPictureName(tag)](int factor) {
        // Read when a dense screen first shows the table.
        ResourcePack later;
        if (!later.Open(dtPath)) return QImage();
        return later.LoadImage(name + QStringLiteral("@%1x").arg(factor));
      });
  } else if (tag == 8) {
    Panel3->SetMode(pmGradient);
  } else {
    Panel3->SetMode(pmRainbow);
  }
}

void TForm1::PF0Click(int tag) {
  MenuClick(QStringLiteral("F%1").arg(tag));
}

void TForm1::MenuClick(const QString& name) {
  if (name.isEmpty()) return;
  if (QAction* item = findChild<QAction*>(name, Qt::FindChildrenRecursively)) item->trigger();
}

void TForm1::CheckDeskLibrary() {
  const QString dtPath = QString::fromStdString(Settings.DTPath);
  ResourcePack pack;
  if (pack.Open(dtPath)) return;
  ShowMessage(dtPath + QStringLiteral(" ") + Texts[kCannotOpenText]);
  DeskMissingTold = true;
}

void TForm1::MakeMenuPictures(int k) {
  MakeMenuPictures(k, true);
}

void TForm1::MakeMenuPictures(int k, bool report) {
  const QString dtPath = QString::fromStdString(Settings.DTPath);
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
      picture.fill(Panel3->Color());
    } else if (i <= 7) {
      const QImage desk = pack.LoadImage(DeskPictureName(i));
      if (desk.isNull()) continue;  // the entry keeps the picture it had
      QPainter p(&picture);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(picture.rect(), desk);
    } else if (i == 8) {
      PaintGradient(Panel3->SColor(), Panel3->FColor(), picture);
    } else {
      PaintRainbow(Panel3->RBright(), picture);
    }
    ImageList1[i] = picture;
    const QIcon icon(QPixmap::fromImage(picture));
    F[i]->setIcon(icon);
    PF[i]->setIcon(icon);
  }
}

// The appearance command: on OK, only what changed is applied, each with the desk picture
// it affects; a new card library loads faces and the chosen back in one go.
void TForm1::InterClick() {
  const int oldRubaha = Settings.Rubaha;
  const int oldRBright = Panel3->RBright();
  const QColor oldSColor = Panel3->SColor(), oldFColor = Panel3->FColor();
  const QColor oldColor = Panel3->Color();
  const QString oldDTPath = QString::fromStdString(Settings.DTPath);
  const QString oldColodaPath = QString::fromStdString(Settings.ColodaPath);

  TInterDlg& d = *InterDlg;
  d.Rubaha = oldRubaha;
  d.Load(*Panel3, ColorFromWin(Settings.MyWords), oldDTPath, oldColodaPath);
  d.SetScaleToWindow(Settings.ScaleToWindow);
  if (d.exec() != QDialog::Accepted) return;  // the dialog's own back choice is dropped
  const TAppearanceChoice chosen = d.Choice();

  Settings.Rubaha = static_cast<uint8_t>(d.Rubaha);
  const QString newColodaPath = chosen.CardLibrary;
  if (Settings.Rubaha != oldRubaha && newColodaPath == oldColodaPath) {
    if (!SetBgAll(Cards, oldColodaPath, Settings.Rubaha, &Library)) {
      ShowMessage(CardLibraryMissingForBackMessage(Texts[kLibraryWordText], oldColodaPath,
                                                   Texts[kCannotOpenText]));
      close();
      return;
    }
    // The new back drawn at the table's card size; nothing moves.
    PicturesStale = true;
    ApplyCardScale(Panel3->width(), Panel3->height());
  }
  if (chosen.TableColor != oldColor) {
    Panel3->SetColor(chosen.TableColor);
    MakeMenuPictures(0);
  }
  if (chosen.Brightness != oldRBright) {
    Panel3->SetRBright(chosen.Brightness);
    MakeMenuPictures(9);
  }
  if (chosen.GradientTop != oldSColor || chosen.GradientBottom != oldFColor) {
    Panel3->SetSColor(chosen.GradientTop);
    Panel3->SetFColor(chosen.GradientBottom);
    MakeMenuPictures(8);
  }
  if (chosen.DeskLibrary != oldDTPath) {
    Settings.DTPath = chosen.DeskLibrary.toStdString();
    if (Settings.DeskTop >= 1 && Settings.DeskTop <= 7)
      MenuClick(QStringLiteral("F%1").arg(Settings.DeskTop));
    for (int i = 1; i <= 7; ++i) MakeMenuPictures(i);
  }
  if (newColodaPath != oldColodaPath) {
    Settings.ColodaPath = newColodaPath.toStdString();
    SetFacesAll();
  }
  if (chosen.ScaleToWindow != Settings.ScaleToWindow) {
    // The cards take their new size, and the table is laid out for it, at once.
    Settings.ScaleToWindow = chosen.ScaleToWindow;
    Res();
  }
  Settings.MyWords = KeepWinColor(Settings.MyWords, chosen.SpeechColor);
  Label2->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                            .arg(ColorFromWin(Settings.MyWords).name()));
}

}  // namespace durak
