// How the report groups the fields: the input page's blocks (speeds, load and
// motor, screw, wheels, coupling, durations) and the output page's three
// groups (times, torques and powers, inertias), each a run in the field order.
#pragma once

#include <QString>

#include <optional>
#include <span>

#include "core/field.h"

namespace vorbento {

struct FieldGroup {
  const char* title;  // UTF-8
  Field first, last;  // inclusive, in the field order
};

std::span<const FieldGroup> input_groups();
std::span<const FieldGroup> output_groups();

// The motor rating a torque is to be compared with: M_mmax for the
// accelerating and braking torques at feed speed, M_m for the average.
std::optional<Field> compared_rating(Field torque);

}  // namespace vorbento
