// The ways a sizing leaves the window: printing, the PDF, and copying the
// results (from the menu bar and from a result field's right-click menu).
#pragma once

#include <functional>

#include <QString>

#include "core/field_store.h"

class QMainWindow;
class QMenu;

namespace vorbento {

// Adds "Nyomtatás…" (Ctrl+P), "Exportálás PDF-be…" and "Eredmények másolása"
// (Ctrl+Shift+C) to `file`, and the right-click menu of the result fields of
// `window`, whenever they are built. `document_name` gives the name the
// report's header shows at the time it is made.
void add_share_entries(QMainWindow& window, QMenu& file, const FieldStore& store,
                       std::function<QString()> document_name);

// What the menus put on the clipboard.
void copy_value(const FieldStore& store, Field f);
void copy_results(const FieldStore& store);

}  // namespace vorbento
