#include "PasswordDialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QValidator>

#include "ChempFile.h"
#include "Mnemonics.h"
#include "PlainText.h"

namespace durak {

namespace {

// Lets into a name or password field only the characters the champions file can keep (it
// stores them in Windows-1251): anything else is dropped as it is typed or pasted, so a
// stored password always matches what was typed.
class TCp1251Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override {
    QString kept;
    int keptBeforeCursor = 0;
    const QList<uint> chars = input.toUcs4();
    int at = 0;  // position in input, in UTF-16 units
    for (uint c : chars) {
      const char32_t ch = c;
      const QString one = QString::fromUcs4(&ch, 1);
      if (Fits(one)) {
        kept += one;
        if (at < pos) keptBeforeCursor += static_cast<int>(one.size());
      }
      at += static_cast<int>(one.size());
    }
    if (kept.size() != input.size()) {
      input = kept;
      pos = keptBeforeCursor;
    }
    return Acceptable;
  }

 private:
  static bool Fits(const QString& one) {
    const std::string utf8 = one.toStdString();
    return Cp1251ToUtf8(Utf8ToCp1251(utf8)) == utf8;
  }
};

}  // namespace

TPasswordDialog::TPasswordDialog(QWidget* parent) : QDialog(parent) {
  setFixedSize(152, 198);
  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setGeometry(8, 8, 137, 153);
  NameCaption = new QLabel(this);
  PasswordCaption = new QLabel(this);
  RepeatCaption = new QLabel(this);
  NameEdit = new QLineEdit(this);
  PasswordEdit = new QLineEdit(this);
  RepeatEdit = new QLineEdit(this);
  QLabel* labels[] = {NameCaption, PasswordCaption, RepeatCaption};
  QLineEdit* edits[] = {NameEdit, PasswordEdit, RepeatEdit};
  for (int i = 0; i < 3; ++i) {
    MakePlain(labels[i]);
    labels[i]->setGeometry(16, 16 + 48 * i, 121, 16);
    edits[i]->setGeometry(16, 32 + 48 * i, 121, 21);
    // Each field is named by its caption, as a screen reader reads it.
    labels[i]->setBuddy(edits[i]);
  }
  auto* fileCharacters = new TCp1251Validator(this);
  for (QLineEdit* e : {NameEdit, PasswordEdit, RepeatEdit}) e->setValidator(fileCharacters);
  for (QLineEdit* e : {PasswordEdit, RepeatEdit}) {
    e->setEchoMode(QLineEdit::Password);
    e->setMaxLength(12);
  }
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  CancelButton->setGeometry(4, 169, 65, 25);
  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setGeometry(84, 169, 65, 25);
  OkButton->setDefault(true);
  const std::pair<QObject*, const char*> names[] = {
      {NameCaption, "Label1"}, {PasswordCaption, "Label2"}, {RepeatCaption, "Label3"},
      {NameEdit, "Edit1"},     {PasswordEdit, "MaskEdit1"}, {RepeatEdit, "MaskEdit2"},
      {OkButton, "Button1"},   {CancelButton, "Button2"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));
  connect(OkButton, &QPushButton::clicked, this, [this] { OkPressed(); });
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  ShowMessage = [this](const QString& text, bool error) {
    ShowPlainMessage(this, error ? QMessageBox::Critical : QMessageBox::Information, windowTitle(),
                     text);
  };
}

void TPasswordDialog::ApplyTexts(const TTextTable& t) {
  setWindowTitle(t[kPlayerCaptionText]);
  NameCaption->setText(t[kPlayerNameText]);
  PasswordCaption->setText(t[kPasswordText]);
  RepeatCaption->setText(t[kRepeatPasswordText]);
  OkButton->setText(t[kOkText]);
  CancelButton->setText(t[kCancelText]);
  Text200 = t[kWrongPasswordText];
  Text201 = t[kPasswordsDifferText];
  Text204 = t[kNameTakenText];
  Text205 = t[kNameEmptyText];
  GiveMnemonics(this);
}

QString TPasswordDialog::Name() const {
  return NameEdit->text();
}

QString TPasswordDialog::Password() const {
  return PasswordEdit->text();
}

void TPasswordDialog::showEvent(QShowEvent* event) {
  PrepareOnShow();
  QDialog::showEvent(event);
}

void TPasswordDialog::PrepareOnShow() {
  if (PassMode == 1) {
    NameEdit->setEnabled(true);
    RepeatCaption->setVisible(true);
    RepeatEdit->setVisible(true);
    NameEdit->clear();
    PasswordEdit->clear();
    RepeatEdit->clear();
    NameEdit->setFocus();
  } else {
    NameEdit->setEnabled(false);
    NameEdit->setText(CurName);
    RepeatCaption->setVisible(false);
    RepeatEdit->setVisible(false);
    PasswordEdit->clear();
    PasswordEdit->setFocus();
  }
}

void TPasswordDialog::OkPressed() {
  if (PassMode != 1) {
    if (PasswordEdit->text() == CurPass) {
      accept();
      return;
    }
    ShowMessage(Text200, true);
    PasswordEdit->clear();
    PasswordEdit->setFocus();
    return;
  }
  if (NameEdit->text().isEmpty()) {
    ShowMessage(Text205, false);
    NameEdit->setFocus();
    return;
  }
  if (NameExists && NameExists(NameEdit->text())) {
    ShowMessage(Text204, false);
    NameEdit->setFocus();
    PasswordEdit->clear();
    RepeatEdit->clear();
    return;
  }
  if (PasswordEdit->text() != RepeatEdit->text()) {
    ShowMessage(Text201, true);
    PasswordEdit->clear();
    RepeatEdit->clear();
    PasswordEdit->setFocus();
    return;
  }
  accept();
}

}  // namespace durak
