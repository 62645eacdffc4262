// Moments of inertia of the rotating parts and their total at the motor shaft.
#pragma once

#include "calc/block.h"
#include "core/field_store.h"

namespace vorbento::inertias {

// Wheels and coupling as hollow cylinders (a bore of 0 is a solid part, all
// zeros an absent one).
void motor_wheel_block(FieldStore&, Trigger);  // jmk
void screw_wheel_block(FieldStore&, Trigger);  // jok
void coupling_block(FieldStore&, Trigger);     // jtk
void screw_block(FieldStore&, Trigger);        // jorso, a solid cylinder
// The moved mass referred to the screw, jtomeg = m (h / 2 pi)^2. The mass
// handler computes without a guard, with the mass at double precision; the
// lead handler only for a positive lead and mass.
void mass_block_for_mass(FieldStore&, Trigger);
void mass_block_for_lead(FieldStore&, Trigger);
// jossz: screw-side inertias over the ratio squared, plus the motor side.
void total_block(FieldStore&, Trigger);

// Marks the results of this unit whose initial texts its blocks reproduce
// from the initial inputs.
void follow_from_start(StartBasis& basis);

}  // namespace vorbento::inertias
