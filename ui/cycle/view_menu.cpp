#include "ui/cycle/view_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

#include "presentation/look/fonts.h"
#include "ui/cycle/cycle_window.h"
#include "ui/look/tool_window.h"

namespace vorbento {

void add_view_menu(QMainWindow& window, FieldStore& store, std::function<QString()> document_name) {
  QMenu* view = window.menuBar()->addMenu(QStringLiteral("&Nézet"));
  view->setObjectName(QStringLiteral("nezet"));
  view->menuAction()->setObjectName(QStringLiteral("nezet"));
  view->setFont(vorbento_font());
  QAction* entry = view->addAction(QStringLiteral("&Mozgásciklus-diagram"));
  entry->setObjectName(QStringLiteral("mozgasciklus"));
  entry->setCheckable(true);
  entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  switch_tool_window(
      window, *entry, [&window, &store] { return new CycleWindow(store, &window); },
      [name = std::move(document_name)](QWidget& diagram) {
        static_cast<CycleWindow&>(diagram).set_document_name(name());
      });
}

void delete_view_windows(QMainWindow& window) { delete window.findChild<CycleWindow*>(); }

}  // namespace vorbento
