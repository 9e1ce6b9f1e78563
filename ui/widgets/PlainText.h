// Text that comes from a file, a pack or the player (names, speeches, captions, messages)
// is shown exactly as written. Qt guesses rich text from a leading tag, so a player called
// "<img src=...>" would make a label read that file and "<h1>" would turn into a heading;
// these helpers switch the guess off wherever such text is shown.
#pragma once

#include <QMessageBox>
#include <QString>

class QLabel;
class QWidget;

namespace durak {

// The label shows its text as plain text from now on.
QLabel* MakePlain(QLabel* label);

// A tool tip that shows the text as written (tool tips have no format switch of their own):
// the text itself, or, when Qt would take it for markup, the text escaped.
QString PlainToolTip(const QString& text);

// A modal message box whose text (and the details under it, when given) is plain; returns
// the button pressed.
QMessageBox::StandardButton ShowPlainMessage(QWidget* parent, QMessageBox::Icon icon,
                                             const QString& title, const QString& text,
                                             const QString& details = QString());

}  // namespace durak
