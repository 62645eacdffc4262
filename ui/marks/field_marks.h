// How a field shows that its text is no usable number (a red tint), or that a
// result does not follow the inputs shown (italic on a faint amber tint), with
// a Hungarian tooltip: quiet enough to keep typing through.
#pragma once

#include <QLineEdit>
#include <QPalette>
#include <QString>

#include "core/problem.h"
#include "presentation/marks/mark_style.h"

namespace vorbento {

// Tints the field (or restores `normal`) and sets the tooltip and the
// accessible description to `words` (see mark_words): red for a problem of the
// field's own, amber and italic for a result with no problem but words saying
// why it is stale.
void show_problem(QLineEdit& edit, const QPalette& normal, Problem p, const QString& words);
// The same with the problem's own message.
void show_problem(QLineEdit& edit, const QPalette& normal, Problem p);

}  // namespace vorbento
