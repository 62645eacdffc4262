#include "ui/check/check_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include "ui/check/check_window.h"
#include "ui/look/tool_window.h"

namespace vorbento {

void add_check_entry(QMainWindow& window, FieldStore& store, CheckState& state,
                     std::function<QString()> document_name) {
  QMenu* view = window.findChild<QMenu*>(QStringLiteral("nezet"));
  if (!view) return;
  QAction* entry = view->addAction(QStringLiteral("Motor és &orsó ellenőrzése"));
  entry->setObjectName(QStringLiteral("ellenorzes"));
  entry->setCheckable(true);
  entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  switch_tool_window(
      window, *entry,
      [&window, &store, &state] {
        auto* check = new CheckWindow(store, state, &window);
        place_beside(*check, window);
        return check;
      },
      [name = std::move(document_name)](QWidget& check) {
        static_cast<CheckWindow&>(check).set_document_name(name());
      });
}

void delete_check_window(QMainWindow& window) { delete window.findChild<CheckWindow*>(); }

}  // namespace vorbento
