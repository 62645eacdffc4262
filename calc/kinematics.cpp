#include "calc/kinematics.h"

#include "calc/block.h"

namespace vorbento::kinematics {
namespace {
using enum Field;

// Time to reach the speed at the required acceleration; braking takes as long.
double accel_time_g1(Values v) { return v[vg1] / v[a]; }
double accel_time_g0(Values v) { return v[vg0] / v[a]; }

// The motor turns in proportion to the linear speed.
double motor_speed_g1(Values v) { return (v[vg1] / v[vg0]) * v[nmg0]; }

// Motor revolutions per screw revolution: (lead * motor speed) / (speed * 60).
double ratio(Values v) { return (v[h] * v[nmg0]) / (v[vg0] * 60.0); }

// Motor speed in 1/min: screw revolutions per second times the ratio times 60.
double motor_speed_g0(Values v) { return ((v[vg0] * 60.0) * v[i]) / v[h]; }

constexpr BlockDef kTgyg1{{a, vg1}, {vg1, a}, {vg1, a}, {}, accel_time_g1, tgyg1, {tgyg1, tlg1}, Format::fixed7};
constexpr BlockDef kTgyg0{{a, vg0}, {vg0, a}, {vg0, a}, {}, accel_time_g0, tgyg0, {tgyg0, tlg0}, Format::fixed7};
constexpr BlockDef kNmg1{{vg1, vg0, nmg0}, {vg1, vg0, nmg0}, {vg1, vg0, nmg0}, {}, motor_speed_g1, nmg1, {nmg1}, Format::fixed2};

// The ratio block also converts i's own text, which its formula does not use.
constexpr Fields kRatioUses{h, nmg0, vg0};
constexpr BlockDef kIShort{{nmg0, vg0, h}, {nmg0, vg0, i, h}, {vg0, h, nmg0}, {}, ratio, i, {i}, Format::short_form,
                           kRatioUses};
constexpr BlockDef kIFixed10{{nmg0, vg0, h}, {nmg0, vg0, i, h}, {vg0, h, nmg0}, {}, ratio, i, {i}, Format::fixed10,
                             kRatioUses};

// The motor-speed block does not convert nmg0's text: with a failed guard it
// writes back the working value as the last handler left it.
constexpr BlockDef kNmg0Short{{i, vg0, h}, {vg0, i, h}, {vg0, i, h}, {}, motor_speed_g0, nmg0, {nmg0}, Format::short_form};
constexpr BlockDef kNmg0Fixed10{{i, vg0, h}, {vg0, i, h}, {vg0, i, h}, {}, motor_speed_g0, nmg0, {nmg0}, Format::fixed10};

constexpr BlockDef kIFromValues{{}, {}, {vg0, h, nmg0}, {}, ratio, i, {i}, Format::short_form, kRatioUses};

}  // namespace

void follow_from_start(StartBasis& basis) {
  follows_from_start(basis, kTgyg1);
  follows_from_start(basis, kTgyg0);
}

void tgyg1_block(FieldStore& s, Trigger) { run_block(s, kTgyg1); }
void tgyg0_block(FieldStore& s, Trigger) { run_block(s, kTgyg0); }
void nmg1_block(FieldStore& s, Trigger) { run_block(s, kNmg1); }
void i_block_short(FieldStore& s, Trigger) { run_block(s, kIShort); }
void i_block_fixed10(FieldStore& s, Trigger) { run_block(s, kIFixed10); }
void nmg0_block_short(FieldStore& s, Trigger) { run_block(s, kNmg0Short); }
void nmg0_block_fixed10(FieldStore& s, Trigger) { run_block(s, kNmg0Fixed10); }
void i_from_working_values(FieldStore& s, Trigger) { run_block(s, kIFromValues); }

}  // namespace vorbento::kinematics
