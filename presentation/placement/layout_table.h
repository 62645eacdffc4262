// Where every label of the input and output pages stands, and what each label
// says. Positions are twips from the tab control's top-left corner, tab strip
// included; the window, the tests and the screenshot tool read this table and
// the field records' boxes.
#pragma once

#include <QRect>

#include <cstdint>
#include <optional>
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
  std::optional<Field> owner;  // the field whose row it belongs to; none for a free note
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

// Per page, the row labels in row order, then the free notes.
std::span<const LabelPlacement> label_placements();
// A field's own labels: its symbol and its description first, then what is
// laid over them.
std::span<const LabelPlacement> caption_labels(Field f);

}  // namespace vorbento
