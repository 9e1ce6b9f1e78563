#include "ModalDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

#include "ChampionsDialog.h"
#include "PasswordDialog.h"
#include "WidgetPart.h"

namespace durak::testing {

TModalDriver::TModalDriver() {
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  timer_.start(20);
}

void TModalDriver::Tick() {
  QWidget* top = QApplication::activeModalWidget();
  if (!top || pending_) return;
  // The answer runs from the event loop, not from this tick: it may open another modal
  // dialog, and a timer does not fire again while its own tick is running.
  pending_ = true;
  QTimer::singleShot(0, this, [this, top] {
    pending_ = false;
    if (QApplication::activeModalWidget() == top) Answer(top);
  });
}

void TModalDriver::Answer(QWidget* top) {
  if (auto* box = qobject_cast<QMessageBox*>(top)) {
    Messages << box->text();
    if (box->textFormat() != Qt::PlainText) ++RichMessages;
    box->accept();
  } else if (auto* pass = qobject_cast<TPasswordDialog*>(top)) {
    if (pass->PassMode == 1) Part<QLineEdit>(*pass, "Edit1")->setText(NewName);
    Part<QLineEdit>(*pass, "MaskEdit1")->setText(Password);
    Part<QLineEdit>(*pass, "MaskEdit2")->setText(Password);
    pass->OkPressed();
  } else if (auto* chemp = qobject_cast<TChampionsDialog*>(top)) {
    ++ChampionsShown;
    if (chemp->ChempMode == cmStartUp && chemp->ChempTab.empty())
      chemp->NewPressed();
    else
      chemp->NextPressed();
  }
}

}  // namespace durak::testing
