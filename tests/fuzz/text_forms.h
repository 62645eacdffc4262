// The forms in which the engine writes numbers, recognised from the text.
#pragma once

#include <string_view>

namespace vorbento {

// "-"? digits "." exactly `decimals` digits; no "-" on a value that reads 0.
bool is_fixed_form(std::string_view t, int decimals);
// At most 7 significant digits without trailing zeros, or d[.ddd]E(+|-)dd.
bool is_short_form(std::string_view t);

}  // namespace vorbento
