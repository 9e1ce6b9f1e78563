#include "TPassForm.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace durak {

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
    labels[i]->setGeometry(16, 16 + 48 * i, 121, 16);
    edits[i]->setGeometry(16, 32 + 48 * i, 121, 21);
  }
  for (QLineEdit* e : {MaskEdit1, MaskEdit2}) {
    e->setEchoMode(QLineEdit::Password);
    e->setMaxLength(12);
  }
  Button2 = new QPushButton(QStringLiteral("Cancel"), this);
  Button2->setGeometry(4, 169, 65, 25);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setGeometry(84, 169, 65, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  ShowMessage = [this](const QString& text, bool error) {
    if (error)
      QMessageBox::critical(this, windowTitle(), text);
    else
      QMessageBox::information(this, windowTitle(), text);
  };
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
