// The motion-cycle diagram, painted on any QPainter: the window's widget, the
// print preview, the printer and the PDF all call the one function below.
// Motor speed above, motor torque below, on one time axis; the motor's peak
// and rated torque and the cycle's average as lines across the torque plot;
// the cycle time marked; under the plot, every marked quantity with its words.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRectF>

#include <vector>

#include "presentation/cycle/cycle_data.h"
#include "presentation/plot/plot_parts.h"

class QPainter;

namespace vorbento {

// The shared plot colours and the cycle's own curves and limits.
struct CycleStyle : PlotStyle {
  QColor speed, torque, torque_fill;
  QColor peak, rated, average;
};

// The window's diagram in the desktop's colours, light or dark.
CycleStyle cycle_style(const QPalette& palette);
// On paper: dark ink on white whatever the desktop.
CycleStyle printed_cycle_style();

// How a quantity's mark shows on the plot.
PlotMark plot_mark(const CycleQuantity& quantity);
// "symbol = value" in `ink`, marked as the quantity is.
PlotLabel label_of(const CycleQuantity& quantity, const QString& value, const QColor& ink);
// The motor's limits across a torque plot: M_mmax, −M_mmax (solid) and M_m (dashed).
std::vector<LimitLine> motor_limits(const CycleData& data, const CycleStyle& style);

// Paints the diagram into `target` (the painter's own coordinates) and
// nowhere else. Lengths are in points and millimetres, converted with the
// device's logical resolution and the painter's scale, so a widget, a
// preview and a 1200-dpi PDF show the same picture.
void paint_cycle(QPainter& painter, const QRectF& target, const CycleData& data, const CycleStyle& style);

// The least height of a target `width` wide in which the diagram is drawn
// whole at `zoom` of its natural size: every label apart, two labelled ticks
// on each value axis, every note. A lower target draws it smaller still.
qreal cycle_least_height(QPainter& painter, qreal width, const CycleData& data, const CycleStyle& style,
                         double zoom = 1);

}  // namespace vorbento
