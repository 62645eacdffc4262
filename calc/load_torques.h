// Load torques at constant speed and the steady-speed motor powers.
#pragma once

#include "calc/block.h"
#include "core/field_store.h"

namespace vorbento::load_torques {

// Guideway friction (mu g m) plus machining force F, through lead, efficiency
// and ratio to the motor shaft. A force of 0 is a valid feed without cutting.
void meg1_block(FieldStore&, Trigger);
// The same without the machining force (rapid motion); F is still read.
void meg0_block(FieldStore&, Trigger);
// Load torque times the motor's angular speed, from the texts as shown.
void peg1_block(FieldStore&, Trigger);
void peg0_block(FieldStore&, Trigger);

// Marks the results of this unit whose initial texts its blocks reproduce
// from the initial inputs.
void follow_from_start(StartBasis& basis);

}  // namespace vorbento::load_torques
