// What the window says of a result that does not follow the inputs shown:
// "Nem követi a bemenő adatokat: " and the inputs behind it, named by the
// symbols the input page shows ("a ≤ 0", "d_mk nagyobb, mint D_mk"); of an
// own motor speed or ratio at odds with the other inputs, what its formula
// gives ("Nem illik a többi bemenő adathoz: n_mG0 = 60·V_G0·i/h = 4800").
#pragma once

#include <QString>

#include "core/field_store.h"

namespace vorbento {

// Empty for a field that follows its inputs (a result, or an input a block
// computes: the motor speeds and the ratio).
QString stale_message(const FieldStore& store, Field field);

// Why an input is marked, naming it ("V_G0 nem szám"); empty if it is not.
QString input_reason(const FieldStore& store, Field input);

// What a cycle time shorter than its six motions says, with their sum;
// empty while it holds them.
QString motions_message(const FieldStore& store);

}  // namespace vorbento
