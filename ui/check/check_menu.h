// The "Nézet" menu's entry for the motor and screw check: one checkable entry
// opens and closes its window, made the first time it is asked for.
#pragma once

#include <functional>

#include <QString>

class QMainWindow;

namespace vorbento {

class CheckState;
class FieldStore;

// Adds the entry to the window's "Nézet" menu; `document_name` gives the name
// the check's title carries, asked again whenever the window's title changes.
void add_check_entry(QMainWindow& window, FieldStore& store, CheckState& state, std::function<QString()> document_name);

// Deletes the check's window, if it was made: it observes the store.
void delete_check_window(QMainWindow& window);

}  // namespace vorbento
