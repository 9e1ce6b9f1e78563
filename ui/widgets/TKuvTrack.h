// The track bar of the option dialogs: a plain slider with tick marks and no selection band.
#pragma once

#include <QSlider>

namespace durak {

class TKuvTrack : public QSlider {
  Q_OBJECT

 public:
  explicit TKuvTrack(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

  // Range, page step and tick spacing in one call, as the dialogs set them up.
  void Setup(int minimum, int maximum, int pageSize, int tickFrequency);
};

}  // namespace durak
