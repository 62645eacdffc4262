// The forms in which the engine writes numbers, recognised from the text.
#pragma once

#include <string_view>

#include "core/field.h"

namespace vorbento {

// "-"? digits "." exactly `decimals` digits; no "-" on a value that reads 0.
bool is_fixed_form(std::string_view t, int decimals);
// At most 7 significant digits without trailing zeros, or d[.ddd]E(+|-)dd.
bool is_short_form(std::string_view t);
// The decimals a result field is written with: times 7, inertias 10, torques
// and powers 8.
int output_decimals(Field result);

}  // namespace vorbento
