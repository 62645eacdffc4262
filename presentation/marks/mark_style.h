// What a marked field says and the tints it is drawn on: the window's fields,
// the report's rows and the motion-cycle diagram take them from here, so a
// bad input or a stale result looks and reads the same wherever it is shown.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include "core/problem.h"

namespace vorbento {

// What the user is told; empty for Problem::none.
QString problem_message(Problem p);

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
