#include "ui/share/preview_keys.h"

#include <QAction>
#include <QCoreApplication>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace vorbento {

namespace {

// The preview's own print entry: the dialog names it with Qt's translation
// of "Print", whatever the desktop's language.
QAction* print_action(QPrintPreviewDialog& dialog) {
  const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
  for (QAction* action : dialog.findChildren<QAction*>())
    if (action->text() == print) return action;
  return nullptr;
}

// Enter on the pages prints; on a toolbar button it presses that button. The
// page number and zoom boxes keep their own Enter.
class EnterPrints : public QObject {
 public:
  EnterPrints(QAction* print, QObject* parent) : QObject(parent), print_(print) {}

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
      return false;
    if (auto* button = qobject_cast<QToolButton*>(target))
      button->click();
    else
      print_->trigger();
    return true;
  }

 private:
  QAction* print_;
};

}  // namespace

void fit_preview(QPrintPreviewDialog& dialog, const QScreen* screen) {
  if (!screen) return;
  // Wide enough for the whole toolbar (else Print hides behind its overflow
  // button, out of reach of Tab) and tall enough for a page worth reading.
  const QRect room = screen->availableGeometry();
  const auto* bar = dialog.findChild<QToolBar*>();
  const int wanted = std::max(bar ? bar->sizeHint().width() + 24 : 0, room.width() * 2 / 3);
  dialog.resize(std::min(wanted, room.width()), room.height() * 9 / 10);
}

void add_preview_keys(QPrintPreviewDialog& dialog) {
  QAction* print = print_action(dialog);
  if (!print) return;
  auto* ctrl_p = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), &dialog);
  QObject::connect(ctrl_p, &QShortcut::activated, print, &QAction::trigger);
  auto* enter = new EnterPrints(print, &dialog);
  // A toolbar's buttons take no focus of their own: without it, Tab would
  // skip from the page number to the zoom and never reach Print.
  for (QToolButton* button : dialog.findChildren<QToolButton*>()) {
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(enter);
  }
  // A flat toolbar button shows no focus of its own: a frame in the
  // selection colour tells where Tab has got to.
  for (QToolBar* bar : dialog.findChildren<QToolBar*>())
    bar->setStyleSheet(
        QStringLiteral("QToolButton:focus { border: 2px solid palette(highlight); border-radius: 3px; }"));
  if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
    preview->installEventFilter(enter);
    for (QWidget* part : preview->findChildren<QWidget*>()) part->installEventFilter(enter);
    // The pages take the focus when the preview opens: Enter prints at once,
    // and the arrow keys scroll.
    if (auto* pages = preview->findChild<QGraphicsView*>()) pages->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace vorbento
