// The main window's first activation, the champions table around a deal, the card
// pictures, and closing with the settings written back.
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include "CardFaces.h"
#include "CardPacks.h"
#include "TChempForm.h"
#include "TForm1.h"
#include "THotCard.h"
#include "TKuvPanel.h"
#include "WinColor.h"

namespace durak {

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Moved to a screen of another pixel density: the cards are drawn again for it.
  if (windowHandle() != nullptr && !ScreenWatched) {
    ScreenWatched = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { Res(); });
  }
  if (Activated) return;
  Activated = true;
  // The first activation runs once, after the window is on screen.
  QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TForm1::FormActivate() {
  if (Settings.State == wsMaximized) showMaximized();
  if (Settings.DeskTop <= 9) F[Settings.DeskTop]->trigger();
  (Settings.Language == 2 ? L2 : L1)->trigger();
  if (Closing) return;
  SetFacesAll();
  if (Closing) return;
  MakeMenuPictures(100);
  Engine->N8Click();
  ChempForm_->ChempMode = cmStartUp;
  if (ChempForm_->exec() != QDialog::Accepted) {
    close();
    return;
  }
  Label6->setText(QString::fromStdString(ChempForm_->CurChemp.NameText()));
  const TChempRec& cur = ChempForm_->CurChemp;
  Engine->Record = {cur.Games, cur.Wins, cur.Losses, cur.Rating};
  ArrangeColumn();
}

void TForm1::SetFacesAll() {
  const bool ok = durak::SetFacesAll(Cards, QString::fromStdString(Settings.ColodaPath),
                                     Settings.Rubaha, CardWidth, CardHeight, &Library);
  PicturesStale = true;
  if (!ok) {
    QMessageBox::critical(this, windowTitle(),
                          CardLibraryMissingMessage(QString::fromStdString(Settings.ColodaPath)));
    Engine->Busy = false;
    close();
  }
  Res();
}

void TForm1::N7Click() {
  ChempForm_->ChempMode = cmView;
  ChempForm_->exec();
}

bool TForm1::ShowChampionsAfterDeal() {
  // The deal's result goes into the current player's row when the table is shown.
  TChempRec& cur = ChempForm_->CurChemp;
  cur.Games = Engine->Record.Games;
  cur.Wins = Engine->Record.Wins;
  cur.Losses = Engine->Record.Losses;
  cur.Rating = Engine->Record.Rating;
  ChempForm_->ChempMode = cmAfterDeal;
  const bool ok = ChempForm_->exec() == QDialog::Accepted;
  Engine->Record = {cur.Games, cur.Wins, cur.Losses, cur.Rating};
  return ok;
}

void TForm1::closeEvent(QCloseEvent* event) {
  // No closing while the window is made or a deal is laid out.
  if (Engine && Engine->Busy) {
    event->ignore();
    return;
  }
  Closing = true;
  WriteSettingsFile();
  event->accept();
}

bool TForm1::WriteSettingsFile() {
  Settings.RBright = Panel3->RBright();
  Settings.FColor = KeepWinColor(Settings.FColor, Panel3->FColor());
  Settings.SColor = KeepWinColor(Settings.SColor, Panel3->SColor());
  Settings.Color = KeepWinColor(Settings.Color, Panel3->Color());
  Settings.Options = static_cast<uint16_t>(Engine->Options);
  Settings.ASpeed = Engine->ASpeed;
  Settings.VidSort = Engine->VidSort;
  Settings.State = isMinimized() ? wsMinimized : isMaximized() ? wsMaximized : wsNormal;
  if (Settings.State == wsNormal) {
    Settings.Left = x();
    Settings.Top = y();
    Settings.Width = width();
    Settings.Height = height();
  }
  TProfileFile ini(QFile::encodeName(SettingsFile).toStdString());
  ini.Load();
  WriteSettings(ini, Settings);
  std::string error;
  if (ini.Save(&error)) return true;
  QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
  return false;
}

}  // namespace durak
