// Fills the input and output pages from the layout tables.
#pragma once

#include <QLineEdit>
#include <QWidget>

#include <array>

#include "core/field.h"

namespace vorbento {

using FieldEdits = std::array<QLineEdit*, kFieldCount>;

// Places the page's labels and fields on `page` (in tab-control coordinates)
// and records each field widget in `edits`. Fields stand above every label, and
// overlays above the labels they annotate.
void build_page(QWidget* page, Page which, FieldEdits& edits);

}  // namespace vorbento
