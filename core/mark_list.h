// The marked fields in the order of the field table, each with the word that
// says why: an input's mark ("not_a_number", "out_of_range", "not_positive",
// "negative", "bore_too_large", "shorter_than_motions"; an input whose
// computation overflowed counts as out of range), or "stale" for a result that
// does not follow the inputs, for a motor speed or the ratio that a block
// computed from them, and for an own one at odds with its formula.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "core/field_store.h"

namespace vorbento {

std::vector<std::pair<Field, std::string_view>> marked_fields(const FieldStore& store);

}  // namespace vorbento
