// The motor's and the screw's catalogue data that the motor and screw check
// reads beside the pages: not fields of the engine, but part of the design.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorbento {

enum class CheckInput : std::uint8_t { nmmax, jaranymax, csapagyazas, dorsomag, dnmax };
inline constexpr std::size_t kCheckInputCount = 5;

// The texts of the check inputs, in the order above; "" means not given.
using CheckTexts = std::array<std::string, kCheckInputCount>;

// The key of a check input, as the file and the command line spell it.
constexpr std::string_view check_input_name(CheckInput c) {
  constexpr std::array<std::string_view, kCheckInputCount> names{"nmmax", "jaranymax", "csapagyazas",
                                                                "dorsomag", "dnmax"};
  return names[static_cast<std::size_t>(c)];
}

}  // namespace vorbento
