// The speed–torque plane of the motor and screw check, painted on any
// QPainter: the check window's widget, the print preview, the printer and the
// PDF all call the one function below. Motor speed across, torque up; the six
// segments as the motor runs them (ramps at their torque from rest to speed,
// the steady points, braking back to rest at −M_l in the generating
// quadrant), the point (n_átlag, M_átlag) and the limits as lines: ±M_mmax and
// M_m across to n_max, n_max up. Under the plot, every marked quantity with
// its words, as the diagram says them.
#pragma once

#include <QRectF>
#include <QString>

#include "presentation/check/check_table.h"
#include "presentation/cycle/cycle_data.h"
#include "presentation/cycle/cycle_painter.h"

class QPainter;

namespace vorbento {

struct PlaneData {
  CycleData cycle;
  CheckTable check;
  std::optional<double> max_speed;  // n_max, when given and a number
};

PlaneData plane_data(const FieldStore& store, const CheckTexts& checks);
// The same picture and the same table: a keystroke that changed neither costs no repaint.
bool same_picture(const PlaneData& a, const PlaneData& b);

// What a screen reader says of the plane.
QString plane_accessible_name();
QString plane_description();

// Paints the plane into `target` and nowhere else, sized in points as the diagram.
void paint_plane(QPainter& painter, const QRectF& target, const PlaneData& data, const CycleStyle& style);

}  // namespace vorbento
