// A plain panel that either shows its own picture at its top-left corner or leaves all its
// painting to OnCustomPaint.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>

namespace durak {

class TPicturePanel : public QWidget {
  Q_OBJECT

 public:
  explicit TPicturePanel(QWidget* parent = nullptr);

  QImage& Picture() { return FPicture; }
  bool DDrawPanel() const { return FDDrawPanel; }
  void SetDDrawPanel(bool on);

  // Paints the panel when DDrawPanel is off.
  std::function<void(TPicturePanel*, QPainter&)> OnCustomPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage FPicture;
  bool FDDrawPanel = true;
};

}  // namespace durak
