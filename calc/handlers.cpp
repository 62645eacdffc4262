// Which blocks each field's change runs, in order. Input-page handlers first
// refill an emptied field with "0".
#include "calc/handlers.h"

#include "calc/average_torque.h"
#include "calc/dynamic_torques.h"
#include "calc/inertias.h"
#include "calc/kinematics.h"
#include "calc/load_torques.h"
#include "calc/speed_agreement.h"

namespace vorbento {
namespace {
using namespace kinematics;
using namespace inertias;
using namespace load_torques;
using namespace dynamic_torques;
using namespace average_torque;

// --- speeds, ratio, acceleration times
constexpr Step kA[] = {tgyg1_block, tgyg0_block};
// The ratio follows the new rapid speed twice: first from the texts, written
// with ten decimals, at the end in short form from the values just converted.
constexpr Step kVg0[] = {i_block_fixed10, tgyg0_block, nmg1_block, i_from_working_values};
constexpr Step kVg1[] = {tgyg1_block, nmg1_block, i_block_short};
// A new lead keeps the motor speed: ratio from speed, then speed from ratio.
constexpr Step kH[] = {mass_block_for_lead, i_block_short, nmg0_block_fixed10, meg1_block, meg0_block};
// A new ratio moves the motor speed and the load torques, and the total
// inertia, whose screw side is divided by the ratio squared.
constexpr Step kI[] = {nmg0_block_short, meg1_block, meg0_block, total_block};
constexpr Step kNmg0[] = {i_block_short, nmg1_block,   mgyg1_block, mgyg0_block,
                          mlg0_block,    matlag_block, peg0_block,  pgylg0_block};
// The accelerating torque at G1 follows the G1 motor speed too.
constexpr Step kNmg1[] = {mgyg1_block, mlg1_block, peg1_block, pgylg1_block};

// --- inertias
constexpr Step kMotorWheel[] = {motor_wheel_block};
constexpr Step kScrewWheel[] = {screw_wheel_block};
constexpr Step kCoupling[] = {coupling_block};
constexpr Step kScrew[] = {screw_block};
constexpr Step kPorso[] = {screw_block, nmg0_block_fixed10};
constexpr Step kM[] = {mass_block_for_mass, meg1_block, meg0_block};
constexpr Step kTotal[] = {total_block};
constexpr Step kJossz[] = {mgyg0_block, mgyg1_block,  mlg1_block_without_inertia,
                           mlg0_block,  pgylg1_block, pgylg0_block};

// --- load torques and steady powers
constexpr Step kF[] = {meg1_block};
constexpr Step kLoad[] = {meg1_block, meg0_block};
constexpr Step kMeg1[] = {mgyg1_block, mlg1_block, matlag_block, peg1_block};
constexpr Step kMeg0[] = {mgyg0_block, mlg0_block, matlag_block, peg0_block};

// --- acceleration and braking
constexpr Step kTgyg0[] = {mgyg0_block_time_only, matlag_block, pgylg0_block};
constexpr Step kTgyg1[] = {mgyg1_block, matlag_block, pgylg1_block};
constexpr Step kTlg0[] = {mlg0_block, matlag_block};
constexpr Step kTlg1[] = {mlg1_block, matlag_block};

// --- average torque; the motor ratings only refill
constexpr Step kAverage[] = {matlag_block};
constexpr Step kTg1[] = {matlag_block_refresh_for_tg1};
constexpr Step kTc[] = {matlag_block_refresh_for_tc};

HandlerTable make_table() {
  HandlerTable t;
  auto input = [&t](Field f, std::span<const Step> steps) { t.fields[index(f)] = Handler{true, steps}; };
  auto result = [&t](Field f, std::span<const Step> steps) { t.fields[index(f)] = Handler{false, steps}; };
  using enum Field;

  input(a, kA);
  input(vg0, kVg0);
  input(vg1, kVg1);
  input(h, kH);
  input(i, kI);
  input(nmg0, kNmg0);
  input(nmg1, kNmg1);

  for (Field f : {dmk, dmf, lmk, pmk}) input(f, kMotorWheel);
  for (Field f : {dok, dof, lok, pok}) input(f, kScrewWheel);
  for (Field f : {dtk, dtf, ltk, ptk}) input(f, kCoupling);
  input(dorso, kScrew);
  input(lorso, kScrew);
  input(porso, kPorso);
  input(m, kM);
  input(jm, kTotal);
  for (Field f : {jmk, jok, jtk, jorso, jtomeg}) result(f, kTotal);
  result(jossz, kJossz);

  input(f, kF);
  for (Field x : {g, q, u}) input(x, kLoad);
  result(meg1, kMeg1);
  result(meg0, kMeg0);

  result(tgyg0, kTgyg0);
  result(tgyg1, kTgyg1);
  result(tlg0, kTlg0);
  result(tlg1, kTlg1);

  for (Field x : {mgyg0, mgyg1, mlg0, mlg1}) result(x, kAverage);
  input(tg0, kAverage);
  input(tg1, kTg1);
  input(tc, kTc);
  input(mm, {});
  input(mmmax, {});

  // Showing another page recomputes the coupling inertia.
  t.tab = Handler{false, kCoupling};

  // What the formulas need of each input, as the field table says.
  for (std::size_t n = 0; n < kInputFieldCount; ++n) t.inputs[n] = info(field_at(n)).rule;

  // The cycle time holds its six motions; the motor speeds and the ratio,
  // where the user's own, agree with their formulas.
  t.sum_bound = SumBound{tc, {tgyg1, tg1, tlg1, tgyg0, tg0, tlg0}};
  speed_agreement::agree_with_formulas(t.agreements);

  kinematics::follow_from_start(t.start_basis);
  inertias::follow_from_start(t.start_basis);
  load_torques::follow_from_start(t.start_basis);
  dynamic_torques::follow_from_start(t.start_basis);
  return t;
}

}  // namespace

const HandlerTable& drive_handlers() {
  static const HandlerTable table = make_table();
  return table;
}

}  // namespace vorbento
