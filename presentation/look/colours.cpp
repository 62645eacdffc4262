#include "presentation/look/colours.h"

#include <algorithm>
#include <cmath>

namespace vorbento {

namespace {

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double relative_luminance(const QColor& c) {
  const QColor rgb = c.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrast_ratio(const QColor& a, const QColor& b) {
  const double la = relative_luminance(a), lb = relative_luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legible_on(const QColor& text, const QColor& background, double ratio) {
  if (contrast_ratio(text, background) >= ratio) return text;
  // A little beyond the bare ratio: anti-aliased strokes of small text seldom
  // reach the full colour.
  ratio += 0.25;
  // Towards black where black stands out more, else towards white; lightness
  // alone changes, so the colour stays recognisably the desktop's.
  const bool darken = contrast_ratio(Qt::black, background) >= contrast_ratio(Qt::white, background);
  const QColor hsl = text.toHsl();
  const double hue = std::max(0.0, static_cast<double>(hsl.hslHueF()));
  const double saturation = hsl.hslSaturationF();
  auto at = [&](double lightness) { return QColor::fromHslF(hue, saturation, lightness).toRgb(); };
  // The lightness nearest the original that still reads, found by halving.
  double near = hsl.lightnessF(), far = darken ? 0.0 : 1.0;
  for (int n = 0; n < 24; ++n) {
    const double mid = (near + far) / 2;
    (contrast_ratio(at(mid), background) >= ratio ? far : near) = mid;
  }
  QColor result = QColor(at(far).rgb());  // whole 8-bit channels, as drawn
  // Whole 8-bit channels may fall just short: one more step in the same direction.
  for (int n = 0; n < 255 && contrast_ratio(result, background) < ratio; ++n)
    result =
        darken ? QColor(std::max(0, result.red() - 1), std::max(0, result.green() - 1), std::max(0, result.blue() - 1))
               : QColor(std::min(255, result.red() + 1), std::min(255, result.green() + 1),
                        std::min(255, result.blue() + 1));
  return result;
}

bool is_dark(const QPalette& palette) {
  // The field colours: the window's own may be set to the highlight for its margin.
  return relative_luminance(palette.color(QPalette::Text)) > relative_luminance(palette.color(QPalette::Base));
}

QColor page_background(const QPalette& palette) {
  return is_dark(palette) ? palette.color(QPalette::Base) : QColor(Qt::white);
}

}  // namespace vorbento
