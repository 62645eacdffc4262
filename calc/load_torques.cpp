#include "calc/load_torques.h"

#include "calc/block.h"

namespace vorbento::load_torques {
namespace {
using enum Field;

double feed_torque(Values v) {
  double num = ((v[g] * v[u]) * v[m]) + v[f];
  num = num * v[h];
  const double den = (v[q] * kTwoPi) * v[i];
  return num / den;
}

double rapid_torque(Values v) {
  const double num = ((v[g] * v[u]) * v[m]) * v[h];
  const double den = (v[q] * kTwoPi) * v[i];
  return num / den;
}

double feed_power(Values v) { return ((v[nmg1] * kTwoPi) * v[meg1]) / 60.0; }
double rapid_power(Values v) { return ((v[nmg0] * kTwoPi) * v[meg0]) / 60.0; }

constexpr Fields kLoadInputs{u, g, m, f, h, q, i};
constexpr Fields kPositive{u, g, m, h, q, i};

constexpr BlockDef kMeg1{.check = kLoadInputs,
                         .read = kLoadInputs,
                         .positive = kPositive,
                         .nonnegative = {f},
                         .formula = feed_torque,
                         .result = meg1,
                         .writes = {meg1},
                         .format = Format::fixed8};
// Converts the machining force with the others, but the rapid motion has none.
constexpr BlockDef kMeg0{.check = kLoadInputs,
                         .read = kLoadInputs,
                         .positive = kPositive,
                         .formula = rapid_torque,
                         .result = meg0,
                         .writes = {meg0},
                         .format = Format::fixed8,
                         .uses = {u, g, m, h, q, i}};
constexpr BlockDef kPeg1{.check = {nmg1, meg1},
                         .read = {nmg1, meg1},
                         .positive = {nmg1, meg1},
                         .formula = feed_power,
                         .result = peg1,
                         .writes = {peg1},
                         .format = Format::fixed8};
constexpr BlockDef kPeg0{.check = {nmg0, meg0},
                         .read = {nmg0, meg0},
                         .positive = {nmg0, meg0},
                         .formula = rapid_power,
                         .result = peg0,
                         .writes = {peg0},
                         .format = Format::fixed8};

}  // namespace

void follow_from_start(StartBasis& basis) {
  // The steady power at G1 was never recomputed for the initial G1 speed.
  for (const BlockDef* b : {&kMeg1, &kMeg0, &kPeg0}) follows_from_start(basis, *b);
}

void meg1_block(FieldStore& s, Trigger) { run_block(s, kMeg1); }
void meg0_block(FieldStore& s, Trigger) { run_block(s, kMeg0); }
void peg1_block(FieldStore& s, Trigger) { run_block(s, kPeg1); }
void peg0_block(FieldStore& s, Trigger) { run_block(s, kPeg0); }

}  // namespace vorbento::load_torques
