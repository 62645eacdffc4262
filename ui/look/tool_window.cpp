#include "ui/look/tool_window.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace vorbento {

namespace {

// The frame's strips around a window's contents (title bar, borders).
QMargins margins_of(const QWidget& window) {
  const QRect frame = window.frameGeometry(), contents = window.geometry();
  return QMargins(std::max(0, contents.left() - frame.left()), std::max(0, contents.top() - frame.top()),
                  std::max(0, frame.right() - contents.right()), std::max(0, frame.bottom() - contents.bottom()));
}

// The room the window's frame takes around its contents. Before the window
// manager has framed the tool, the owner's frame stands in for it.
QMargins frame_margins(const QWidget& tool, const QWidget& owner) {
  const QMargins own = margins_of(tool);
  if (tool.testAttribute(Qt::WA_WState_Created) && !own.isNull()) return own;
  return margins_of(owner);
}

// Puts `frame` (the whole window) where it is inside the available area.
QRect inside(QRect frame, const QRect& room) {
  frame.setSize(frame.size().boundedTo(room.size()));
  frame.moveLeft(std::clamp(frame.left(), room.left(), room.right() + 1 - frame.width()));
  frame.moveTop(std::clamp(frame.top(), room.top(), room.bottom() + 1 - frame.height()));
  return frame;
}

// Sets the contents' place and size so that the frame around them stands at
// `frame`. Not move(): before the window manager has framed a window, X11
// puts its contents, not its frame, at the point given, and the title bar
// would stand a bar's height higher, off a small screen's top.
void set_frame(QWidget& tool, const QRect& frame, const QMargins& margins) {
  tool.setGeometry(frame.marginsRemoved(margins));
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
    if (event->type() == QEvent::Show)
      shown();
    else if (event->type() == QEvent::Hide)
      hidden();
    return false;
  }

 private:
  void shown() {
    if (!kept_) {
      place_beside(tool_, *owner_);
      return;
    }
    // The screens may have changed since: still wholly inside the available area.
    const QMargins margins = frame_margins(tool_, *owner_);
    const QRect room = owner_->screen()->availableGeometry();
    set_frame(tool_, inside(kept_->marginsAdded(margins), room), margins);
  }
  void hidden() {
    kept_ = tool_.geometry();
    if (!owner_->isVisible()) return;
    owner_->activateWindow();
    if (QWidget* field = owner_->focusWidget()) field->setFocus(Qt::OtherFocusReason);
  }

  QWidget& tool_;
  QPointer<QWidget> owner_;
  std::optional<QRect> kept_;  // the contents' place and size when last hidden
};

}  // namespace

void make_tool_window(QWidget& tool, QWidget& owner) {
  tool.setParent(&owner, Qt::Tool);
  new ToolKeeper(tool, owner);
}

QRect beside(QSize frame, const QRect& main, const QRect& room, int least_width) {
  frame = frame.boundedTo(room.size());
  const int least = std::min(least_width, frame.width());
  const int right_room = room.right() - main.right(), left_room = main.left() - room.left();
  int x = 0;
  if (std::max(right_room, left_room) >= least) {
    const bool right = right_room >= left_room;
    frame.setWidth(std::min(frame.width(), right ? right_room : left_room));
    x = right ? main.right() + 1 : main.left() - frame.width();
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
  const QMargins margins = frame_margins(tool, owner);
  const QSize extra(margins.left() + margins.right(), margins.top() + margins.bottom());
  const int least = std::max(tool.minimumWidth(), tool.minimumSizeHint().width()) + extra.width();
  const QRect frame = beside(tool.size() + extra, owner.frameGeometry(), owner.screen()->availableGeometry(), least);
  set_frame(tool, frame, margins);
}

namespace {

class ToolSwitch : public QObject {
 public:
  ToolSwitch(QMainWindow& window, QAction& entry, std::function<QWidget*()> make, std::function<void(QWidget&)> retitle)
      : QObject(&window), entry_(entry), make_(std::move(make)), retitle_(std::move(retitle)) {
    connect(&entry_, &QAction::toggled, this, [this](bool on) { on ? open() : close(); });
    connect(&window, &QWidget::windowTitleChanged, this, [this] {
      if (tool_) retitle_(*tool_);
    });
  }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() == QEvent::Hide && target == tool_) entry_.setChecked(false);
    return QObject::eventFilter(target, event);
  }

 private:
  void open() {
    if (!tool_) {
      tool_ = make_();
      tool_->installEventFilter(this);
      tool_->addAction(&entry_);
    }
    retitle_(*tool_);
    tool_->show();
    tool_->raise();
    tool_->activateWindow();
  }
  void close() {
    if (tool_) tool_->close();
  }

  QAction& entry_;
  std::function<QWidget*()> make_;
  std::function<void(QWidget&)> retitle_;
  // Its last Hide comes while it is being destroyed, when it is no tool window of its kind any more.
  QPointer<QWidget> tool_;
};

}  // namespace

void switch_tool_window(QMainWindow& window, QAction& entry, std::function<QWidget*()> make,
                        std::function<void(QWidget&)> retitle) {
  new ToolSwitch(window, entry, std::move(make), std::move(retitle));
}

}  // namespace vorbento
