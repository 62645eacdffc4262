// The motor's and the screw's catalogue data that the motor and screw check
// reads beside the pages: not fields of the engine, but part of the design.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/problem.h"

namespace vorbento {

enum class CheckInput : std::uint8_t { nmmax, jaranymax, csapagyazas, dorsomag, dnmax };
inline constexpr std::size_t kCheckInputCount = 5;

// The texts of the check inputs, in the order above; "" means not given.
using CheckTexts = std::array<std::string, kCheckInputCount>;

struct CheckInputInfo {
  std::string_view name;     // the key, as the file and the command line spell it
  std::string_view symbol;   // "n_max"; empty for the bearing arrangement
  std::string_view label;    // what the window writes beside it
  std::string_view unit;     // "–" for a pure number
  std::string_view initial;  // the text at start and after "Új"
};

const CheckInputInfo& info(CheckInput c);

constexpr std::size_t index(CheckInput c) { return static_cast<std::size_t>(c); }
constexpr CheckInput check_input_at(std::size_t n) { return static_cast<CheckInput>(n); }

// The key of a check input, as the file and the command line spell it.
inline std::string_view check_input_name(CheckInput c) { return info(c).name; }
std::optional<CheckInput> check_input_by_name(std::string_view name);

// The texts at start and after "Új": the worked example's motor and screw.
CheckTexts initial_check_texts();

// How the screw is held at its two ends. λ₂ gives the allowed speed (0.8 times
// the whipping speed) and η₂ the allowed buckling load (half the Euler load),
// both as ball-screw makers' selection guides tabulate them.
struct Bearing {
  std::string_view word;   // as the file stores it
  std::string_view label;  // as the window shows it
  double lambda2;
  double eta2;
};

std::span<const Bearing> bearings();
// The arrangement a stored word names; none for any other text.
const Bearing* bearing_by_word(std::string_view word);

// What is wrong with a check input's text, judged as a page input's is: no
// number, beyond the range, or not above 0 (every catalogue figure here is
// positive); for the bearing a text that is none of the four words is no
// choice at all. An empty text is not given, not wrong.
Problem judge_check_input(CheckInput c, std::string_view text);

}  // namespace vorbento
