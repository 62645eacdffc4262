#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace vorbento {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A number reduced to: sign, significant digits d1 d2 ... dk (d1 != 0, no
// trailing zeros) and the decimal exponent of d1, or zero.
struct Decimal {
  bool negative = false;
  bool zero = true;
  std::string digits;
  std::int64_t exponent = 0;  // value = d1.d2...dk * 10^exponent
};

constexpr std::int64_t kExponentCap = 1'000'000'000;  // far beyond any double

// Parses the accepted notation; false if the text is no number.
bool scan(std::string_view s, Decimal& out) {
  std::size_t b = 0, e = s.size();
  while (b < e && is_blank(s[b])) ++b;
  while (e > b && is_blank(s[e - 1])) --e;
  // A value copied from a spreadsheet cell ends in one line break: it counts
  // as a trailing blank.
  if (e > b && s[e - 1] == '\n') {
    --e;
    if (e > b && s[e - 1] == '\r') --e;
    while (e > b && is_blank(s[e - 1])) --e;
  }
  std::size_t p = b;
  if (p < e && (s[p] == '+' || s[p] == '-')) out.negative = s[p++] == '-';

  std::int64_t point_shift = 0;  // digits seen before the separator
  bool seen_separator = false, seen_digit = false;
  std::int64_t first_nonzero_pos = -1;  // index among all mantissa digits
  std::int64_t digit_count = 0;
  for (; p < e; ++p) {
    char c = s[p];
    if (is_digit(c)) {
      seen_digit = true;
      if (c != '0' && first_nonzero_pos < 0) first_nonzero_pos = digit_count;
      if (first_nonzero_pos >= 0) out.digits.push_back(c);
      ++digit_count;
      if (!seen_separator) ++point_shift;
    } else if ((c == '.' || c == ',') && !seen_separator) {
      seen_separator = true;
    } else {
      break;
    }
  }
  if (!seen_digit) return false;

  std::int64_t exp10 = 0;
  if (p < e && (s[p] == 'e' || s[p] == 'E')) {
    ++p;
    bool exp_negative = false;
    if (p < e && (s[p] == '+' || s[p] == '-')) exp_negative = s[p++] == '-';
    if (p == e || !is_digit(s[p])) return false;
    for (; p < e && is_digit(s[p]); ++p)
      if (exp10 < kExponentCap) exp10 = exp10 * 10 + (s[p] - '0');
    if (exp_negative) exp10 = -exp10;
  }
  if (p != e) return false;

  while (!out.digits.empty() && out.digits.back() == '0') out.digits.pop_back();
  out.zero = out.digits.empty();
  if (!out.zero) out.exponent = exp10 + (point_shift - first_nonzero_pos - 1);
  return true;
}

template <typename T>
Parsed<T> parse(std::string_view text) {
  Parsed<T> r;
  Decimal d;
  if (!scan(text, d)) {
    r.problem = Problem::not_a_number;
    return r;
  }
  const T signed_zero = d.negative ? -T(0) : T(0);
  // Far outside every range: decide without handing the digits on.
  if (d.zero || d.exponent < -400) {
    r.value = signed_zero;
    return r;
  }
  if (d.exponent > 400) {
    r.problem = Problem::out_of_range;
    return r;
  }
  std::string norm;
  norm.reserve(d.digits.size() + 8);
  if (d.negative) norm.push_back('-');
  norm.push_back(d.digits[0]);
  if (d.digits.size() > 1) {
    norm.push_back('.');
    norm.append(d.digits, 1);
  }
  norm.push_back('e');
  norm.append(std::to_string(d.exponent));
  T value{};
  auto [ptr, ec] = std::from_chars(norm.data(), norm.data() + norm.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Too small for the precision is a zero, too large is a failure.
    if (d.exponent < 0) {
      r.value = signed_zero;
    } else {
      r.problem = Problem::out_of_range;
    }
    return r;
  }
  if (ec != std::errc() || ptr != norm.data() + norm.size()) {
    r.problem = Problem::not_a_number;  // unreachable: norm is well formed
    return r;
  }
  r.value = value;
  return r;
}

// The single's value correctly rounded to 7 significant digits.
struct Sig7 {
  bool negative;
  std::array<char, 7> digits;  // d1 (nonzero unless the value is 0) .. d7
  int exponent;                // value = d1.d2...d7 * 10^exponent
};

Sig7 to_sig7(double v) {
  Sig7 s{};
  std::array<char, 32> buf{};
  // to_chars rounds the exact binary value, exact ties to even, and never
  // looks at the locale.
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::scientific, 6);
  const char* p = buf.data();
  s.negative = *p == '-';
  if (s.negative) ++p;
  s.digits[0] = *p++;
  ++p;  // '.'
  for (int k = 1; k < 7; ++k) s.digits[k] = *p++;
  ++p;                 // 'e'
  if (*p == '+') ++p;  // from_chars takes a '-' but no '+'
  std::from_chars(p, res.ptr, s.exponent);
  return s;
}

bool all_zero(const std::string& s) {
  for (char c : s)
    if (c != '0') return false;
  return true;
}

}  // namespace

Parsed<float> parse_single(std::string_view text) { return parse<float>(text); }
Parsed<double> parse_double(std::string_view text) { return parse<double>(text); }

std::string format_fixed(float value, int decimals) {
  const Sig7 s = to_sig7(value);
  // Lay the seven digits out on a place-value grid: integer part and as many
  // fraction digits as needed to see the one after the last kept decimal.
  std::string int_part, frac_part;
  if (s.exponent >= 0) {
    for (int k = 0; k <= s.exponent; ++k) int_part.push_back(k < 7 ? s.digits[k] : '0');
    for (int k = s.exponent + 1; k < 7; ++k) frac_part.push_back(s.digits[k]);
  } else {
    int_part = "0";
    frac_part.assign(static_cast<std::size_t>(-s.exponent - 1), '0');
    frac_part.append(s.digits.data(), 7);
  }
  if (frac_part.size() < static_cast<std::size_t>(decimals) + 1)
    frac_part.resize(static_cast<std::size_t>(decimals) + 1, '0');

  // Halves away from zero: the first dropped digit alone decides, since the
  // digits after it are what is left of a 7-digit decimal.
  const bool round_up = frac_part[static_cast<std::size_t>(decimals)] >= '5';
  frac_part.resize(static_cast<std::size_t>(decimals));
  if (round_up) {
    std::string all = int_part + frac_part;
    int k = static_cast<int>(all.size()) - 1;
    while (k >= 0 && all[static_cast<std::size_t>(k)] == '9') all[static_cast<std::size_t>(k--)] = '0';
    if (k >= 0) {
      ++all[static_cast<std::size_t>(k)];
    } else {
      all.insert(all.begin(), '1');
    }
    int_part = all.substr(0, all.size() - frac_part.size());
    frac_part = all.substr(all.size() - frac_part.size());
  }

  std::string out;
  out.reserve(int_part.size() + frac_part.size() + 2);
  if (s.negative && !(all_zero(int_part) && all_zero(frac_part))) out.push_back('-');
  out += int_part;
  if (decimals > 0) {
    out.push_back('.');
    out += frac_part;
  }
  return out;
}

std::string format_short(float value) { return format_short(static_cast<double>(value)); }

std::string format_short(double value) {
  if (value == 0.0) return "0";
  const Sig7 s = to_sig7(value);
  int last = 6;  // last significant digit kept
  while (last > 0 && s.digits[static_cast<std::size_t>(last)] == '0') --last;

  std::string out;
  if (s.negative) out.push_back('-');
  if (s.exponent < -4 || s.exponent >= 7) {
    out.push_back(s.digits[0]);
    if (last > 0) {
      out.push_back('.');
      out.append(s.digits.data() + 1, static_cast<std::size_t>(last));
    }
    out.push_back('E');
    out.push_back(s.exponent < 0 ? '-' : '+');
    const int mag = s.exponent < 0 ? -s.exponent : s.exponent;
    if (mag < 10) out.push_back('0');
    out += std::to_string(mag);
    return out;
  }
  if (s.exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-s.exponent - 1), '0');
    out.append(s.digits.data(), static_cast<std::size_t>(last) + 1);
    return out;
  }
  for (int k = 0; k <= s.exponent; ++k) out.push_back(k <= 6 ? s.digits[static_cast<std::size_t>(k)] : '0');
  if (last > s.exponent) {
    out.push_back('.');
    out.append(s.digits.data() + s.exponent + 1, static_cast<std::size_t>(last - s.exponent));
  }
  return out;
}

}  // namespace vorbento
