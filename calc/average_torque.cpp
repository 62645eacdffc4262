#include "calc/average_torque.h"

#include <cmath>

#include "calc/block.h"

namespace vorbento::average_torque {
namespace {
using enum Field;

constexpr Fields kCycleInputs{tg0, tg1, tc};
constexpr Fields kRefreshForTg1{tc, mgyg1, tgyg1, meg1, tg1, mlg1, tlg1, mgyg0, tgyg0, meg0, tg0, mlg0, tlg0};
constexpr Fields kRefreshForTc{mgyg1, tgyg1, meg1, tg1, mlg1, tlg1, mgyg0, tgyg0, meg0, tg0, mlg0, tlg0, tc};

// Every phase needs a positive torque and a positive acceleration and braking
// time, and the cycle a positive time. The braking torques are squared, so a
// negative one (a load that brakes by itself) still counts; a cycle may have
// no constant-speed phase (tg1 or tg0 of 0: accelerate and brake only).
constexpr Fields kPositive{mgyg1, tgyg1, meg1, mgyg0, tgyg0, meg0, tlg0, tc};
constexpr Fields kNonnegative{tg1, tg0};
// The braking torques are taken from their working values, which stay 0 until
// a block first computes or converts them, while their fields already show
// the worked example's torques: a 0 there is no torque yet.
constexpr Fields kNonzero{mlg1, mlg0};
// What the average is computed from, the G1 braking time by its text.
constexpr Fields kUses{mgyg1, tgyg1, meg1, tg1, mlg1, tlg1, mgyg0, tgyg0, meg0, tg0, mlg0, tlg0, tc};

void run(FieldStore& s, Trigger trigger, const Fields& reload) {
  if (trigger && s.text(*trigger).empty()) return;
  if (!convert_all(s, reload)) return;
  const std::optional<double> load_g0 = s.convert_double(meg0);
  if (!load_g0) return;
  const std::optional<double> brake_time_g1 = s.convert_double(tlg1);
  if (!brake_time_g1) return;

  bool guard = *load_g0 > 0.0 && *brake_time_g1 > 0.0;
  for (Field f : kPositive) guard = guard && s.value(f) > 0.0f;
  for (Field f : kNonnegative) guard = guard && s.value(f) >= 0.0f;
  for (Field f : kNonzero) guard = guard && s.value(f) != 0.0f;
  if (guard) {
    const Values v{s};
    const double a = *brake_time_g1 * (v[mlg1] * v[mlg1]);
    const double b = (v[mgyg1] * v[mgyg1]) * v[tgyg1];
    const double c = (v[meg1] * v[meg1]) * v[tg1];
    double sum = a + (b + c);
    sum = sum + (v[mgyg0] * v[mgyg0]) * v[tgyg0];
    sum = sum + (v[meg0] * v[meg0]) * v[tg0];
    sum = sum + (v[mlg0] * v[mlg0]) * v[tlg0];
    const double mean_square = sum / v[tc];
    if (!store_result(s, matlag, std::sqrt(mean_square))) return;
    s.record(matlag, kUses);
  }
  s.write(matlag, format(s.value(matlag), Format::fixed8));
}

}  // namespace

void matlag_block(FieldStore& s, Trigger t) { run(s, t, kCycleInputs); }
void matlag_block_refresh_for_tg1(FieldStore& s, Trigger t) { run(s, t, kRefreshForTg1); }
void matlag_block_refresh_for_tc(FieldStore& s, Trigger t) { run(s, t, kRefreshForTc); }

}  // namespace vorbento::average_torque
