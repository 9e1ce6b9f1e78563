// A label for a name that may be longer than its room: it shows the name whole when it
// fits, else its beginning followed by "…". Its text stays the whole name.
#pragma once

#include <QLabel>

namespace durak {

class TNameLabel : public QLabel {
 public:
  explicit TNameLabel(const QString& text = QString(), QWidget* parent = nullptr);

  // The text as drawn at the label's present width.
  QString ShownText() const;
  bool Elided() const { return ShownText() != text(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace durak
