#include "Mnemonics.h"

#include <QAbstractButton>
#include <QSet>
#include <QWidget>

namespace durak {

namespace {

// The letter a caption's mark is on, or a null character.
QChar MarkedLetter(const QString& caption) {
  for (int i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return caption[i + 1].toLower();
    ++i;  // "&&" is an ampersand shown
  }
  return {};
}

}  // namespace

void GiveMnemonics(QWidget* dialog) {
  // Only Qt's own buttons draw the mark as an underline; the game's drawn buttons keep
  // their captions as they are.
  QList<QAbstractButton*> buttons;
  for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
    const QByteArray kind = b->metaObject()->className();
    if (kind == "QPushButton" || kind == "QCheckBox" || kind == "QRadioButton") buttons << b;
  }
  QSet<QChar> taken;
  for (QAbstractButton* b : buttons) {
    const QChar marked = MarkedLetter(b->text());
    if (!marked.isNull()) taken.insert(marked);
  }
  for (QAbstractButton* b : buttons) {
    const QString caption = b->text();
    if (caption.isEmpty() || !MarkedLetter(caption).isNull()) continue;
    for (int i = 0; i < caption.size(); ++i) {
      const QChar c = caption[i].toLower();
      if (!c.isLetter() || taken.contains(c)) continue;
      taken.insert(c);
      QString marked = caption;
      marked.replace(QStringLiteral("&"), QStringLiteral("&&"));
      // The ampersands doubled before the letter move it on by as many places.
      const int shift = static_cast<int>(caption.left(i).count(u'&'));
      marked.insert(i + shift, u'&');
      b->setText(marked);
      break;
    }
  }
}

QString WithoutMnemonic(QString caption) {
  QString plain;
  plain.reserve(caption.size());
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

}  // namespace durak
