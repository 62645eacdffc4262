#include "ui/check/check_menu.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>

#include "ui/check/check_window.h"
#include "ui/look/tool_window.h"

namespace vorbento {

namespace {

// Keeps the entry's check mark on the window's visibility, whoever closes it.
class CheckSwitch : public QObject {
 public:
  CheckSwitch(QMainWindow& window, FieldStore& store, CheckState& state, QAction& entry, std::function<QString()> name)
      : QObject(&window), window_(window), store_(store), state_(state), entry_(entry), name_(std::move(name)) {
    connect(&entry_, &QAction::toggled, this, [this](bool on) { on ? open() : close(); });
    connect(&window_, &QWidget::windowTitleChanged, this, [this] {
      if (auto* check = qobject_cast<CheckWindow*>(check_.data())) check->set_document_name(name_());
    });
  }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() == QEvent::Hide && target == check_) entry_.setChecked(false);
    return QObject::eventFilter(target, event);
  }

 private:
  void open() {
    auto* check = qobject_cast<CheckWindow*>(check_.data());
    if (!check) {
      check = new CheckWindow(store_, state_, &window_);
      check->installEventFilter(this);
      check->addAction(&entry_);  // its shortcut closes the check from its own window too
      check_ = check;
      place_beside(*check, window_);
    }
    check->set_document_name(name_());
    check_->show();
    check_->raise();
    check_->activateWindow();
  }
  void close() {
    if (check_) check_->close();
  }

  QMainWindow& window_;
  FieldStore& store_;
  CheckState& state_;
  QAction& entry_;
  std::function<QString()> name_;
  // Held as a widget: its last Hide comes while it is being destroyed.
  QPointer<QWidget> check_;
};

}  // namespace

void add_check_entry(QMainWindow& window, FieldStore& store, CheckState& state, std::function<QString()> document_name) {
  QMenu* view = window.findChild<QMenu*>(QStringLiteral("nezet"));
  if (!view) return;
  QAction* entry = view->addAction(QStringLiteral("Motor és &orsó ellenőrzése"));
  entry->setObjectName(QStringLiteral("ellenorzes"));
  entry->setCheckable(true);
  entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  new CheckSwitch(window, store, state, *entry, std::move(document_name));
}

void delete_check_window(QMainWindow& window) { delete window.findChild<CheckWindow*>(); }

}  // namespace vorbento
