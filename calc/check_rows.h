// The rows of the motor and screw check, in the order the window and the
// report show them: each quantity beside the limits it is compared with, and
// where the rule comes from. The system judges nothing: the user compares.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "calc/check_figures.h"

namespace vorbento {

enum class CheckGroup : std::uint8_t { motor, screw };

struct CheckRow {
  CheckGroup group;
  CheckQuantity quantity;
  std::array<std::optional<CheckQuantity>, 2> limits{};
  std::string_view source;  // the rule's source, in a few words
  std::string_view name{};  // for a field of the pages: what the check calls it
};

// The unit of a page field the check shows or compares with.
std::string_view check_unit(Field f);

std::span<const CheckRow> check_rows();

// "Motor", "Orsó"
std::string_view group_title(CheckGroup g);

}  // namespace vorbento
