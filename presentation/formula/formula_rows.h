// The formulas shown on the formula page, one row per formula, in the notation
// of presentation/formula/formula_markup.h. Each row ends in "=" like the symbol labels of
// the input and output pages; the pictures show pi and 2 pi rounded, with
// decimal commas, while the calculation itself uses the exact constants.
#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace vorbento::formula {

// Speeds, ratio, acceleration times and inertias.
std::span<const QStringView> image1_rows();
// Torques and motor powers; the last row is the long time-weighted average.
std::span<const QStringView> image2_rows();

// A row as the report prints it for a check by hand: π where the pictures
// show "3,14", since the inertias are computed with 3.1415926535, not 3.14.
// The 2π of the speeds stays "6,28": that is the constant computed with.
QString with_exact_pi(QStringView row);

}  // namespace vorbento::formula
