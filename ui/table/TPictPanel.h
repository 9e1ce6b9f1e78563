// A plain panel that either shows its own picture at its top-left corner or leaves all its
// painting to OnKuvPaint.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>

namespace durak {

class TPictPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TPictPanel(QWidget* parent = nullptr);

  QImage& Picture() { return FPicture; }
  bool DDrawPanel() const { return FDDrawPanel; }
  void SetDDrawPanel(bool on);

  // Paints the panel when DDrawPanel is off.
  std::function<void(TPictPanel*, QPainter&)> OnKuvPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage FPicture;
  bool FDDrawPanel = true;
};

}  // namespace durak
