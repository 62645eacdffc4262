#include "ui/cycle/view_menu.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>

#include "presentation/look/fonts.h"
#include "ui/cycle/cycle_window.h"

namespace vorbento {

namespace {

// Keeps the entry's check mark on the window's visibility, whoever closes it.
class CycleSwitch : public QObject {
 public:
  CycleSwitch(QMainWindow& window, FieldStore& store, QAction& entry, std::function<QString()> name)
      : QObject(&window), window_(window), store_(store), entry_(entry), name_(std::move(name)) {
    connect(&entry_, &QAction::toggled, this, [this](bool on) { on ? open() : close(); });
    connect(&window_, &QWidget::windowTitleChanged, this, [this] {
      if (auto* diagram = qobject_cast<CycleWindow*>(cycle_.data())) diagram->set_document_name(name_());
    });
  }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() == QEvent::Hide && target == cycle_) entry_.setChecked(false);
    return QObject::eventFilter(target, event);
  }

 private:
  void open() {
    auto* diagram = qobject_cast<CycleWindow*>(cycle_.data());
    if (!diagram) {
      diagram = new CycleWindow(store_, &window_);
      diagram->installEventFilter(this);
      // Its shortcut closes the diagram from the diagram's own window as well.
      diagram->addAction(&entry_);
      cycle_ = diagram;
    }
    diagram->set_document_name(name_());
    cycle_->show();
    cycle_->raise();
    cycle_->activateWindow();
  }
  void close() {
    if (cycle_) cycle_->close();
  }

  QMainWindow& window_;
  FieldStore& store_;
  QAction& entry_;
  std::function<QString()> name_;
  // Held as a widget: its last Hide comes while it is being destroyed, when
  // it is a diagram window no more.
  QPointer<QWidget> cycle_;
};

}  // namespace

void add_view_menu(QMainWindow& window, FieldStore& store, std::function<QString()> document_name) {
  QMenu* view = window.menuBar()->addMenu(QStringLiteral("&Nézet"));
  view->setObjectName(QStringLiteral("nezet"));
  view->menuAction()->setObjectName(QStringLiteral("nezet"));
  view->setFont(vorbento_font());
  QAction* entry = view->addAction(QStringLiteral("&Mozgásciklus-diagram"));
  entry->setObjectName(QStringLiteral("mozgasciklus"));
  entry->setCheckable(true);
  entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  new CycleSwitch(window, store, *entry, std::move(document_name));
}

void delete_view_windows(QMainWindow& window) { delete window.findChild<CycleWindow*>(); }

}  // namespace vorbento
