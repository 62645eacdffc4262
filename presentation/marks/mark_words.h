// The words that say what is wrong with a field: the window's tooltip, the
// printed report and the copied table all take them from here, so a marked
// input or a stale result reads the same wherever it is shown.
#pragma once

#include <QString>

#include "core/field_store.h"

namespace vorbento {

// A problem of the field's own ("Nem szám"), else for a result, or for a motor
// speed or the ratio a block computed, why it does not follow the inputs
// shown; empty for a field with nothing to say.
QString mark_words(const FieldStore& store, Field f);

}  // namespace vorbento
