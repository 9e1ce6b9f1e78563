#include "Slider.h"

#include <algorithm>

namespace durak {

TSlider::TSlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {
  setTickPosition(orientation == Qt::Horizontal ? QSlider::TicksBelow : QSlider::TicksRight);
}

void TSlider::Setup(int minimum, int maximum, int pageSize, int tickFrequency) {
  setRange(std::min(minimum, maximum), std::max(minimum, maximum));
  setPageStep(std::max(1, pageSize));
  setTickInterval(std::max(1, tickFrequency));
}

}  // namespace durak
