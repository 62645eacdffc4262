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

constexpr BlockDef kMgyg0{{jossz, nmg0, meg0, tgyg0}, {jossz, nmg0, meg0, tgyg0}, {jossz, nmg0, meg0, tgyg0}, {},
                          accel_g0, mgyg0, {mgyg0}, Format::fixed8};
constexpr BlockDef kMgyg0TimeOnly{{jossz, nmg0, meg0, tgyg0}, {jossz, nmg0, meg0, tgyg0}, {meg0, tgyg0}, {},
                                  accel_g0, mgyg0, {mgyg0}, Format::fixed8};
constexpr BlockDef kMgyg1{{jossz, nmg1, meg1, tgyg1}, {jossz, nmg1, meg1, tgyg1}, {jossz, nmg1, meg1, tgyg1}, {},
                          accel_g1, mgyg1, {mgyg1}, Format::fixed8};
constexpr BlockDef kMlg0{{jossz, nmg0, meg0, tlg0}, {jossz, nmg0, meg0, tlg0}, {jossz, nmg0, meg0, tlg0}, {},
                         brake_g0, mlg0, {mlg0}, Format::fixed8};
constexpr BlockDef kMlg1{{jossz, nmg1, meg1, tlg1}, {jossz, nmg1, meg1, tlg1}, {jossz, nmg1, meg1, tlg1}, {},
                         brake_g1, mlg1, {mlg1}, Format::fixed8};
constexpr BlockDef kMlg1WithoutInertia{{jossz, nmg1, meg1, tlg1}, {jossz, nmg1, meg1, tlg1}, {meg1, tlg1, nmg1}, {},
                                       brake_g1, mlg1, {mlg1}, Format::fixed8};
constexpr BlockDef kPgylg0{{nmg0, jossz, tgyg0}, {nmg0, jossz, tgyg0}, {nmg0, jossz, tgyg0}, {},
                           power_g0, pgylg0, {pgylg0}, Format::fixed8};
constexpr BlockDef kPgylg1{{nmg1, jossz, tgyg1}, {nmg1, jossz, tgyg1}, {nmg1, jossz, tgyg1}, {},
                           power_g1, pgylg1, {pgylg1}, Format::fixed8};

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
