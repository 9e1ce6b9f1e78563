#include "RulesWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "Mnemonics.h"

namespace durak {

QString RulesHtml(const QString& opening, const QList<QPair<QString, QString>>& sections) {
  QString html = QStringLiteral("<html><body>");
  if (!opening.isEmpty()) html += QStringLiteral("<p><i>%1</i></p>").arg(opening.toHtmlEscaped());
  for (const auto& [heading, paragraph] : sections) {
    html += QStringLiteral("<h3>%1</h3>").arg(heading.toHtmlEscaped());
    for (const QString& line : paragraph.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
      html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
  }
  return html + QStringLiteral("</body></html>");
}

TRulesWindow::TRulesWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("RulesForm"));
  setModal(false);
  resize(600, 560);
  auto* layout = new QVBoxLayout(this);
  Browser = new QTextBrowser(this);
  Browser->setOpenLinks(false);
  Browser->document()->setDocumentMargin(10);
  layout->addWidget(Browser);
  auto* row = new QHBoxLayout;
  row->addStretch();
  CloseBtn = new QPushButton(QStringLiteral("Закрыть"), this);
  CloseBtn->setDefault(true);
  row->addWidget(CloseBtn);
  layout->addLayout(row);
  Browser->setObjectName(QStringLiteral("Browser"));
  CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

void TRulesWindow::ApplyTexts(const TTextTable& t) {
  setWindowTitle(t[kRulesCaptionText]);
  if (!t[kRulesCloseText].isEmpty()) CloseBtn->setText(t[kRulesCloseText]);
  QList<QPair<QString, QString>> sections;
  for (int n = 1; n + 1 < kRulesTextCount; n += 2) {
    if (t[RulesText(n)].isEmpty()) break;  // the pages end at the first missing heading
    sections.append({t[RulesText(n)], t[RulesText(n + 1)]});
  }
  // Then the table of three and four.
  for (int n = 0; n + 1 < kTableRulesTextCount; n += 2) {
    if (t[TableRulesText(n)].isEmpty()) break;
    sections.append({t[TableRulesText(n)], t[TableRulesText(n + 1)]});
  }
  const QString html = RulesHtml(t[RulesText(0)], sections);
  // Switching the language keeps the reader where they were, as near as the new text allows.
  QScrollBar* bar = Browser->verticalScrollBar();
  const double at = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
  Browser->setHtml(html);
  bar->setValue(int(at * bar->maximum()));
  GiveMnemonics(this);
}

}  // namespace durak
