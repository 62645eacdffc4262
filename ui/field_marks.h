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

// The tint of a marked field.
QColor problem_tint();

}  // namespace vorbento
