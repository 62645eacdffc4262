// The face the formula pictures are set in.
#pragma once

#include "presentation/formula/formula_layout.h"

namespace vorbento::formula {

// Liberation Serif, upright and italic (Debian package fonts-liberation): it
// has μ, η, ρ, the Hungarian accented letters and a true minus sign. Read from
// its files at the given pixel sizes for body text and scripts.
FormulaStyle liberation_serif_style(int body_px, int script_px);

}  // namespace vorbento::formula
