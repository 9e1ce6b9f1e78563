// The champions table: the players with their games, wins and rating, kept in durak.r.
// At start-up the user chooses (or creates) the player; after every deal it shows the
// standing; from the menu it can be looked at.
#pragma once

#include <QDialog>
#include <functional>

#include "ChempFile.h"
#include "TextTable.h"

class QFrame;
class QPushButton;
class QTableWidget;
class QTimer;

namespace durak {

class TPasswordDialog;

// Occasions on which the table is shown.
enum TChempMode : uint8_t { cmStartUp = 0, cmView = 1, cmAfterDeal = 2 };

// Where durak.r lives: beside the program, or, for an installed game (see RunsInstalled),
// in the user's data folder ~/.local/share/durak, taking over the table an earlier version
// kept in ~/.local/share/durak/durak, or else a copy of the file beside the program.
QString ChampionsFilePath();
// The same for a program in exeDir, whose table stays beside it (besideProgram: not installed
// and writable) or goes to a user's data folder dataDir.
QString ChampionsFilePathFor(const QString& exeDir, bool besideProgram, const QString& dataDir);

class TChampionsDialog : public QDialog {
  Q_OBJECT
 public:
  TChampionsDialog(TPasswordDialog* passForm, QWidget* parent = nullptr);
  // Puts the texts of the current language on the table's caption, buttons, column
  // headers and messages.
  void ApplyTexts(const TTextTable& t);

  uint8_t ChempMode = cmStartUp;
  TChempRec CurChemp;
  TChempTab ChempTab;
  QString ChempFile;
  // Column headers (texts 95, 97, 96, 98) and the message of text 206.
  QString Headers[4];
  QString Text206;
  // The message that results cannot be saved (text 210), followed by the file's path.
  QString CannotSaveText;
  // The messages that another program holds the file's lock (211) and that the file is
  // too large to be changed (212), followed by the file's path.
  QString BusyText, TooBigText;
  // How long another program's lock on durak.r is waited for before a change is put off.
  int LockWaitMillis = 3000;
  // Clears both score counters of the main window (after a reset).
  std::function<void()> ResetScores;
  // Shows a message; tests replace it.
  std::function<void(const QString&)> ShowMessage;

  void PrepareOnShow();
  void ShowTab();
  // The table as the file holds it now, with the changes that could not be saved yet.
  void ReadTab();
  // Writes the table again as the file holds it now, with any unsaved changes.
  void WriteTab();
  // Applies one change to the file as it is now (locked, reread, changed, written). When
  // the file cannot be written the change is kept in memory, shown in the table and tried
  // again with every later change; the player is told once.
  void Commit(const std::function<void(TChempTab&)>& change);
  // Writes the changes put off while the file was busy: tried again every few seconds
  // without waiting, and at the game's end after one more wait, then written all the same.
  bool HasPending() const { return !Pending.empty(); }
  void RetryPending();
  void SavePendingAtExit();
  bool NameExists(const QString& name) const;

  void NewPressed();
  void ResetPressed();
  void DeletePressed();
  void NextPressed();  // "Дальше"
  // After a deal: "Разбор раздачи" closes the table as "Дальше" does and asks for the
  // review of the deal.
  bool ReviewAsked = false;

  // The selected grid row as the table counts rows: 0 the header, 1.. the players.
  int SelectedRow() const;
  void SelectRow(int row);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The widgets, each with its member's name as its object name.
  QTableWidget* Grid;
  QPushButton *NewButton, *ResetButton, *DeleteButton, *CloseButton, *OkButton;
  QPushButton* ReviewButton;
  // Makes the name column wide enough for every name in the table, widening the dialog
  // beyond its drawn size when a name needs it; the buttons keep to the right edge.
  void FitNames();
  // Puts the dialog over the middle of the game window, wholly on the screen.
  void CentreOnWindow();
  // Runs the player dialog for a password check of the record; true on OK.
  bool CheckPassword(const TChempRec& rec);
  // Brings the current player's finished deals into the table: what the record gained
  // since it was last taken from the table is added to the row as it is stored now.
  void MergeCurChemp();
  // The current player's row as last taken from the table.
  void Synced();
  TPasswordDialog* PasswordDialog;
  QFrame* ButtonFrame;
  TChempRec SyncedChemp;
  // Changes that are not in the file yet, oldest first.
  std::vector<std::function<void(TChempTab&)>> Pending;
  bool CannotSaveShown = false;
  bool BusyShown = false;
  bool TooBigShown = false;
  // A write under way (the window keeps being served while a lock is waited for).
  bool Committing = false;
  QTimer* RetryTimer;
  // One try to write the pending changes; tells the player once per kind of trouble.
  void WritePending(int waitMillis, bool evenIfBusy, bool tell);
};

}  // namespace durak
