#include "TPassForm.h"

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

TPassForm::TPassForm(QWidget* parent) : QDialog(parent) {
  setFixedSize(152, 198);
  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setGeometry(8, 8, 137, 153);
  Label1 = new QLabel(this);
  Label2 = new QLabel(this);
  Label3 = new QLabel(this);
  Edit1 = new QLineEdit(this);
  MaskEdit1 = new QLineEdit(this);
  MaskEdit2 = new QLineEdit(this);
  QLabel* labels[] = {Label1, Label2, Label3};
  QLineEdit* edits[] = {Edit1, MaskEdit1, MaskEdit2};
  for (int i = 0; i < 3; ++i) {
    MakePlain(labels[i]);
    labels[i]->setGeometry(16, 16 + 48 * i, 121, 16);
    edits[i]->setGeometry(16, 32 + 48 * i, 121, 21);
    // Each field is named by its caption, as a screen reader reads it.
    labels[i]->setBuddy(edits[i]);
  }
  auto* fileCharacters = new TCp1251Validator(this);
  for (QLineEdit* e : {Edit1, MaskEdit1, MaskEdit2}) e->setValidator(fileCharacters);
  for (QLineEdit* e : {MaskEdit1, MaskEdit2}) {
    e->setEchoMode(QLineEdit::Password);
    e->setMaxLength(12);
  }
  Button2 = new QPushButton(QStringLiteral("Cancel"), this);
  Button2->setGeometry(4, 169, 65, 25);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setGeometry(84, 169, 65, 25);
  Button1->setDefault(true);
  const std::pair<QObject*, const char*> names[] = {
      {Label1, "Label1"},   {Label2, "Label2"},       {Label3, "Label3"},
      {Edit1, "Edit1"},     {MaskEdit1, "MaskEdit1"}, {MaskEdit2, "MaskEdit2"},
      {Button1, "Button1"}, {Button2, "Button2"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  ShowMessage = [this](const QString& text, bool error) {
    ShowPlainMessage(this, error ? QMessageBox::Critical : QMessageBox::Information, windowTitle(),
                     text);
  };
}

void TPassForm::ApplyTexts(const TTextTable& t) {
  setWindowTitle(t[kPlayerCaptionText]);
  Label1->setText(t[kPlayerNameText]);
  Label2->setText(t[kPasswordText]);
  Label3->setText(t[kRepeatPasswordText]);
  Button1->setText(t[kOkText]);
  Button2->setText(t[kCancelText]);
  Text200 = t[kWrongPasswordText];
  Text201 = t[kPasswordsDifferText];
  Text204 = t[kNameTakenText];
  Text205 = t[kNameEmptyText];
  GiveMnemonics(this);
}

QString TPassForm::Name() const {
  return Edit1->text();
}

QString TPassForm::Password() const {
  return MaskEdit1->text();
}

void TPassForm::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TPassForm::FormActivate() {
  if (PassMode == 1) {
    Edit1->setEnabled(true);
    Label3->setVisible(true);
    MaskEdit2->setVisible(true);
    Edit1->clear();
    MaskEdit1->clear();
    MaskEdit2->clear();
    Edit1->setFocus();
  } else {
    Edit1->setEnabled(false);
    Edit1->setText(CurName);
    Label3->setVisible(false);
    MaskEdit2->setVisible(false);
    MaskEdit1->clear();
    MaskEdit1->setFocus();
  }
}

void TPassForm::Button1Click() {
  if (PassMode != 1) {
    if (MaskEdit1->text() == CurPass) {
      accept();
      return;
    }
    ShowMessage(Text200, true);
    MaskEdit1->clear();
    MaskEdit1->setFocus();
    return;
  }
  if (Edit1->text().isEmpty()) {
    ShowMessage(Text205, false);
    Edit1->setFocus();
    return;
  }
  if (NameExists && NameExists(Edit1->text())) {
    ShowMessage(Text204, false);
    Edit1->setFocus();
    MaskEdit1->clear();
    MaskEdit2->clear();
    return;
  }
  if (MaskEdit1->text() != MaskEdit2->text()) {
    ShowMessage(Text201, true);
    MaskEdit1->clear();
    MaskEdit2->clear();
    MaskEdit1->setFocus();
    return;
  }
  accept();
}

}  // namespace durak
