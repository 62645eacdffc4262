// The figures of the motor and screw check: each computed in double from the
// texts the pages show and the check inputs, never written into a field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "calc/check_inputs.h"
#include "core/field_list.h"
#include "core/field_store.h"

namespace vorbento {

enum class CheckFigure : std::uint8_t { mcsucs, jarany, natlag, elg1, elg0, pfek, norso, nmeg, dn, fax, fkih, fmeg };
inline constexpr std::size_t kCheckFigureCount = 12;

constexpr std::size_t index(CheckFigure c) { return static_cast<std::size_t>(c); }
constexpr CheckFigure check_figure_at(std::size_t n) { return static_cast<CheckFigure>(n); }

// A quantity the check shows or compares with: a field of the pages, a check
// input or a figure of its own.
using CheckQuantity = std::variant<Field, CheckInput, CheckFigure>;

// What a formula reads, by number; every text the figure reads converted.
struct CheckValues {
  std::array<double, kFieldCount> fields{};
  std::array<double, kCheckInputCount> inputs{};
  const Bearing* bearing = nullptr;
  double operator[](Field f) const { return fields[index(f)]; }
  double operator[](CheckInput c) const { return inputs[index(c)]; }
};

struct CheckFigureInfo {
  std::string_view name;    // the key, as --results names it
  std::string_view symbol;  // "M_csúcs"
  std::string_view title;   // the Hungarian name
  std::string_view unit;
  double (*formula)(const CheckValues&);
  Fields fields;                                      // the page fields it reads
  std::array<std::optional<CheckInput>, 2> inputs{};  // the check inputs it reads
};

const CheckFigureInfo& info(CheckFigure c);

struct CheckFigureValue {
  enum class State : std::uint8_t { ok, not_given, not_computable };
  State state = State::not_computable;
  double value = 0;  // rounded to 7 significant digits; meaningful when ok
  std::string text;  // the short form, or what stands instead of a number

  bool ok() const { return state == State::ok; }
};

using CheckFigureValues = std::array<CheckFigureValue, kCheckFigureCount>;

// Every figure from the store's texts and the check inputs' texts. A text that
// is no number, a check input that is marked, a division by zero or a result
// that is not finite is "nem számolható"; a check input needed but not given
// is "nincs megadva".
CheckFigureValues check_figures(const FieldStore& store, const CheckTexts& checks);

// What stands instead of a figure.
inline constexpr std::string_view kNotGiven = "nincs megadva";
inline constexpr std::string_view kNotComputable = "nem számolható";

}  // namespace vorbento
