// The rules window (Help > Rules): the rules of both variants as this game plays them,
// in the current language. It is not modal, so the rules can stay open beside the table.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;
class QPushButton;

namespace durak {

class TRulesForm : public QDialog {
  Q_OBJECT

 public:
  explicit TRulesForm(QWidget* parent = nullptr);

  // texts[n] is text n of the current language (count of them given); the window takes
  // its caption, its button and its pages from them.
  void ApplyTexts(const QString* texts, int count);
  // The rules as the window shows them, in HTML.
  QString Html() const { return FHtml; }

  QTextBrowser* Browser;
  QPushButton* CloseBtn;

 private:
  QString FHtml;
};

// The rules page built from the opening line and the heading/paragraph pairs; a line
// break inside a paragraph starts a new line.
QString RulesHtml(const QString& opening, const QList<QPair<QString, QString>>& sections);

}  // namespace durak
