// A window that works beside the main window, as a palette does: the motion
// cycle's diagram and the motor and screw check.
#pragma once

class QWidget;

namespace vorbento {

// Makes `tool` a tool window of `owner`: it stays above the main window when
// the user clicks into the calculator, and closes with it.
void make_tool_window(QWidget& tool, QWidget& owner);

// Places `tool` beside `owner` where the screen's available area leaves room,
// otherwise at the screen's edge over the least of the owner, and always
// wholly inside the available area.
void place_beside(QWidget& tool, const QWidget& owner);

}  // namespace vorbento
