#include "presentation/plot/nice_ticks.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace vorbento {

namespace {

// The smallest 1, 2 or 5 × 10ⁿ at or above `raw` (> 0), with its decimals.
std::pair<double, int> nice_step(double raw) {
  // floor, not a truncating cast: below 1 the exponent is negative.
  int exponent = static_cast<int>(std::floor(std::log10(raw)));
  double power = std::pow(10.0, exponent);
  const double fraction = raw / power;
  double mantissa = 10;
  for (double m : {1.0, 2.0, 5.0}) {
    // A hair of tolerance: 0.3 / 0.1 is 2.9999999999999996 and wants 5, not 2.
    if (fraction <= m * (1 + 1e-9)) {
      mantissa = m;
      break;
    }
  }
  if (mantissa == 10) {
    mantissa = 1;
    ++exponent;
    power *= 10;
  }
  return {mantissa * power, std::max(0, -exponent)};
}

}  // namespace

Ticks nice_ticks(double low, double high, int most) {
  if (!std::isfinite(low) || !std::isfinite(high)) return nice_ticks(0, 1, most);
  most = std::max(1, most);
  if (low > high) std::swap(low, high);
  if (high - low <= std::abs(high) * 1e-12) {
    // One value: a range around it, or 0 to 1 for zero.
    const double half = high == 0 ? 0.5 : std::abs(high) * 0.5;
    low = high == 0 ? 0 : high - half;
    high = high == 0 ? 1 : high + half;
  }
  auto [step, decimals] = nice_step((high - low) / most);
  double first = std::floor(low / step + 1e-9) * step;
  int count = static_cast<int>(std::ceil((high - first) / step - 1e-9)) + 1;
  // Widening to whole steps can take one interval more than asked: the next step.
  while (count - 1 > most) {
    std::tie(step, decimals) = nice_step(step * 1.000001);
    first = std::floor(low / step + 1e-9) * step;
    count = static_cast<int>(std::ceil((high - first) / step - 1e-9)) + 1;
  }
  if (first == 0) first = 0;  // no "-0" label
  return {first, step, count, decimals};
}

int tick_room(double length, double spacing) {
  if (!(spacing > 0) || !(length > 0)) return 1;
  return std::max(1, static_cast<int>(std::floor(length / spacing)));
}

}  // namespace vorbento
