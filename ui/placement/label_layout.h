// Turns the label table into pixel boxes for the typeface actually loaded.
#pragma once

#include <QRect>

#include <vector>

#include "presentation/placement/layout_table.h"
#include "ui/placement/caption_label.h"

namespace vorbento {

struct LabelBox {
  const LabelPlacement* placement;
  QRect box;       // in tab-control pixels
  int indent = 0;  // pixels of blank left of the text
  // For a description holding insets: its text after each inset's blanks
  // resumes past the inset, as the blanks of this typeface may be narrower.
  std::vector<TextResume> resumes;
};

// The page's labels in table order. Boxes are the table's, except that
// - an inset's left edge is where its anchor word ends in the description's
//   own font (the k-th inset of a description fills its k-th run of two or
//   more blanks), the description's text resuming past it, and
// - a label whose box starts under a field's right edge (by a pixel, in two
//   rows) indents its text past that edge, so the field does not hide it.
std::vector<LabelBox> label_boxes(Page page);

}  // namespace vorbento
