// The speed–torque plane on screen, in the desktop's colours, painted by the
// same function as the report's.
#pragma once

#include <QWidget>

#include <optional>

#include "presentation/check/check_plane.h"

namespace vorbento {

class CheckPlot : public QWidget {
 public:
  explicit CheckPlot(QWidget* parent = nullptr);
  void set_data(PlaneData data);
  bool has_data() const { return has_data_; }
  const PlaneData& data() const { return data_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  PlaneData data_;
  bool has_data_ = false;
  std::optional<CycleStyle> style_;  // the palette's colours, worked out at the first paint
};

}  // namespace vorbento
