// The diagram as a table, for the reader who wants the figures and for
// assistive technology: one row per segment, then the motor's ratings, the
// cycle's average torque and the cycle time. Every figure is a field's text
// exactly as shown.
#pragma once

#include <QString>

#include <array>
#include <vector>

#include "presentation/cycle/cycle_data.h"

namespace vorbento {

struct CycleCell {
  QString text;
  QString words;  // the mark's words of the quantity in the cell
  bool stale = false;
};

struct CycleRow {
  QString name;
  std::array<CycleCell, 3> cells;  // duration, motor speed, motor torque
};

const std::array<QString, 4>& cycle_column_titles();
std::vector<CycleRow> cycle_rows(const CycleData& data);

}  // namespace vorbento
