#include "calc/inertias.h"

#include <cmath>

#include "calc/block.h"

namespace vorbento::inertias {
namespace {
using enum Field;

double fourth(double x) { return ((x * x) * x) * x; }

// J = (D^4 - d^4) * pi * rho * l / 32, left to right.
double hollow_cylinder(double D, double d, double rho, double l) {
  return ((((fourth(D) - fourth(d)) * kPi) * rho) * l) / 32.0;
}

double motor_wheel(Values v) { return hollow_cylinder(v[dmk], v[dmf], v[pmk], v[lmk]); }
double screw_wheel(Values v) { return hollow_cylinder(v[dok], v[dof], v[pok], v[lok]); }
double coupling(Values v) { return hollow_cylinder(v[dtk], v[dtf], v[ptk], v[ltk]); }
double screw(Values v) { return (((fourth(v[dorso]) * kPi) * v[porso]) * v[lorso]) / 32.0; }

double total(Values v) { return (((v[jorso] + v[jtomeg]) + v[jok]) / (v[i] * v[i])) + v[jmk] + v[jtk] + v[jm]; }

// A wheel or coupling of 0 size is absent: no guard, every dimension may be 0.
constexpr BlockDef kMotorWheel{.check = {dmk, dmf, pmk, lmk},
                               .read = {dmk, dmf, pmk, lmk},
                               .nonnegative = {dmk, dmf, pmk, lmk},
                               .formula = motor_wheel,
                               .result = jmk,
                               .writes = {jmk},
                               .format = Format::fixed10};
constexpr BlockDef kScrewWheel{.check = {dok, dof, pok, lok},
                               .read = {dok, dof, pok, lok},
                               .nonnegative = {dok, dof, pok, lok},
                               .formula = screw_wheel,
                               .result = jok,
                               .writes = {jok},
                               .format = Format::fixed10};
constexpr BlockDef kCoupling{.check = {dtk, dtf, ptk, ltk},
                             .read = {dtk, dtf, ptk, ltk},
                             .nonnegative = {dtk, dtf, ptk, ltk},
                             .formula = coupling,
                             .result = jtk,
                             .writes = {jtk},
                             .format = Format::fixed10};
constexpr BlockDef kScrew{.check = {porso, dorso, lorso},
                          .read = {dorso, porso, lorso},
                          .positive = {dorso, porso, lorso},
                          .formula = screw,
                          .result = jorso,
                          .writes = {jorso},
                          .format = Format::fixed10};
// An absent wheel or coupling has inertia 0 and still counts; only the ratio
// divides.
constexpr BlockDef kTotal{.check = {jtomeg, jorso, jok, i, jmk, jtk, jm},
                          .read = {jtomeg, jorso, jok, i, jmk, jtk, jm},
                          .positive = {i},
                          .nonnegative = {jtomeg, jorso, jok, jmk, jtk, jm},
                          .formula = total,
                          .result = jossz,
                          .writes = {jossz},
                          .format = Format::fixed10};

// Converts at double precision and narrows into the single working value; a
// value beyond the single range fails the narrowing.
std::optional<double> convert_narrowed(FieldStore& s, Field f) {
  const std::optional<double> d = s.convert_double(f);
  if (!d) return std::nullopt;
  const float single = static_cast<float>(*d);
  if (std::isinf(single)) {
    s.fail(f, Problem::out_of_range);
    return std::nullopt;
  }
  s.set_value(f, single);
  return d;
}

// Lead and mass converted; nullopt ends the block unwritten. Yields the mass
// at double precision.
std::optional<double> convert_lead_and_mass(FieldStore& s) {
  if (s.text(h).empty() || s.text(m).empty()) return std::nullopt;
  if (!convert_narrowed(s, h)) return std::nullopt;
  return convert_narrowed(s, m);
}

constexpr Fields kMassUses{h, m};

void write_mass_inertia(FieldStore& s) { s.write(jtomeg, format(s.value(jtomeg), Format::fixed10)); }

}  // namespace

void follow_from_start(StartBasis& basis) {
  for (const BlockDef* b : {&kMotorWheel, &kScrewWheel, &kCoupling, &kScrew, &kTotal}) follows_from_start(basis, *b);
  basis[index(jtomeg)] = kMassUses;
}

void motor_wheel_block(FieldStore& s, Trigger) { run_block(s, kMotorWheel); }
void screw_wheel_block(FieldStore& s, Trigger) { run_block(s, kScrewWheel); }
void coupling_block(FieldStore& s, Trigger) { run_block(s, kCoupling); }
void screw_block(FieldStore& s, Trigger) { run_block(s, kScrew); }
void total_block(FieldStore& s, Trigger) { run_block(s, kTotal); }

void mass_block_for_mass(FieldStore& s, Trigger) {
  const std::optional<double> mass = convert_lead_and_mass(s);
  if (!mass) return;
  // No guard: a mass of 0 gives 0, a negative mass a negative inertia.
  const double lead = static_cast<double>(s.value(h));
  if (!store_result(s, jtomeg, *mass * ((lead / kTwoPi) * (lead / kTwoPi)))) return;
  s.record(jtomeg, kMassUses);
  write_mass_inertia(s);
}

void mass_block_for_lead(FieldStore& s, Trigger) {
  if (!convert_lead_and_mass(s)) return;
  const double lead = static_cast<double>(s.value(h));
  const double mass = static_cast<double>(s.value(m));
  if (lead > 0.0 && mass > 0.0) {
    if (!store_result(s, jtomeg, ((lead / kTwoPi) * (lead / kTwoPi)) * mass)) return;
    s.record(jtomeg, kMassUses);
  }
  write_mass_inertia(s);
}

}  // namespace vorbento::inertias
