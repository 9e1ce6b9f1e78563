// The player dialog: a new player gives a name and a password, or a player proves the
// password of their row in the champions table.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

#include "TextTable.h"

namespace durak {

class TPasswordDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TPasswordDialog(QWidget* parent = nullptr);
  // Puts the texts of the current language on the dialog's captions and messages.
  void ApplyTexts(const TTextTable& t);

  // 1: a new player; any other value: check the password of the current player.
  int PassMode = 0;
  // The current player's name and password (for a check).
  QString CurName, CurPass;
  // Whether a name is already in the champions table, without regard to case.
  std::function<bool(const QString&)> NameExists;
  // Texts: 200 wrong password, 201 passwords differ, 204 name exists, 205 name empty.
  QString Text200, Text201, Text204, Text205;

  // Prepares the fields for the mode; called at every showing.
  void PrepareOnShow();
  void OkPressed();

  // The name and the password as typed.
  QString Name() const;
  QString Password() const;

  // Shows a message; tests replace it to answer without a window.
  std::function<void(const QString& text, bool error)> ShowMessage;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The widgets, each with its member's name as its object name.
  QLabel *NameCaption, *PasswordCaption, *RepeatCaption;
  QLineEdit *NameEdit, *PasswordEdit, *RepeatEdit;
  QPushButton *OkButton, *CancelButton;
};

}  // namespace durak
