// Colours a reader can tell apart: contrast ratios as WCAG 2 measures them,
// and the desktop's colours moved just far enough to be read on a background.
#pragma once

#include <QColor>
#include <QPalette>

namespace vorbento {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relative_luminance(const QColor& c);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double contrast_ratio(const QColor& a, const QColor& b);

// `text` when it already reaches `ratio` against `background`; otherwise the
// same hue and saturation, darker on a light background or lighter on a dark
// one, changed no more than needed.
QColor legible_on(const QColor& text, const QColor& background, double ratio);

// Light text on a dark ground: a dark desktop palette.
bool is_dark(const QPalette& palette);

// The tab pages: white, or the dark palette's own field background.
QColor page_background(const QPalette& palette);

// Least contrast for text, and the more for results the user reads figures in.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kResultContrast = 7.0;

}  // namespace vorbento
