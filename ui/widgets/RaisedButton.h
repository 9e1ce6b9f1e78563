// The command button: a rounded face in the button colour, a 3-D rim only while the pointer
// is over it (sunk while pressed), and an embossed caption made of a back copy in BCol and a
// front copy in FCol.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPushButton>

namespace durak {

class TRaisedButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TRaisedButton(const QString& caption = QString(), QWidget* parent = nullptr);

  QColor FCol() const { return FFCol; }
  void SetFCol(const QColor& c);
  QColor BCol() const { return FBCol; }
  void SetBCol(const QColor& c);
  int Rad() const { return FRad; }
  void SetRad(int r);
  bool Hot() const { return FHot; }
  // The letter key that presses the button, underlined in the caption where it first
  // occurs (in either case); a null character for none.
  QChar KeyLetter() const { return FKeyLetter; }
  void SetKeyLetter(QChar letter);

  // Draws the button in the given state; paintEvent passes the live state.
  void DrawItem(QPainter& p, bool pressed, bool focused, bool enabled, bool hot) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QColor FFCol;
  QColor FBCol;
  int FRad = 1;
  bool FHot = false;
  QChar FKeyLetter;
};

}  // namespace durak
