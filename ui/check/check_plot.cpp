#include "ui/check/check_plot.h"

#include <QPainter>

namespace vorbento {

CheckPlot::CheckPlot(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("check_plot"));
  setAccessibleName(plane_accessible_name());
  setAccessibleDescription(plane_description());
  setMinimumHeight(180);
}

void CheckPlot::set_data(PlaneData data) {
  data_ = std::move(data);
  has_data_ = true;
  update();
}

void CheckPlot::paintEvent(QPaintEvent*) {
  if (!has_data_) return;
  QPainter p(this);
  paint_plane(p, QRectF(rect()), data_, cycle_style(palette()));
}

}  // namespace vorbento
