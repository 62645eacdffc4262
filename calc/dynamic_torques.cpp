#include "calc/dynamic_torques.h"

#include "calc/block.h"

namespace vorbento::dynamic_torques {
namespace {
using enum Field;

// The torque that changes the motor speed n (1/min) within time t.
double inertia_torque(double j, double n, double t) {
  const double num = (j * n) * kTwoPi;
  const double den = t * 60.0;
  return num / den;
}

double power(double n, double j, double t) {
  const double w = (n * kTwoPi) / 60.0;
  return (w * w) * (j / t);
}

double accel_g0(Values v) { return inertia_torque(v[jossz], v[nmg0], v[tgyg0]) + v[meg0]; }
double accel_g1(Values v) { return inertia_torque(v[jossz], v[nmg1], v[tgyg1]) + v[meg1]; }
double brake_g0(Values v) { return inertia_torque(v[jossz], v[nmg0], v[tlg0]) - v[meg0]; }
double brake_g1(Values v) { return inertia_torque(v[jossz], v[nmg1], v[tlg1]) - v[meg1]; }
double power_g0(Values v) { return power(v[nmg0], v[jossz], v[tgyg0]); }
double power_g1(Values v) { return power(v[nmg1], v[jossz], v[tgyg1]); }

// Each torque block checks, converts and guards the inertia, the motor speed,
// the load torque and the time of its phase.
constexpr Fields kAccelG0{jossz, nmg0, meg0, tgyg0};
constexpr Fields kAccelG1{jossz, nmg1, meg1, tgyg1};
constexpr Fields kBrakeG0{jossz, nmg0, meg0, tlg0};
constexpr Fields kBrakeG1{jossz, nmg1, meg1, tlg1};
constexpr Fields kPowerG0{nmg0, jossz, tgyg0};
constexpr Fields kPowerG1{nmg1, jossz, tgyg1};

// The accelerating torque at G0 under a guard: all it reads, or (when the
// acceleration time changes) only the load torque and the time.
constexpr BlockDef accel_g0_block(Fields guard) {
  return {.check = kAccelG0,
          .read = kAccelG0,
          .positive = guard,
          .formula = accel_g0,
          .result = mgyg0,
          .writes = {mgyg0},
          .format = Format::fixed8};
}
constexpr BlockDef kMgyg0 = accel_g0_block(kAccelG0);
constexpr BlockDef kMgyg0TimeOnly = accel_g0_block({meg0, tgyg0});
constexpr BlockDef kMgyg1{.check = kAccelG1,
                          .read = kAccelG1,
                          .positive = kAccelG1,
                          .formula = accel_g1,
                          .result = mgyg1,
                          .writes = {mgyg1},
                          .format = Format::fixed8};
constexpr BlockDef kMlg0{.check = kBrakeG0,
                         .read = kBrakeG0,
                         .positive = kBrakeG0,
                         .formula = brake_g0,
                         .result = mlg0,
                         .writes = {mlg0},
                         .format = Format::fixed8};
// The braking torque at G1 under a guard: all it reads, or (when the total
// inertia changes) all but the inertia.
constexpr BlockDef brake_g1_block(Fields guard) {
  return {.check = kBrakeG1,
          .read = kBrakeG1,
          .positive = guard,
          .formula = brake_g1,
          .result = mlg1,
          .writes = {mlg1},
          .format = Format::fixed8};
}
constexpr BlockDef kMlg1 = brake_g1_block(kBrakeG1);
constexpr BlockDef kMlg1WithoutInertia = brake_g1_block({meg1, tlg1, nmg1});
constexpr BlockDef kPgylg0{.check = kPowerG0,
                           .read = kPowerG0,
                           .positive = kPowerG0,
                           .formula = power_g0,
                           .result = pgylg0,
                           .writes = {pgylg0},
                           .format = Format::fixed8};
constexpr BlockDef kPgylg1{.check = kPowerG1,
                           .read = kPowerG1,
                           .positive = kPowerG1,
                           .formula = power_g1,
                           .result = pgylg1,
                           .writes = {pgylg1},
                           .format = Format::fixed8};

}  // namespace

void follow_from_start(StartBasis& basis) {
  // The accelerating torque at G1 was never recomputed for the initial inputs.
  for (const BlockDef* b : {&kMgyg0, &kMlg0, &kMlg1, &kPgylg0, &kPgylg1}) follows_from_start(basis, *b);
}

void mgyg0_block(FieldStore& s, Trigger) { run_block(s, kMgyg0); }
void mgyg1_block(FieldStore& s, Trigger) { run_block(s, kMgyg1); }
void mlg0_block(FieldStore& s, Trigger) { run_block(s, kMlg0); }
void mlg1_block(FieldStore& s, Trigger) { run_block(s, kMlg1); }
void pgylg0_block(FieldStore& s, Trigger) { run_block(s, kPgylg0); }
void pgylg1_block(FieldStore& s, Trigger) { run_block(s, kPgylg1); }
void mgyg0_block_time_only(FieldStore& s, Trigger) { run_block(s, kMgyg0TimeOnly); }
void mlg1_block_without_inertia(FieldStore& s, Trigger) { run_block(s, kMlg1WithoutInertia); }

}  // namespace vorbento::dynamic_torques
