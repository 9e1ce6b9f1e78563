// The track bar of the option dialogs: a plain slider with tick marks and no selection band.
#pragma once

#include <QSlider>

namespace durak {

class TSlider : public QSlider {
  Q_OBJECT

 public:
  explicit TSlider(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

  // Range, page step and tick spacing in one call, as the dialogs set them up.
  void Setup(int minimum, int maximum, int pageSize, int tickFrequency);
};

}  // namespace durak
