// Torques and powers to accelerate the total inertia to a speed and to brake
// it to standstill.
#pragma once

#include "calc/block.h"
#include "core/field_store.h"

namespace vorbento::dynamic_torques {

// Accelerating torque J w / t + Me, braking torque J w / t - Me, power
// w^2 J / t, with w = 6.28 n / 60 and t the acceleration (braking) time.
void mgyg0_block(FieldStore&, Trigger);
void mgyg1_block(FieldStore&, Trigger);
void mlg0_block(FieldStore&, Trigger);
void mlg1_block(FieldStore&, Trigger);
void pgylg0_block(FieldStore&, Trigger);
void pgylg1_block(FieldStore&, Trigger);
// Instances with a reduced guard: after a new acceleration time the G0
// torque is recomputed even without inertia or speed (it is then the load
// torque alone); after a new total inertia the G1 braking torque is
// recomputed even without inertia (it is then minus the load torque).
void mgyg0_block_time_only(FieldStore&, Trigger);
void mlg1_block_without_inertia(FieldStore&, Trigger);

// Marks the results of this unit whose initial texts its blocks reproduce
// from the initial inputs.
void follow_from_start(StartBasis& basis);

}  // namespace vorbento::dynamic_torques
