#include "presentation/formula/formula_face.h"

#include <QFont>
#include <QString>

namespace vorbento::formula {

namespace {

QRawFont load(const char* file, bool italic, int pixel_size) {
  const QString path = QStringLiteral("/usr/share/fonts/truetype/liberation/") + QLatin1String(file);
  // Unhinted outlines: the same shapes whatever the rendering settings.
  QRawFont raw(path, pixel_size, QFont::PreferNoHinting);
  if (raw.isValid()) return raw;
  // Without the package, the closest serif face the system offers.
  QFont fallback(QStringLiteral("Liberation Serif"));
  fallback.setStyleHint(QFont::Serif);
  fallback.setItalic(italic);
  fallback.setPixelSize(pixel_size);
  fallback.setHintingPreference(QFont::PreferNoHinting);
  return QRawFont::fromFont(fallback);
}

}  // namespace

FormulaStyle liberation_serif_style(int body_px, int script_px) {
  return FormulaStyle(
      load("LiberationSerif-Regular.ttf", false, body_px), load("LiberationSerif-Italic.ttf", true, body_px),
      load("LiberationSerif-Regular.ttf", false, script_px), load("LiberationSerif-Italic.ttf", true, script_px));
}

}  // namespace vorbento::formula
