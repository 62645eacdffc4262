// The "Nézet" menu: the motion-cycle diagram, opened and closed from one
// checkable entry; its window is made the first time it is asked for.
#pragma once

#include <functional>

#include <QString>

class QMainWindow;

namespace vorbento {

class FieldStore;

// Adds the menu at the end of the window's menu bar; `document_name` gives
// the name the diagram's title carries, asked again whenever the window's
// title changes.
void add_view_menu(QMainWindow& window, FieldStore& store, std::function<QString()> document_name);

// Deletes the diagram's window, if it was made: it observes the store, so it
// must go while the store is still there.
void delete_view_windows(QMainWindow& window);

}  // namespace vorbento
