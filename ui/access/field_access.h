// What assistive technology gets from a field widget: its name, text and
// description, and states that say what the user can do with it. An input is
// an editable text whose every change (also one made through the
// accessibility interface) is an edit of the engine; a result is a read-only,
// unfocusable text that is still readable in full, whether or not the widget
// is drawn disabled.
#pragma once

#include <QLineEdit>

namespace vorbento {

// Gives the field widget this accessible interface (the factory is installed
// with the first field).
void make_accessible_field(QLineEdit& edit, bool input);

// The invalid state (invalid entry to a screen reader) of an input, with the
// state-change event that announces it.
void set_entry_invalid(QLineEdit& edit, bool invalid);

}  // namespace vorbento
