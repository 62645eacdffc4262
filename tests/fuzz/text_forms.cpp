#include "tests/fuzz/text_forms.h"

#include <cstddef>
#include <string>

namespace vorbento {
namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

std::size_t digits_from(std::string_view t, std::size_t p) {
  std::size_t n = 0;
  while (p + n < t.size() && digit(t[p + n])) ++n;
  return n;
}

}  // namespace

int output_decimals(Field result) {
  using enum Field;
  switch (result) {
    case tgyg1:
    case tlg1:
    case tgyg0:
    case tlg0:
      return 7;
    case jtomeg:
    case jorso:
    case jok:
    case jmk:
    case jtk:
    case jossz:
      return 10;
    default:
      return 8;
  }
}

bool is_fixed_form(std::string_view t, int decimals) {
  std::size_t p = 0;
  const bool negative = !t.empty() && t[0] == '-';
  if (negative) ++p;
  const std::size_t int_digits = digits_from(t, p);
  if (int_digits == 0 || (int_digits > 1 && t[p] == '0')) return false;
  p += int_digits;
  if (decimals > 0) {
    if (p >= t.size() || t[p] != '.') return false;
    ++p;
    if (digits_from(t, p) != static_cast<std::size_t>(decimals)) return false;
    p += static_cast<std::size_t>(decimals);
  }
  if (p != t.size()) return false;
  if (negative) {
    bool all_zero = true;
    for (char c : t.substr(1)) all_zero = all_zero && (c == '0' || c == '.');
    if (all_zero) return false;
  }
  return true;
}

bool is_short_form(std::string_view t) {
  if (t == "0") return true;
  std::size_t p = (!t.empty() && t[0] == '-') ? 1 : 0;
  const std::size_t e = t.find('E');
  const std::string_view mantissa = t.substr(p, e == t.npos ? t.npos : e - p);
  const std::size_t point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  const std::string_view frac = point == mantissa.npos ? std::string_view{} : mantissa.substr(point + 1);
  if (whole.empty() || digits_from(whole, 0) != whole.size() || digits_from(frac, 0) != frac.size()) return false;
  if (point != mantissa.npos && (frac.empty() || frac.back() == '0')) return false;  // no trailing zeros
  if (whole.size() > 1 && whole[0] == '0') return false;
  // Significant digits: from the first non-zero one on.
  std::size_t significant = 0;
  bool seen = false;
  for (char c : std::string(whole) + std::string(frac)) {
    seen = seen || c != '0';
    if (seen) ++significant;
  }
  if (significant == 0) return false;  // only "0" itself reads zero
  if (e == t.npos) return whole.size() <= 7 && significant <= 7;
  // Exponent form: one non-zero digit before the point, sign, two or more digits.
  if (whole.size() != 1 || whole[0] == '0' || significant > 7) return false;
  const std::string_view exp = t.substr(e + 1);
  return exp.size() >= 3 && (exp[0] == '+' || exp[0] == '-') && digits_from(exp, 1) == exp.size() - 1;
}

}  // namespace vorbento
