#include "ui/check/check_plot.h"

#include <QEvent>
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
  // Not at every keystroke: asking for the typeface's family goes to fontconfig.
  if (!style_) style_ = cycle_style(palette());
  paint_plane(p, QRectF(rect()), data_, *style_);
}

void CheckPlot::changeEvent(QEvent* event) {
  // A new desktop palette (light to dark) gives new colours.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) style_.reset();
  QWidget::changeEvent(event);
}

}  // namespace vorbento
