// A second path through the arithmetic: every result that the store says
// follows the inputs is evaluated again from the texts on screen, with a bound
// on what the texts' rounding may move it, and compared with its own text.
#pragma once

#include <string>

#include "core/field_store.h"

namespace vorbento {

// True when `result`'s text agrees with its formula over the shown texts to
// the rounding of those texts and of its display; else says why in `why`.
// `result` may also be a motor speed or the ratio, as a block writes them.
bool agrees_with_texts(const FieldStore& store, Field result, std::string& why);

}  // namespace vorbento
