// The diagram's table on screen: the same rows the report prints, each
// marked cell on its mark's tint with the mark's words as its tooltip, the
// symbols written with their subscripts as the plot writes them.
#pragma once

#include <QTableWidget>

#include "presentation/cycle/cycle_data.h"

namespace vorbento {

class CycleTableView : public QTableWidget {
 public:
  explicit CycleTableView(QWidget* parent = nullptr);
  // Rewrites only the cells whose text or mark changed.
  void show_data(const CycleData& data);
};

}  // namespace vorbento
