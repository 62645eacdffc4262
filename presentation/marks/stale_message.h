// What the window says of a result that does not follow the inputs shown:
// "Nem követi a bemenő adatokat: " and the inputs behind it, named by the
// symbols the input page shows ("a ≤ 0", "d_mk nagyobb, mint D_mk").
#pragma once

#include <QString>

#include "core/field_store.h"

namespace vorbento {

// Empty for a field that follows its inputs (a result, or an input a block
// computes: the motor speeds and the ratio).
QString stale_message(const FieldStore& store, Field field);

// Why an input is marked, naming it ("V_G0 nem szám"); empty if it is not.
QString input_reason(const FieldStore& store, Field input);

}  // namespace vorbento
