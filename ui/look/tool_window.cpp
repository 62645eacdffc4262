#include "ui/look/tool_window.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace vorbento {

namespace {

// The room the window's frame takes around its contents. Before the window
// manager has framed the tool, the owner's frame stands in for it.
QSize frame_margins(const QWidget& tool, const QWidget& owner) {
  const QSize own = tool.frameGeometry().size() - tool.size();
  if (tool.testAttribute(Qt::WA_WState_Created) && (own.width() > 0 || own.height() > 0)) return own;
  return (owner.frameGeometry().size() - owner.size()).expandedTo(QSize(0, 0));
}

// Puts `frame` (the whole window) where it is inside the available area.
QRect inside(QRect frame, const QRect& room) {
  frame.setSize(frame.size().boundedTo(room.size()));
  frame.moveLeft(std::clamp(frame.left(), room.left(), room.right() + 1 - frame.width()));
  frame.moveTop(std::clamp(frame.top(), room.top(), room.bottom() + 1 - frame.height()));
  return frame;
}

void set_frame(QWidget& tool, const QRect& frame, QSize margins) {
  tool.resize(frame.size() - margins);
  tool.move(frame.topLeft());  // a window's position is its frame's
}

// Places the tool at its first show and keeps its place and size after;
// hands the focus back to the owner when it is hidden, and hides it with the owner.
class ToolKeeper : public QObject {
 public:
  ToolKeeper(QWidget& tool, QWidget& owner) : QObject(&tool), tool_(tool), owner_(&owner) {
    tool.installEventFilter(this);
    owner.installEventFilter(this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &tool);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, &tool, &QWidget::close);
  }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->spontaneous() || !owner_) return false;
    // The owner hidden for good (closed, not minimised): the tool goes with it.
    if (target == owner_) {
      if (event->type() == QEvent::Hide && tool_.isVisible()) tool_.close();
      return false;
    }
    if (target != &tool_) return false;
    if (event->type() == QEvent::Show) shown();
    else if (event->type() == QEvent::Hide) hidden();
    return false;
  }

 private:
  void shown() {
    if (!kept_) {
      place_beside(tool_, *owner_);
      return;
    }
    // The screens may have changed since: still wholly inside the available area.
    const QSize margins = frame_margins(tool_, *owner_);
    const QRect room = owner_->screen()->availableGeometry();
    set_frame(tool_, inside(QRect(kept_->topLeft(), kept_->size() + margins), room), margins);
  }
  void hidden() {
    kept_ = QRect(tool_.pos(), tool_.size());
    if (!owner_->isVisible()) return;
    owner_->activateWindow();
    if (QWidget* field = owner_->focusWidget()) field->setFocus(Qt::OtherFocusReason);
  }

  QWidget& tool_;
  QPointer<QWidget> owner_;
  std::optional<QRect> kept_;  // the frame's position and the contents' size when last hidden
};

}  // namespace

void make_tool_window(QWidget& tool, QWidget& owner) {
  tool.setParent(&owner, Qt::Tool);
  new ToolKeeper(tool, owner);
}

QRect beside(QSize frame, const QRect& main, const QRect& room) {
  frame = frame.boundedTo(room.size());
  int x = 0;
  if (room.right() - main.right() >= frame.width()) {
    x = main.right() + 1;
  } else if (main.left() - room.left() >= frame.width()) {
    x = main.left() - frame.width();
  } else {
    // Against one edge of the room: the one where it covers less of the main window.
    const int at_right = room.right() + 1 - frame.width();
    const int over_right = std::clamp(main.right() + 1 - at_right, 0, main.width());
    const int over_left = std::clamp(room.left() + frame.width() - main.left(), 0, main.width());
    x = over_right <= over_left ? at_right : room.left();
  }
  return inside(QRect(QPoint(x, main.top()), frame), room);
}

void place_beside(QWidget& tool, const QWidget& owner) {
  const QSize margins = frame_margins(tool, owner);
  const QRect frame = beside(tool.size() + margins, owner.frameGeometry(), owner.screen()->availableGeometry());
  set_frame(tool, frame, margins);
}

}  // namespace vorbento
