// Where every field and label of the input and output pages stands, and what
// each label says. Positions are twips from the tab control's top-left corner,
// tab strip included; the window, the tests and the screenshot tool all read
// these two tables.
#pragma once

#include <QRect>

#include <cstdint>
#include <span>

#include "core/field.h"
#include "presentation/look/fonts.h"

namespace vorbento {

struct TwipBox {
  int x, y, w, h;
  QRect pixels() const { return {twips(x), twips(y), twips(w), twips(h)}; }
};

// Symbol and description labels form the row; subscripts, numerators,
// denominators and exponents are small labels laid over them. An inset sits in
// a run of blanks inside a description's text ("kgm²", "max. M with subscript
// mmax"): it belongs right after the word before those blanks, wherever the
// typeface puts that word, so its left edge follows the text and only its
// top and size come from the table.
enum class Layer : std::uint8_t { base, overlay, inset };

struct LabelPlacement {
  Page page;
  const char* caption;  // UTF-8, blanks included: the blanks leave room for overlays
  TwipBox box;
  Layer layer;
  // For the parts of a fraction (numerator, denominator, the denominator's
  // exponent): which run of dashes in the description below or above them is
  // their fraction bar (0 = the first). The parts stay centred on that run.
  int dash_run = -1;
  double points = kControlPointSize;
};

struct FieldPlacement {
  Field field;
  TwipBox box;
  int tab_index;                // 1..33 on the input page; 0 for the output fields
  // UTF-8, the symbol with its subscript after "_" ("n_mG0", "d_mk"), as the
  // page's labels write it, for texts that name a field (Greek letters as such).
  const char* symbol;
  const char* accessible_name;  // UTF-8, what a screen reader announces
};

// In the field order; one entry per field.
std::span<const FieldPlacement> field_placements();
// Per page, the row labels in row order, then the free notes.
std::span<const LabelPlacement> label_placements();

const FieldPlacement& placement(Field f);

}  // namespace vorbento
