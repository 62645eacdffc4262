#include "ui/marks/field_marks.h"

namespace vorbento {

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
