#include "tests/fuzz/formula_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/number_text.h"
#include "tests/fuzz/text_forms.h"

namespace vorbento {
namespace {
using enum Field;

// A value and a bound on its absolute error, carried through the formula.
struct Near {
  double v, e;
};
Near operator+(Near a, Near b) { return {a.v + b.v, a.e + b.e}; }
Near operator-(Near a, Near b) { return {a.v - b.v, a.e + b.e}; }
Near operator*(Near a, Near b) { return {a.v * b.v, std::abs(a.v) * b.e + std::abs(b.v) * a.e + a.e * b.e}; }
Near operator/(Near a, Near b) {
  const double low = std::abs(b.v) - b.e;
  if (low <= 0) return {a.v / b.v, INFINITY};  // the divisor may be 0 within its rounding
  return {a.v / b.v, (std::abs(a.v) * b.e + std::abs(b.v) * a.e) / (std::abs(b.v) * low)};
}
Near constant(double c) { return {c, 0}; }
Near sq(Near a) { return a * a; }
Near root(Near a) {
  const double hi = std::sqrt(std::max(0.0, a.v + a.e)), lo = std::sqrt(std::max(0.0, a.v - a.e));
  return {std::sqrt(std::max(0.0, a.v)), hi - lo};
}

// What a text stands for. A typed input reaches the formula as the single
// nearest to it; the ratio and motor speed as a value their exchange may have
// moved in the 7th digit; a result as the single that its 7 significant
// digits and fixed decimals rounded. Below the normal singles (1.2E-38) the
// spacing of the subnormals is all that is kept.
Near shown(const FieldStore& s, Field f) {
  const double v = parse_double(s.text(f)).value;
  constexpr double kSubnormal = 1.5e-45;
  if (f == i || f == nmg0) return {v, std::abs(v) * 2e-6 + kSubnormal};
  if (is_input(f)) return {v, std::abs(v) * 1.2e-7 + kSubnormal};
  return {v, 0.5 * std::pow(10.0, -output_decimals(f)) + std::abs(v) * 6e-7 + kSubnormal};
}

Near hollow(Near D, Near d, Near rho, Near l) {
  return (sq(sq(D)) - sq(sq(d))) * constant(3.1415926535) * rho * l / constant(32);
}

Near formula(const FieldStore& s, Field r) {
  auto t = [&s](Field f) { return shown(s, f); };
  const Near two_pi = constant(6.28), sixty = constant(60);
  switch (r) {
    case tgyg1:
    case tlg1:
      return t(vg1) / t(a);
    case tgyg0:
    case tlg0:
      return t(vg0) / t(a);
    case meg1:
      return (t(g) * t(u) * t(m) + t(f)) * t(h) / (t(q) * two_pi * t(i));
    case meg0:
      return t(g) * t(u) * t(m) * t(h) / (t(q) * two_pi * t(i));
    case mgyg1:
      return t(jossz) * t(nmg1) * two_pi / (t(tgyg1) * sixty) + t(meg1);
    case mgyg0:
      return t(jossz) * t(nmg0) * two_pi / (t(tgyg0) * sixty) + t(meg0);
    case mlg1:
      return t(jossz) * t(nmg1) * two_pi / (t(tlg1) * sixty) - t(meg1);
    case mlg0:
      return t(jossz) * t(nmg0) * two_pi / (t(tlg0) * sixty) - t(meg0);
    case matlag:
      return root((sq(t(mgyg1)) * t(tgyg1) + sq(t(meg1)) * t(tg1) + sq(t(mlg1)) * t(tlg1) + sq(t(mgyg0)) * t(tgyg0) +
                   sq(t(meg0)) * t(tg0) + sq(t(mlg0)) * t(tlg0)) /
                  t(tc));
    case peg1:
      return t(nmg1) * two_pi * t(meg1) / sixty;
    case peg0:
      return t(nmg0) * two_pi * t(meg0) / sixty;
    case pgylg1:
      return sq(t(nmg1) * two_pi / sixty) * t(jossz) / t(tgyg1);
    case pgylg0:
      return sq(t(nmg0) * two_pi / sixty) * t(jossz) / t(tgyg0);
    case jtomeg:
      return t(m) * sq(t(h) / two_pi);
    case jorso:
      return sq(sq(t(dorso))) * constant(3.1415926535) * t(porso) * t(lorso) / constant(32);
    case jok:
      return hollow(t(dok), t(dof), t(pok), t(lok));
    case jmk:
      return hollow(t(dmk), t(dmf), t(pmk), t(lmk));
    case jtk:
      return hollow(t(dtk), t(dtf), t(ptk), t(ltk));
    case jossz:
      return (t(jorso) + t(jtomeg) + t(jok)) / sq(t(i)) + t(jmk) + t(jtk) + t(jm);
    case nmg1:
      return t(vg1) / t(vg0) * t(nmg0);
    case i:
      return t(h) * t(nmg0) / (t(vg0) * sixty);
    case nmg0:
      return t(vg0) * sixty * t(i) / t(h);
    default:
      return {0, INFINITY};
  }
}

}  // namespace

bool agrees_with_texts(const FieldStore& store, Field result, std::string& why) {
  const Near expected = formula(store, result);
  const double shown_value = parse_double(store.text(result)).value;
  // The result's own rounding: to single, to 7 significant digits, to its
  // decimals (the motor speed at G1 two; the ratio and the motor speed at G0
  // short, or ten).
  const int decimals = result == nmg1 ? 2 : is_input(result) ? 10 : output_decimals(result);
  const double own = 0.5 * std::pow(10.0, -decimals) + std::abs(expected.v) * 6e-7;
  if (!(std::abs(shown_value - expected.v) <= expected.e + own + 1e-300)) {
    char line[160];
    std::snprintf(line, sizeof line, "shows %.9g, its formula gives %.9g +- %.3g", shown_value, expected.v,
                  expected.e + own);
    why = line;
    return false;
  }
  return true;
}

}  // namespace vorbento
