#include "calc/speed_agreement.h"

#include <limits>

#include "calc/speed_formulas.h"

namespace vorbento::speed_agreement {
namespace {
using enum Field;

double motor_speed_g0(std::span<const double> t) { return speed_formulas::motor_speed_g0(t[0], t[1], t[2]); }
double ratio(std::span<const double> t) { return speed_formulas::ratio(t[0], t[1], t[2]); }
double motor_speed_g1(std::span<const double> t) { return speed_formulas::motor_speed_g1(t[0], t[1], t[2]); }

// The short form keeps 7 digits and the exchange settles within a unit of the
// last: 1e-5 of the value is a real disagreement. The motor speed at G1 is
// written with two decimals. Below the smallest normal single no two working
// values differ in a way a text shows.
constexpr double kRelative = 1e-5;
constexpr double kTwoDecimals = 0.005;
constexpr double kTiny = std::numeric_limits<float>::min();

}  // namespace

void agree_with_formulas(Agreements& agreements) {
  agreements[index(nmg0)] = Agreement{{vg0, i, h}, motor_speed_g0, kRelative, kTiny};
  agreements[index(i)] = Agreement{{nmg0, h, vg0}, ratio, kRelative, kTiny};
  agreements[index(nmg1)] = Agreement{{vg1, vg0, nmg0}, motor_speed_g1, kRelative, kTwoDecimals + kTiny};
}

}  // namespace vorbento::speed_agreement
