// The rules window (Help > Rules): the rules of both variants as this game plays them,
// in the current language. It is not modal, so the rules can stay open beside the table.
#pragma once

#include <QDialog>
#include <QString>

#include "TextTable.h"

class QTextBrowser;
class QPushButton;

namespace durak {

class TRulesWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TRulesWindow(QWidget* parent = nullptr);

  // Takes the window's caption, its button and its pages from the texts of the current
  // language.
  void ApplyTexts(const TTextTable& t);

 private:
  // The widgets, each with its member's name as its object name.
  QTextBrowser* Browser;
  QPushButton* CloseBtn;
};

// The rules page built from the opening line and the heading/paragraph pairs; a line
// break inside a paragraph starts a new line.
QString RulesHtml(const QString& opening, const QList<QPair<QString, QString>>& sections);

}  // namespace durak
