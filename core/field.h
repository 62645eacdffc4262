// The 54 named text fields of the calculator: what the engine knows of each
// (its name, page, initial text, and what the formulas need of an input).
//
// The names are the quantities' symbols, written plainly; a newcomer meets
// their parts again in every block and comment:
//   n, v, a, h, i   motor speed, linear speed, acceleration, lead, ratio
//   g0, g1          at the rapid speed G0, at the feed speed G1
//   gy, l, e        accelerating (gyorsítás), braking (lassítás), steady (egyenletes)
//   m, f, t, tc     the moved mass, the machining force, a duration, the cycle time
//   M, P, J         (as first letter of a result) torque, power, inertia
//   jm, mm, mmmax   the motor's own inertia, its rated and its maximum torque
//   u, q, g         friction coefficient (μ), the screw's efficiency (η), gravity
//   d, l, p         (first letter of a part's input) diameter, length or width, density (ρ)
//   orso, ok, mk, tk  the screw (orsó), its wheel (orsókerék), the motor's wheel
//                   (motorkerék), the coupling (tengelykapcsoló); in a bore's
//                   name the part's final k gives way to f (furat): dof, dmf, dtf
//   tomeg, ossz     of the moved mass (tömeg) referred to the screw; in all (össz),
//                   referred to the motor
//   atlag           the time-weighted average (átlag)
// The inputs are the first 33, the results the 21 after them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vorbento {

// In the order of the field table: first the 33 fields of the input page,
// then the 21 results of the output page.
enum class Field : std::uint8_t {
  // input page
  nmg0,
  nmg1,
  i,
  h,
  vg0,
  vg1,
  a,
  f,
  m,
  jm,
  mm,
  mmmax,
  u,
  q,
  g,
  dorso,
  lorso,
  porso,
  dok,
  dof,
  lok,
  pok,
  dmk,
  dmf,
  lmk,
  pmk,
  dtk,
  dtf,
  ltk,
  ptk,
  tg1,
  tg0,
  tc,
  // output page
  tgyg1,
  tlg1,
  tgyg0,
  tlg0,
  meg1,
  meg0,
  mgyg1,
  mgyg0,
  mlg1,
  mlg0,
  matlag,
  peg1,
  pgylg1,
  peg0,
  pgylg0,
  jtomeg,
  jorso,
  jok,
  jmk,
  jtk,
  jossz,
};

inline constexpr std::size_t kFieldCount = 54;
inline constexpr std::size_t kInputFieldCount = 33;

enum class Page : std::uint8_t { input = 0, output = 1 };

// What the formulas need of an input's number, judged from its text alone.
struct InputRule {
  enum class Need : std::uint8_t { any, positive, nonnegative };
  Need need = Need::any;
  // For a bore: the outer diameter of the same part, which it must not exceed.
  std::optional<Field> outer;
};

struct FieldInfo {
  Field field;
  std::string_view name;     // as the code and the replay protocol spell it
  std::string_view initial;  // the design-time text shown at start
  Page page;
  InputRule rule{};  // for an input; a result's is `any`
};

const FieldInfo& info(Field f);

constexpr std::size_t index(Field f) { return static_cast<std::size_t>(f); }
constexpr Field field_at(std::size_t n) { return static_cast<Field>(n); }

inline std::string_view name(Field f) { return info(f).name; }
inline bool is_input(Field f) { return index(f) < kInputFieldCount; }

// The motor's rated and maximum torque are only shown for comparison: no
// formula reads them, so they carry no working value.
constexpr bool has_working_value(Field f) { return f != Field::mm && f != Field::mmmax; }

std::optional<Field> field_by_name(std::string_view name);

}  // namespace vorbento
