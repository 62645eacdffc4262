#include "ui/window/focus_in_view.h"

#include <QApplication>
#include <QEvent>
#include <QScrollArea>
#include <QTabBar>
#include <QTimer>

namespace vorbento {

namespace {

constexpr int kMargin = 8;  // pixels of client area kept around the control

}  // namespace

FocusInView::FocusInView(QScrollArea* scroll, QTabBar* strip) : scroll_(scroll), strip_(strip) {
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { show(now); });
  scroll_->viewport()->installEventFilter(this);
}

void FocusInView::show(QWidget* w) {
  QWidget* client = scroll_->widget();
  if (!w || !client || !client->isAncestorOf(w)) return;
  // The whole control, frame included. QScrollArea::ensureWidgetVisible aims
  // at a line edit's text cursor instead and stops once the cursor is in
  // view, which leaves the bottom of the field cut off at the viewport's edge.
  QRect r(QPoint(0, 0), w->size());
  // The strip is wider than a small screen: its current tab is what counts.
  if (w == strip_) r = strip_->tabRect(strip_->currentIndex());
  r.moveTopLeft(w->mapTo(client, r.topLeft()));
  const QPoint c = r.center();
  scroll_->ensureVisible(c.x(), c.y(), r.width() / 2 + kMargin, r.height() / 2 + kMargin);
}

bool FocusInView::eventFilter(QObject*, QEvent* event) {
  // The scroll ranges follow the new viewport size only after this event has
  // been handled: bring the focus back into view once they have.
  if (event->type() == QEvent::Resize && !queued_) {
    queued_ = true;
    QTimer::singleShot(0, this, [this] {
      queued_ = false;
      show(QApplication::focusWidget());
    });
  }
  return false;
}

}  // namespace vorbento
