#include "ui/marks/field_marks.h"

#include "ui/look/colours.h"

namespace vorbento {

QString problem_message(Problem p) {
  switch (p) {
    case Problem::none: return {};
    case Problem::not_a_number: return QStringLiteral("Nem szám");
    case Problem::out_of_range: return QStringLiteral("A szám túl nagy");
    case Problem::not_positive: return QStringLiteral("0-nál nagyobb szám kell");
    case Problem::negative: return QStringLiteral("Nem lehet negatív");
    case Problem::bore_too_large: return QStringLiteral("A furat nagyobb a külső átmérőnél");
    case Problem::overflow: return QStringLiteral("Az eredmény túl nagy");
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

void show_problem(QLineEdit& edit, const QPalette& normal, Problem p) {
  show_problem(edit, normal, p, problem_message(p));
}

void show_problem(QLineEdit& edit, const QPalette& normal, Problem p, const QString& words) {
  QPalette pal = normal;
  const bool stale = p == Problem::none && !words.isEmpty();
  if (p != Problem::none || stale) {
    // Every colour group, so the tint stays while the window is inactive.
    const QColor tint = stale ? stale_tint(normal) : problem_tint(normal);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      pal.setColor(group, QPalette::Base, tint);
  }
  edit.setPalette(pal);
  QFont font = edit.font();
  if (font.italic() != stale) {
    font.setItalic(stale);
    edit.setFont(font);
  }
  edit.setToolTip(words);
  edit.setAccessibleDescription(words);
}

}  // namespace vorbento
