// What can be wrong with a field: its text is no number, or a number beyond
// the range of its precision, or a number the formulas cannot use (an input
// mark), or the result written there overflowed, or a cycle time too short for
// the motions shown.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorbento {

enum class Problem : std::uint8_t {
  none,
  not_a_number,          // the text is no number at all ("abc", "-", "1e")
  out_of_range,          // a number beyond the single (or double) range
  not_positive,          // 0 or below where the formulas need a positive value
  negative,              // below 0 where 0 (an absent part, no force) is the least
  bore_too_large,        // a bore wider than the outer diameter of its part
  overflow,              // the computed result is NaN or beyond the single range
  shorter_than_motions,  // a cycle time below the sum of the six motions it holds
};

// The word the replay tool prints ("not_a_number", "bore_too_large", ...).
std::string_view describe(Problem p);

}  // namespace vorbento
