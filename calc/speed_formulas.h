// The three formulas that tie the motor speeds to the ratio, in the operand
// order the blocks compute them: the blocks run them over the working values,
// the check of an own text over the texts shown.
#pragma once

namespace vorbento::speed_formulas {

// The motor turns in proportion to the linear speed.
inline double motor_speed_g1(double vg1, double vg0, double nmg0) { return (vg1 / vg0) * nmg0; }

// Motor revolutions per screw revolution: (lead * motor speed) / (speed * 60).
inline double ratio(double nmg0, double h, double vg0) { return (h * nmg0) / (vg0 * 60.0); }

// Motor speed in 1/min: screw revolutions per second times the ratio times 60.
inline double motor_speed_g0(double vg0, double i, double h) { return ((vg0 * 60.0) * i) / h; }

}  // namespace vorbento::speed_formulas
