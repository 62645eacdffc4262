#include "calc/check_figures.h"

#include <algorithm>
#include <cmath>

#include "calc/block.h"
#include "core/number_text.h"

namespace vorbento {
namespace {
using enum Field;
using enum CheckInput;

constexpr double in_mm(double metres) { return metres * 1000.0; }

// The motor's largest demand, whichever sign the cycle asks for it.
double peak_torque(const CheckValues& v) {
  double peak = 0;
  for (Field f : {mgyg1, meg1, mlg1, mgyg0, meg0, mlg0}) peak = std::max(peak, std::abs(v[f]));
  return peak;
}

// The load's inertia, seen at the motor shaft, over the motor's own.
double inertia_ratio(const CheckValues& v) { return (v[jossz] - v[jm]) / v[jm]; }

// Each speed weighted by the time it runs: ramps count at half their speed.
double mean_speed(const CheckValues& v) {
  return (v[nmg1] * (v[tgyg1] / 2 + v[tg1] + v[tlg1] / 2) + v[nmg0] * (v[tgyg0] / 2 + v[tg0] + v[tlg0] / 2)) / v[tc];
}

// The energy a braking ramp hands back: half the torque times the angle turned
// at full speed. A load that brakes harder than asked gives a negative energy.
double braking_energy(double torque, double speed, double time) {
  return 0.5 * torque * (kTwoPi * speed / 60.0) * time;
}
double braking_energy_g1(const CheckValues& v) { return braking_energy(v[mlg1], v[nmg1], v[tlg1]); }
double braking_energy_g0(const CheckValues& v) { return braking_energy(v[mlg0], v[nmg0], v[tlg0]); }
double braking_power(const CheckValues& v) { return (braking_energy_g1(v) + braking_energy_g0(v)) / v[tc]; }

// The screw turns one lead per revolution.
double screw_speed(const CheckValues& v) { return 60.0 * v[vg0] / v[h]; }

// The bearing span stands for the screw's length: the longest span, the cautious choice.
double allowed_speed(const CheckValues& v) {
  const double span = in_mm(v[lorso]);
  return v.bearing->lambda2 * in_mm(v[dorsomag]) / (span * span) * 1e7;
}

double dn_value(const CheckValues& v) { return in_mm(v[dorso]) * screw_speed(v); }

double thrust(const CheckValues& v) { return v[m] * v[a] + v[u] * v[m] * v[g] + v[Field::f]; }

double buckling_load(const CheckValues& v) {
  const double d = in_mm(v[dorsomag]), span = in_mm(v[lorso]);
  return v.bearing->eta2 * (d * d * d * d) / (span * span) * 1e4;
}

// 147 MPa over the root section.
double tension_load(const CheckValues& v) {
  const double d = in_mm(v[dorsomag]);
  return 116.0 * d * d;
}

constexpr std::optional<CheckInput> kNone{};

constexpr std::array<CheckFigureInfo, kCheckFigureCount> kFigures{{
    {"mcsucs", "M_csúcs", "csúcsnyomaték", "Nm", peak_torque, {mgyg1, meg1, mlg1, mgyg0, meg0, mlg0}},
    {"jarany", "λ", "inerciaarány", "–", inertia_ratio, {jossz, jm}},
    {"natlag",
     "n_átlag",
     "időarányos átlagfordulatszám",
     "1/min",
     mean_speed,
     {nmg1, tgyg1, tg1, tlg1, nmg0, tgyg0, tg0, tlg0, tc}},
    {"elg1", "E_lG1", "fékezési energia G1-ről", "J", braking_energy_g1, {mlg1, nmg1, tlg1}},
    {"elg0", "E_lG0", "fékezési energia G0-ról", "J", braking_energy_g0, {mlg0, nmg0, tlg0}},
    {"pfek", "P_fék", "átlagos fékezési teljesítmény", "W", braking_power, {mlg1, nmg1, tlg1, mlg0, nmg0, tlg0, tc}},
    {"norso", "n_orsó", "az orsó fordulatszáma G0-nál", "1/min", screw_speed, {vg0, h}},
    {"nmeg", "n_meg", "az orsó megengedett fordulatszáma", "1/min", allowed_speed, {lorso}, {csapagyazas, dorsomag}},
    {"dn", "DN", "DN-érték", "mm·1/min", dn_value, {dorso, vg0, h}},
    {"fax", "F_ax", "tengelyirányú erő gyorsításkor", "N", thrust, {m, a, u, g, Field::f}},
    {"fkih", "F_kih", "megengedett kihajlási terhelés", "N", buckling_load, {lorso}, {csapagyazas, dorsomag}},
    {"fmeg", "F_meg", "megengedett húzó-nyomó terhelés", "N", tension_load, {}, {dorsomag, kNone}},
}};

// The double rounded to 7 significant digits, as its short form shows it.
double rounded(double value) {
  const Parsed<double> back = parse_double(format_short(value));
  return back ? back.value : value;
}

CheckFigureValue figure(const CheckFigureInfo& fig, const FieldStore& store, const CheckTexts& checks, CheckValues& v) {
  using State = CheckFigureValue::State;
  CheckFigureValue out;
  bool computable = true, given = true;
  for (Field f : fig.fields) {
    const Parsed<double> p = parse_double(store.text(f));
    computable = computable && p;
    v.fields[index(f)] = p.value;
  }
  for (const std::optional<CheckInput>& c : fig.inputs) {
    if (!c) continue;
    const std::string& text = checks[index(*c)];
    if (text.empty()) {
      given = false;
    } else if (judge_check_input(*c, text) != Problem::none) {
      computable = false;
    } else if (*c == csapagyazas) {
      v.bearing = bearing_by_word(text);
    } else {
      v.inputs[index(*c)] = parse_double(text).value;
    }
  }
  if (!given) {
    out.state = State::not_given;
    out.text = kNotGiven;
    return out;
  }
  const double value = computable ? fig.formula(v) : NAN;
  if (!std::isfinite(value)) {
    out.text = kNotComputable;
    return out;
  }
  out.state = State::ok;
  out.text = format_short(value);
  out.value = rounded(value);
  return out;
}

}  // namespace

const CheckFigureInfo& info(CheckFigure c) { return kFigures[index(c)]; }

CheckFigureValues check_figures(const FieldStore& store, const CheckTexts& checks) {
  CheckFigureValues out;
  CheckValues v;
  for (std::size_t n = 0; n < kCheckFigureCount; ++n) out[n] = figure(kFigures[n], store, checks, v);
  return out;
}

}  // namespace vorbento
