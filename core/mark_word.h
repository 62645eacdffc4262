// The stable word of a field's mark, the same in every release, for scripts
// and the replay tool: an input's own problem ("not_a_number", "out_of_range",
// "not_positive", "negative", "bore_too_large"; an input whose computation
// overflowed counts as out of range), or "stale" for a result that does not
// follow the inputs, and for a motor speed or the ratio that a block computed
// from them.
#pragma once

#include <optional>
#include <string_view>

#include "core/field_store.h"

namespace vorbento {

// None for a field with nothing to say.
std::optional<std::string_view> mark_word(const FieldStore& store, Field f);

}  // namespace vorbento
