// Sets rows of formulas into a fixed-size picture, each row on its own line.
#pragma once

#include "presentation/formula/formula_layout.h"

#include <QImage>
#include <QSize>
#include <QStringView>

#include <span>

namespace vorbento::formula {

// Where one row goes: the height of its axis (the line through its fraction
// bars and "=" signs) and the x at which its last item ends, so that rows
// sharing `right` end in one column.
struct RowPlacement {
  QStringView markup;
  qreal axis_y = 0;
  qreal right = 0;
};

// Black anti-aliased formulas on white, in an RGB32 image of exactly `size`
// device-independent pixels, `pixel_ratio` device pixels to each: a high-DPI
// screen gets the outlines set at its own resolution, not an enlarged picture.
// Throws std::invalid_argument when a row's markup is malformed.
QImage typeset_rows(QSize size, const FormulaStyle& style, std::span<const RowPlacement> rows, qreal pixel_ratio = 1.0);

}  // namespace vorbento::formula
