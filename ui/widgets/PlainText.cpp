#include "PlainText.h"

#include <QLabel>
#include <QTextDocument>

namespace durak {

QLabel* MakePlain(QLabel* label) {
  label->setTextFormat(Qt::PlainText);
  return label;
}

QString PlainToolTip(const QString& text) {
  // Text that Qt would not take for markup shows as it is; only text it would is escaped.
  if (!Qt::mightBeRichText(text)) return text;
  return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

QMessageBox::StandardButton ShowPlainMessage(QWidget* parent, QMessageBox::Icon icon,
                                             const QString& title, const QString& text,
                                             const QString& details) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  if (!details.isEmpty()) {
    box.setInformativeText(details);
    // The box has no format switch of its own for the details.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
      label->setTextFormat(Qt::PlainText);
  }
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace durak
