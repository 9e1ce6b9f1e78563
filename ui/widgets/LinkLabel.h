// A text label that works as a link: while the pointer is over it the text takes HotColor,
// and it carries an address for its owner's click handler to open.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

namespace durak {

class TLinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TLinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

  QColor HotColor() const { return FHotColor; }
  // Takes effect at the next time the pointer enters.
  void SetHotColor(const QColor& c) { FHotColor = c; }
  QString Addres() const { return FAddres; }
  void SetAddres(const QString& a) { FAddres = a; }

  // The text colour shown now, and the one the label returns to when the pointer leaves.
  QColor FontColor() const;
  void SetFontColor(const QColor& c);
  bool Hot() const { return FHot; }

 signals:
  void Clicked(TLinkLabel* sender);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor FHotColor{255, 255, 0};
  QString FAddres;
  QColor FNormalColor;
  bool FHot = false;
};

}  // namespace durak
