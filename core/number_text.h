// Text <-> number, independent of the process locale.
//
// Accepted: optional blanks (space, tab), an optional sign directly before the
// digits, digits with at most one decimal separator (point or comma: Hungarian
// users type commas), at least one digit, an optional exponent E/e with an
// optional sign and digits, optional blanks and at most one line break at the
// end ("5\r\n", pasted from a spreadsheet). Nothing else: no inf, nan, hex or
// thousands separators, and a text of blanks only is no number.
#pragma once

#include <string>
#include <string_view>

#include "core/problem.h"

namespace vorbento {

template <typename T>
struct Parsed {
  T value{};
  Problem problem = Problem::none;  // none, not_a_number or out_of_range
  explicit operator bool() const { return problem == Problem::none; }
};

// The single (double) nearest to the exact decimal. A magnitude beyond the
// range is out_of_range; one too small for the precision gives a signed zero.
Parsed<float> parse_single(std::string_view text);
Parsed<double> parse_double(std::string_view text);

// Fixed point with n decimals, from the single's decimal form rounded to 7
// significant digits (ties to even), then rounded to n decimals half away from
// zero. A value that shows as zero has no minus sign.
std::string format_fixed(float value, int decimals);

// At most 7 significant digits, no trailing zeros or point; exponent form
// ("1.234568E+07", "1E-05") below 1E-4 and from 1E7 on. Zero is "0".
std::string format_short(float value);
// The same for a double, rounded once to 7 significant digits (three-digit
// exponents where a double needs them).
std::string format_short(double value);

}  // namespace vorbento
