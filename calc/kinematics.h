// Speeds, ratio and acceleration times: the kinematics of the axis.
#pragma once

#include "calc/block.h"
#include "core/field_store.h"

namespace vorbento::kinematics {

void tgyg1_block(FieldStore&, Trigger);  // tgyg1 = tlg1 = vg1 / a
void tgyg0_block(FieldStore&, Trigger);  // tgyg0 = tlg0 = vg0 / a
void nmg1_block(FieldStore&, Trigger);   // motor speed at G1 from the one at G0
// The ratio from the motor speed at G0, written in short form or with ten
// decimals; with a failed guard it writes back the value of i's own text.
void i_block_short(FieldStore&, Trigger);
void i_block_fixed10(FieldStore&, Trigger);
// The motor speed at G0 from the ratio.
void nmg0_block_short(FieldStore&, Trigger);
void nmg0_block_fixed10(FieldStore&, Trigger);
// The ratio from the working values the earlier steps of the vg0 handler
// converted, without reading any text.
void i_from_working_values(FieldStore&, Trigger);

// Marks the results of this unit whose initial texts its blocks reproduce
// from the initial inputs.
void follow_from_start(StartBasis& basis);

}  // namespace vorbento::kinematics
