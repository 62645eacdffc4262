// The 54 named text fields of the calculator: identity, page and initial text.
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
  nmg0, nmg1, i, h, vg0, vg1, a, f, m, jm, mm, mmmax, u, q, g,
  dorso, lorso, porso, dok, dof, lok, pok, dmk, dmf, lmk, pmk,
  dtk, dtf, ltk, ptk, tg1, tg0, tc,
  // output page
  tgyg1, tlg1, tgyg0, tlg0, meg1, meg0, mgyg1, mgyg0, mlg1, mlg0,
  matlag, peg1, pgylg1, peg0, pgylg0,
  jtomeg, jorso, jok, jmk, jtk, jossz,
};

inline constexpr std::size_t kFieldCount = 54;
inline constexpr std::size_t kInputFieldCount = 33;

enum class Page : std::uint8_t { input = 0, output = 1 };

struct FieldInfo {
  std::string_view name;     // as the code and the replay protocol spell it
  std::string_view initial;  // the design-time text shown at start
  Page page;
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
