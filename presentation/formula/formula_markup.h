// A compact text notation for formulas, read into layout items.
//
//   x_{sub}  x^{sup}  x_s^2   sub- and superscripts (braces or one character)
//   \frac{numerator}{denominator}
//   \sqrt{content}
//   ( ... )  [ ... ]          brackets sized to what they enclose
//   =  +  −  *                operators, spaced and centred on the axis
//   {...}                     a group that only collects items
//
// Blanks are ignored. Latin letters on the main line are set in italic as
// symbols; digits, punctuation, Greek letters and everything in a script are
// upright.
#pragma once

#include "presentation/formula/formula_layout.h"

#include <QStringView>

namespace vorbento::formula {

// Throws std::invalid_argument on unbalanced braces or brackets, an unknown
// command or a script with nothing to attach to.
ItemPtr parse_formula(QStringView markup);

// The same formula as one line of plain text, for reading aloud: subscripts
// after "_", powers as superscript digits, a fraction as "numerator /
// denominator" with parentheses around a numerator or denominator of several
// terms (and around the fraction itself before a "*"), a root as "√(...)".
// A row's closing "=" is left off. Same errors as parse_formula.
QString linear_formula(QStringView markup);

}  // namespace vorbento::formula
