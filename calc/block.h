// A recomputation block: text check, conversion into the working values,
// guard, formula in double precision stored as single, formatted write.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/field_list.h"
#include "core/field_store.h"

namespace vorbento {

enum class Format { fixed2, fixed7, fixed8, fixed10, short_form };

std::string format(float value, Format f);

// The working values as the formulas read them: single widened to double.
struct Values {
  const FieldStore& store;
  double operator[](Field f) const { return static_cast<double>(store.value(f)); }
};

// Written with designated initialisers, each list under its name; an omitted
// list is empty.
struct BlockDef {
  Fields check{};        // an empty text here skips the whole block, unwritten
  Fields read{};         // converted, in order, into their working values
  Fields positive{};     // guard: each working value > 0 ...
  Fields nonnegative{};  // ... and each of these >= 0 (0 = part absent)
  double (*formula)(Values) = nullptr;
  Field result{};
  Fields writes{};  // each written, in order, with the result's text
  Format format{};
  // The fields the formula reads, when that is not exactly the read list: a
  // result follows these (the ratio block converts i but computes from h,
  // nmg0 and vg0).
  Fields uses{};
};

// What a block's result is computed from.
constexpr const Fields& uses(const BlockDef& b) { return b.uses.empty() ? b.read : b.uses; }

// The results whose initial texts follow from the initial inputs, as each
// unit's blocks compute them.
using StartBasis = std::array<std::optional<Fields>, kFieldCount>;
void follows_from_start(StartBasis& basis, const BlockDef& b);

// Runs one block; a conversion or arithmetic failure ends it unwritten.
void run_block(FieldStore& s, const BlockDef& b);

// The single-precision store of a result: a NaN, or a value that is infinite
// once rounded to single, is an arithmetic failure, neither stored nor written.
bool store_result(FieldStore& s, Field result, double value);

// All texts of `fields` non-empty (the text check of a block).
bool texts_present(const FieldStore& s, const Fields& fields);

// Converts `fields` in order into their working values; false at the first
// text that does not convert (the ones before it stay converted).
bool convert_all(FieldStore& s, const Fields& fields);

// The constants of the formulas: 6.28 stands for 2 pi, 3.1415926535 for pi.
inline constexpr double kTwoPi = 6.28;
inline constexpr double kPi = 3.1415926535;

}  // namespace vorbento
