// One record per field: where the window puts it and what the window, the
// report, the copied table, the command line and assistive technology say
// about it. Its caption labels are found by the field's name in the label
// table (caption_labels); what the engine knows of it is in core/field.h.
#pragma once

#include <QString>

#include <cstdint>
#include <span>

#include "core/field.h"
#include "presentation/placement/layout_table.h"

namespace vorbento {

// A field drawn otherwise than the others of its page.
enum class FieldLook : std::uint8_t {
  plain,
  window_font,   // the window's own smaller font (the motor wheel's width)
  always_white,  // white with black text whatever the desktop's colours (the acceleration)
};

struct FieldRecord {
  Field field;
  TwipBox box;
  int tab_index;  // 1..33 on the input page; 0 for the output fields
  // UTF-8, the symbol with its subscript after "_" ("n_mG0", "d_mk"), as the
  // page's labels write it, for texts that name a field (Greek letters as such).
  const char* symbol;
  // UTF-8 as plain text ("1/min", "kg/m³"); "" for a ratio or a coefficient.
  // On the pages the unit is drawn from several labels (a fraction bar of
  // dashes, an exponent set high); here it is one string.
  const char* unit;
  const char* description;  // UTF-8, the description label's words without the unit
  // UTF-8, what a screen reader announces when that is not the description
  // followed by the unit in brackets; nullptr otherwise.
  const char* spoken;
  FieldLook look = FieldLook::plain;
};

// In the field order; one record per field.
std::span<const FieldRecord> field_records();
const FieldRecord& field_record(Field f);

// What a screen reader calls the field.
QString accessible_name(Field f);

}  // namespace vorbento
