// The one typeface of the window and the conversion from the layout's twips.
#pragma once

#include <QFont>
#include <QString>

namespace vorbento {

// Sizes of the window's two fonts, in typographic points (at 96 dpi 9.75 pt is
// 13 px and 8.25 pt is 11 px).
inline constexpr double kControlPointSize = 9.75;
inline constexpr double kWindowPointSize = 8.25;

// Liberation Sans Narrow (Debian package fonts-liberation): the installed
// family, or else registered from its file, so that the toolkit's
// machine-dependent default never stands in for it. It is narrow enough for
// every caption to fit its fixed box and carries the Central European letters
// ("ő", "ű") and "µ".
//
// The size is set in pixels (points at 96 dpi): the boxes are laid out in
// device-independent pixels, so a desktop with another font DPI must not grow
// the text out of its boxes. High-DPI screens scale text and boxes together.
QFont vorbento_font(double point_size = kControlPointSize);

// The family actually loaded; empty if the font file could not be loaded and
// the family is not installed either.
QString vorbento_font_family();

// Layout positions and sizes are given in twips; 15 twips make one pixel.
// Rounds to the nearest pixel (for t >= 0).
constexpr int twips(int t) { return (2 * t + 15) / 30; }

}  // namespace vorbento
