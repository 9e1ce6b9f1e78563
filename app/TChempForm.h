// The champions table: the players with their games, wins and rating, kept in durak.r.
// At start-up the user chooses (or creates) the player; after every deal it shows the
// standing; from the menu it can be looked at.
#pragma once

#include <QDialog>
#include <functional>

#include "ChempFile.h"

class QPushButton;
class QTableWidget;

namespace durak {

class TPassForm;

// Occasions on which the table is shown.
enum TChempMode : uint8_t { cmStartUp = 0, cmView = 1, cmAfterDeal = 2 };

// Where durak.r lives: beside the program, or, when that folder cannot be written (an
// installed program), in the user's data folder, taking over a copy of the file beside the
// program the first time.
QString ChampionsFilePath();

class TChempForm : public QDialog {
  Q_OBJECT
 public:
  TChempForm(TPassForm* passForm, QWidget* parent = nullptr);

  uint8_t ChempMode = cmStartUp;
  TChempRec CurChemp;
  TChempTab ChempTab;
  QString ChempFile;
  // Column headers (texts 95, 97, 96, 98) and the message of text 206.
  QString Headers[4];
  QString Text206;
  // Clears both score counters of the main window (after a reset).
  std::function<void()> ResetScores;
  // Shows a message; tests replace it.
  std::function<void(const QString&)> ShowMessage;

  void FormActivate();
  void ShowTab();
  void ReadTab();
  void WriteTab();
  bool NameExists(const QString& name) const;

  void BNewClick();
  void BResetClick();
  void BDeleteClick();
  void Button1Click();  // "Дальше"

  // The selected grid row as the table counts rows: 0 the header, 1.. the players.
  int SelectedRow() const;
  void SelectRow(int row);

  QTableWidget* StringGrid1;
  QPushButton *BNew, *BReset, *BDelete, *BClose, *BOK;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Runs the player dialog for a password check of the record; true on OK.
  bool CheckPassword(const TChempRec& rec);
  TPassForm* PassForm;
  // The file exists but could not be read: never overwrite it with a table we do not know.
  bool FileUnreadable = false;
};

}  // namespace durak
