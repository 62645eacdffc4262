// How a field shows that its text is no usable number: a red tint and a
// Hungarian tooltip, quiet enough to keep typing through.
#pragma once

#include <QLineEdit>
#include <QPalette>
#include <QString>

#include "core/problem.h"

namespace vorbento {

// What the user is told; empty for Problem::none.
QString problem_message(Problem p);

// Tints the field (or restores `normal`) and sets the tooltip and the
// accessible description to the message.
void show_problem(QLineEdit& edit, const QPalette& normal, Problem p);

// The tint of a marked field on a light desktop.
QColor problem_tint();
// The tint on the field's own colours: red enough to be seen, and far enough
// from the text colour that a marked figure reads as well as any result.
QColor problem_tint(const QPalette& normal);

}  // namespace vorbento
