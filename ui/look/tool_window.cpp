#include "ui/look/tool_window.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vorbento {

void make_tool_window(QWidget& tool, QWidget& owner) {
  tool.setParent(&owner, Qt::Tool);
}

void place_beside(QWidget& tool, const QWidget& owner) {
  const QRect room = owner.screen()->availableGeometry();
  const QRect main = owner.frameGeometry();
  QRect frame = tool.frameGeometry();
  frame.setSize(frame.size().boundedTo(room.size()));
  const int right_room = room.right() - main.right();
  const int left_room = main.left() - room.left();
  int x = right_room >= left_room ? main.right() + 1 : main.left() - frame.width();
  x = std::clamp(x, room.left(), room.right() + 1 - frame.width());
  const int y = std::clamp(main.top(), room.top(), room.bottom() + 1 - frame.height());
  tool.move(x, y);
}

}  // namespace vorbento
