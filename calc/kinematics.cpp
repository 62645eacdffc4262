#include "calc/kinematics.h"

#include "calc/block.h"
#include "calc/speed_formulas.h"

namespace vorbento::kinematics {
namespace {
using enum Field;

// Time to reach the speed at the required acceleration; braking takes as long.
double accel_time_g1(Values v) { return v[vg1] / v[a]; }
double accel_time_g0(Values v) { return v[vg0] / v[a]; }

double motor_speed_g1(Values v) { return speed_formulas::motor_speed_g1(v[vg1], v[vg0], v[nmg0]); }
double ratio(Values v) { return speed_formulas::ratio(v[nmg0], v[h], v[vg0]); }
double motor_speed_g0(Values v) { return speed_formulas::motor_speed_g0(v[vg0], v[i], v[h]); }

// Both times come from one computation: braking takes as long as accelerating.
constexpr BlockDef kTgyg1{.check = {a, vg1},
                          .read = {vg1, a},
                          .positive = {vg1, a},
                          .formula = accel_time_g1,
                          .result = tgyg1,
                          .writes = {tgyg1, tlg1},
                          .format = Format::fixed7};
constexpr BlockDef kTgyg0{.check = {a, vg0},
                          .read = {vg0, a},
                          .positive = {vg0, a},
                          .formula = accel_time_g0,
                          .result = tgyg0,
                          .writes = {tgyg0, tlg0},
                          .format = Format::fixed7};
constexpr BlockDef kNmg1{.check = {vg1, vg0, nmg0},
                         .read = {vg1, vg0, nmg0},
                         .positive = {vg1, vg0, nmg0},
                         .formula = motor_speed_g1,
                         .result = nmg1,
                         .writes = {nmg1},
                         .format = Format::fixed2};

// The ratio block also converts i's own text, which its formula does not use.
// Its instances differ only in how they write the ratio.
constexpr Fields kRatioUses{h, nmg0, vg0};
constexpr BlockDef ratio_block(Format format) {
  return {.check = {nmg0, vg0, h},
          .read = {nmg0, vg0, i, h},
          .positive = {vg0, h, nmg0},
          .formula = ratio,
          .result = i,
          .writes = {i},
          .format = format,
          .uses = kRatioUses};
}

// The motor-speed block does not convert nmg0's text: with a failed guard it
// writes back the working value as the last handler left it. Its instances
// differ only in how they write the speed.
constexpr BlockDef motor_speed_block(Format format) {
  return {.check = {i, vg0, h},
          .read = {vg0, i, h},
          .positive = {vg0, i, h},
          .formula = motor_speed_g0,
          .result = nmg0,
          .writes = {nmg0},
          .format = format};
}

constexpr BlockDef kIShort = ratio_block(Format::short_form);
constexpr BlockDef kIFixed10 = ratio_block(Format::fixed10);
constexpr BlockDef kNmg0Short = motor_speed_block(Format::short_form);
constexpr BlockDef kNmg0Fixed10 = motor_speed_block(Format::fixed10);

// From the working values as the rapid-speed handler's blocks left them:
// no text checked, none converted.
constexpr BlockDef kIFromValues{.positive = {vg0, h, nmg0},
                                .formula = ratio,
                                .result = i,
                                .writes = {i},
                                .format = Format::short_form,
                                .uses = kRatioUses};

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
