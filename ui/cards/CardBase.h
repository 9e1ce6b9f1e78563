// The base of the card control: a child widget that shows one picture, at its natural size
// or stretched to the card's bounds, and nothing else.
#pragma once

#include <QImage>
#include <QWidget>

namespace durak {

class TCardBase : public QWidget {
  Q_OBJECT

 public:
  explicit TCardBase(QWidget* parent = nullptr);

  const QImage& Picture() const { return FPicture; }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool on);

 protected:
  // Replaces the shown picture (a shallow copy; the card never paints into a shared one).
  void SetPicture(const QImage& picture);
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

  QImage FPicture;
  bool FStretch = false;

 private:
  // The card is opaque while its picture covers it; otherwise the table shows through.
  void UpdateOpacity();
};

}  // namespace durak
