#include "presentation/marks/mark_style.h"

#include "presentation/look/colours.h"

namespace vorbento {

QString problem_message(Problem p) {
  switch (p) {
    case Problem::none:
      return {};
    case Problem::not_a_number:
      return QStringLiteral("Nem szám");
    case Problem::out_of_range:
      return QStringLiteral("A szám túl nagy");
    case Problem::not_positive:
      return QStringLiteral("0-nál nagyobb szám kell");
    case Problem::negative:
      return QStringLiteral("Nem lehet negatív");
    case Problem::bore_too_large:
      return QStringLiteral("A furat nagyobb a külső átmérőnél");
    case Problem::overflow:
      return QStringLiteral("Az eredmény túl nagy");
    case Problem::shorter_than_motions:
      return QStringLiteral("A hat mozgás együtt hosszabb a ciklusidőnél.");
  }
  return {};
}

QColor problem_tint() { return {255, 200, 200}; }

QColor problem_tint(const QPalette& normal) {
  // A dark desktop writes light text: a deep red behind it instead of a pale one.
  const QColor tint = is_dark(normal) ? QColor(110, 30, 30) : problem_tint();
  return legible_on(tint, normal.color(QPalette::Text), kResultContrast);
}

QColor stale_tint() { return {255, 240, 200}; }

QColor stale_tint(const QPalette& normal) {
  const QColor tint = is_dark(normal) ? QColor(88, 68, 12) : stale_tint();
  return legible_on(tint, normal.color(QPalette::Text), kResultContrast);
}

}  // namespace vorbento
