// How a field shows that its text is no usable number (a red tint), or that a
// result does not follow the inputs shown (italic on a faint amber tint), with
// a Hungarian tooltip: quiet enough to keep typing through.
#pragma once

#include <QLineEdit>
#include <QPalette>
#include <QString>

#include "core/problem.h"

namespace vorbento {

// What the user is told; empty for Problem::none.
QString problem_message(Problem p);

// Tints the field (or restores `normal`) and sets the tooltip and the
// accessible description to `words` (see mark_words): red for a problem of the
// field's own, amber and italic for a result with no problem but words saying
// why it is stale.
void show_problem(QLineEdit& edit, const QPalette& normal, Problem p, const QString& words);
// The same with the problem's own message.
void show_problem(QLineEdit& edit, const QPalette& normal, Problem p);

// The tint of a marked field on a light desktop.
QColor problem_tint();
// The tint on the field's own colours: red enough to be seen, and far enough
// from the text colour that a marked figure reads as well as any result.
QColor problem_tint(const QPalette& normal);
// The faint amber of a stale result on a light desktop.
QColor stale_tint();
// The same on the field's own colours, as legible as any result.
QColor stale_tint(const QPalette& normal);

}  // namespace vorbento
