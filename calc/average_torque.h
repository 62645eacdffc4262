// The time-weighted (RMS) average torque of one motion cycle, to compare with
// the motor's rated torque.
#pragma once

#include "core/field_store.h"

namespace vorbento::average_torque {

// matlag = sqrt(sum(M^2 t) / tc) over accelerating, steady and braking phases
// of G1 and G0. Reads the cycle inputs tg0, tg1, tc from their texts and the
// torques and times from the working values (the G1 braking time from its
// text); nothing if the trigger's own text is empty.
void matlag_block(FieldStore&, Trigger);
// The same, after first reloading every quantity of the guard from its text
// (in the order the duration and cycle-time handlers use), so that an edit of
// tg1 or tc brings the average in line with the texts on screen.
void matlag_block_refresh_for_tg1(FieldStore&, Trigger);
void matlag_block_refresh_for_tc(FieldStore&, Trigger);

}  // namespace vorbento::average_torque
