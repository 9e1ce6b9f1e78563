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
#include "MenuCommands.h"
#include "PaintedPanel.h"
#include "PlainText.h"
#include "ResourcePack.h"
#include "TNameLabel.h"
#include "WinColor.h"
#include "WindowPlacement.h"

namespace durak {

void TMainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Moved to a screen of another pixel density: the cards are drawn again for it.
  if (windowHandle() != nullptr && !screenWatched_) {
    screenWatched_ = true;
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
  if (settings_.State == wsMaximized) showMaximized();
  if (settings_.DeskPicture <= 9) menus_->Items().DeskItems[settings_.DeskPicture]->trigger();
  // The texts came with the window; a language library missing then is tried (and its
  // absence reported) now.
  if (textsLanguage_ != settings_.Language)
    (settings_.Language == 2 ? menus_->Items().EnglishItem : menus_->Items().RussianItem)
        ->trigger();
  if (closing_) return;
  LoadCardFaces();
  if (closing_) return;
  menus_->CheckDeskLibrary();
  StartNewGame();
  // The dealt table shows at once; the champions table is made and opened over it after.
  repaint();
  championsDialog_->ChempMode = cmStartUp;
  if (championsDialog_->exec() != QDialog::Accepted) {
    close();
    return;
  }
  parts_.PlayerNameLabel->setText(QString::fromStdString(championsDialog_->CurChemp.NameText()));
  const TChempRec& cur = championsDialog_->CurChemp;
  engine_->Record = {cur.Games, cur.Wins, cur.Losses, cur.Rating};
  parts_.ArrangeColumn();
  // A deal of this player's that was cut off last time may go on.
  OfferResume();
  // The options and appearance dialogs are made now, the table long painted, rather than
  // before the window could first show.
  menus_->OptionsDialog().Get();
  menus_->AppearanceDialog().Get();
}

void TMainWindow::LoadCardFaces() {
  const QString chosen = QString::fromStdString(settings_.CardLibraryPath);
  const bool ok = durak::LoadCardFaces(parts_.Cards, chosen, settings_.CardBack,
                                       cardSize_.LibraryWidth, cardSize_.LibraryHeight, &library_);
  cardSize_.PicturesStale = true;
  if (!ok) {
    // The game cannot go on without its cards. When the chosen deck is not the standard one
    // and the standard one can be played with, the settings keep the standard deck from now
    // on, so that the next start is not ended the same way.
    QString details;
    const QString standard = QStringLiteral("c36.dll");
    ResourcePack pack;
    if (chosen.compare(standard, Qt::CaseInsensitive) != 0 && pack.Open(standard) &&
        CardPackPlayable(pack)) {
      settings_.CardLibraryPath = standard.toStdString();
      details = texts_[kStandardDeckNextText].isEmpty()
                    ? QStringLiteral("The standard deck is used from the next start.")
                    : texts_[kStandardDeckNextText];
    }
    pack.Close();
    ShowPlainMessage(this, QMessageBox::Critical, windowTitle(), CardLibraryMissingMessage(chosen),
                     details);
    engine_->Busy = false;
    close();
  }
  ArrangeTable();
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  // No closing while the window is made or a deal is laid out.
  if (engine_ && engine_->Busy) {
    event->ignore();
    return;
  }
  closing_ = true;
  // Results put off while another program held durak.r's lock: one more bounded wait,
  // then written all the same, so no finished deal is lost.
  if (TChampionsDialog* chemp = championsDialog_.IfMade()) chemp->SavePendingAtExit();
  WriteSettingsFile();
  event->accept();
}

bool TMainWindow::WriteSettingsFile() {
  settings_.RBright = parts_.TablePanel->RBright();
  settings_.FColor = KeepWinColor(settings_.FColor, parts_.TablePanel->FColor());
  settings_.SColor = KeepWinColor(settings_.SColor, parts_.TablePanel->SColor());
  settings_.Color = KeepWinColor(settings_.Color, parts_.TablePanel->Color());
  GameIntoSettings();
  settings_.State = isMinimized() ? wsMinimized : isMaximized() ? wsMaximized : wsNormal;
  if (settings_.State == wsNormal) {
    settings_.Left = x();
    settings_.Top = y();
    settings_.Width = width();
    settings_.Height = height();
  }
  TProfileFile ini(QFile::encodeName(settingsFile_).toStdString());
  ini.Load();
  WriteSettings(ini, settings_);
  std::string error;
  if (ini.Save(&error)) return true;
  // The file's path, and under it what that means in the player's language (a full disk,
  // a read-only folder).
  ShowPlainMessage(this, QMessageBox::Warning, windowTitle(), QString::fromStdString(error),
                   texts_[kSettingsNotSavedText]);
  return false;
}

}  // namespace durak
