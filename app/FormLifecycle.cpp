// The main window's first activation, the champions table around a deal, the card
// pictures, and closing with the settings written back.
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "Announcer.h"
#include "CardFaces.h"
#include "CardPacks.h"
#include "CardWidget.h"
#include "ChampionsDialog.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "PlainText.h"
#include "ResourcePack.h"
#include "WinColor.h"
#include "WindowPlacement.h"

namespace durak {

void TMainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Moved to a screen of another pixel density: the cards are drawn again for it.
  if (windowHandle() != nullptr && !ScreenWatched) {
    ScreenWatched = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { ArrangeTable(); });
  }
  if (Activated) return;
  Activated = true;
  KeepFrameOnScreen();
  // The first activation runs once, after the window is on screen.
  QTimer::singleShot(0, this, [this] { PrepareOnShow(); });
}

void TMainWindow::KeepFrameOnScreen() {
  // Now that the window has its frame, the frame too must fit on the screen.
  if (!screen() || isMaximized()) return;
  const QRect frame = frameGeometry();
  const QMargins margins(geometry().left() - frame.left(), geometry().top() - frame.top(),
                         frame.right() - geometry().right(), frame.bottom() - geometry().bottom());
  const QRect area = screen()->availableGeometry().marginsRemoved(margins);
  const QRect client =
      ClampPlacement(geometry().left(), geometry().top(), width(), height(), area, minimumSize());
  if (client == geometry()) return;
  resize(client.size());
  move(client.topLeft() - QPoint(margins.left(), margins.top()));
}

void TMainWindow::PrepareOnShow() {
  if (Settings.State == wsMaximized) showMaximized();
  if (Settings.DeskPicture <= 9) DeskItems[Settings.DeskPicture]->trigger();
  // The texts came with the window; a language library missing then is tried (and its
  // absence reported) now.
  if (TextsLanguage != Settings.Language)
    (Settings.Language == 2 ? EnglishItem : RussianItem)->trigger();
  if (Closing) return;
  LoadCardFaces();
  if (Closing) return;
  CheckDeskLibrary();
  StartNewGame();
  // The dealt table shows at once; the champions table is made and opened over it after.
  repaint();
  ChampionsDialog_->ChempMode = cmStartUp;
  if (ChampionsDialog_->exec() != QDialog::Accepted) {
    close();
    return;
  }
  PlayerNameLabel->setText(QString::fromStdString(ChampionsDialog_->CurChemp.NameText()));
  const TChempRec& cur = ChampionsDialog_->CurChemp;
  Engine->Record = {cur.Games, cur.Wins, cur.Losses, cur.Rating};
  ArrangeColumn();
  // A deal of this player's that was cut off last time may go on.
  OfferResume();
  // The options and appearance dialogs are made now, the table long painted, rather than
  // before the window could first show.
  OptionsDialog.Get();
  AppearanceDialog.Get();
}

void TMainWindow::LoadCardFaces() {
  const QString chosen = QString::fromStdString(Settings.CardLibraryPath);
  const bool ok =
      durak::LoadCardFaces(Cards, chosen, Settings.CardBack, CardWidth, CardHeight, &Library);
  PicturesStale = true;
  if (!ok) {
    // The game cannot go on without its cards. When the chosen deck is not the standard one
    // and the standard one can be played with, the settings keep the standard deck from now
    // on, so that the next start is not ended the same way.
    QString details;
    const QString standard = QStringLiteral("c36.dll");
    ResourcePack pack;
    if (chosen.compare(standard, Qt::CaseInsensitive) != 0 && pack.Open(standard) &&
        CardPackPlayable(pack)) {
      Settings.CardLibraryPath = standard.toStdString();
      details = Texts[kStandardDeckNextText].isEmpty()
                    ? QStringLiteral("The standard deck is used from the next start.")
                    : Texts[kStandardDeckNextText];
    }
    pack.Close();
    ShowPlainMessage(this, QMessageBox::Critical, windowTitle(), CardLibraryMissingMessage(chosen),
                     details);
    Engine->Busy = false;
    close();
  }
  ArrangeTable();
}

void TMainWindow::ShowChampions() {
  ChampionsDialog_->ChempMode = cmView;
  ChampionsDialog_->exec();
  // The row may have changed meanwhile in another copy of the game: the record follows it.
  const TChempRec& cur = ChampionsDialog_->CurChemp;
  Engine->Record = {cur.Games, cur.Wins, cur.Losses, cur.Rating};
}

bool TMainWindow::ShowChampionsAfterDeal() {
  // The deal's result goes into the current player's row when the table is shown.
  TChempRec& cur = ChampionsDialog_->CurChemp;
  cur.Games = Engine->Record.Games;
  cur.Wins = Engine->Record.Wins;
  cur.Losses = Engine->Record.Losses;
  cur.Rating = Engine->Record.Rating;
  ChampionsDialog_->ChempMode = cmAfterDeal;
  // The end of the deal is said before the table takes the focus.
  Narrate();
  Announcer->Flush();
  ChampionsDialog_->ReviewAsked = false;
  const bool ok = ChampionsDialog_->exec() == QDialog::Accepted;
  Engine->Record = {cur.Games, cur.Wins, cur.Losses, cur.Rating};
  // The review opens once the deal's end has run its course.
  if (ChampionsDialog_->ReviewAsked) QTimer::singleShot(0, this, [this] { OpenDealReview(); });
  return ok;
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  // No closing while the window is made or a deal is laid out.
  if (Engine && Engine->Busy) {
    event->ignore();
    return;
  }
  Closing = true;
  // Results put off while another program held durak.r's lock: one more bounded wait,
  // then written all the same, so no finished deal is lost.
  if (TChampionsDialog* chemp = ChampionsDialog_.IfMade()) chemp->SavePendingAtExit();
  WriteSettingsFile();
  event->accept();
}

bool TMainWindow::WriteSettingsFile() {
  Settings.RBright = TablePanel->RBright();
  Settings.FColor = KeepWinColor(Settings.FColor, TablePanel->FColor());
  Settings.SColor = KeepWinColor(Settings.SColor, TablePanel->SColor());
  Settings.Color = KeepWinColor(Settings.Color, TablePanel->Color());
  Settings.Options = static_cast<uint16_t>(Engine->Options);
  Settings.GlideSpeed = Engine->GlideSpeed;
  Settings.HandOrder = Engine->HandOrder;
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
  // The file's path, and under it what that means in the player's language (a full disk,
  // a read-only folder).
  ShowPlainMessage(this, QMessageBox::Warning, windowTitle(), QString::fromStdString(error),
                   Texts[kSettingsNotSavedText]);
  return false;
}

}  // namespace durak
