// Each field's unit as plain text and the description its page writes beside
// it, for texts outside the window (the report, the copied table). On the
// pages the unit is drawn from several labels (a fraction bar of dashes, an
// exponent set high); here it is one string.
#pragma once


#include "core/field.h"

namespace vorbento {

struct FieldWording {
  Field field;
  const char* unit;         // UTF-8 ("1/min", "kg/m³"); "" for a ratio or a coefficient
  const char* description;  // UTF-8, the description label's words without the unit
};

const FieldWording& wording(Field f);

}  // namespace vorbento
