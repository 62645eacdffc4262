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
// accessible description to the message; a result with no problem of its own
// but a stale reason shows that reason.
void show_problem(QLineEdit& edit, const QPalette& normal, Problem p, const QString& stale_reason = {});

// The tint of a marked field on a light desktop.
QColor problem_tint();
// The tint on the field's own colours: red enough to be seen, and far enough
// from the text colour that a marked figure reads as well as any result.
QColor problem_tint(const QPalette& normal);
// The faint amber of a stale result, as legible as any result.
QColor stale_tint(const QPalette& normal);

}  // namespace vorbento
