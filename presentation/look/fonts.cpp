#include "presentation/look/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace vorbento {

namespace {

constexpr auto kFamily = "Liberation Sans Narrow";
constexpr auto kFontFile = "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Regular.ttf";

QString load_family() {
  // Installed (fonts-liberation): the family is used as it is, no fontconfig
  // substitution happens for a family that exists. Asked of the database, not
  // of a font: a font would load a typeface at a size no caption uses.
  // Otherwise registering the file pins the face; parsing it costs a tenth of
  // the window's start-up, so only when needed.
  const QString installed = QString::fromUtf8(kFamily);
  if (QFontDatabase::hasFamily(installed)) return installed;
  const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(kFontFile));
  if (id >= 0) {
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) return families.front();
  }
  return {};
}

}  // namespace

QString vorbento_font_family() {
  static const QString family = load_family();
  return family;
}

QFont vorbento_font(double point_size) {
  QString family = vorbento_font_family();
  QFont font(family.isEmpty() ? QString::fromUtf8(kFamily) : family);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(std::lround(point_size * 96.0 / 72.0)));
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  return font;
}

}  // namespace vorbento
