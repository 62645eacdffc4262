// What can be wrong with a field: its text is no number, or a number beyond
// the range of its precision, or the result written there overflowed.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorbento {

enum class Problem : std::uint8_t {
  none,
  not_a_number,  // the text is no number at all ("abc", "-", "1e")
  out_of_range,  // a number beyond the single (or double) range
  overflow,      // the computed result is NaN or beyond the single range
};

std::string_view describe(Problem p);  // short English reason, for logs and tools

}  // namespace vorbento
