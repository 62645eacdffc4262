// A window that works beside the main window, as a palette does: the motion
// cycle's diagram and the motor and screw check.
#pragma once

#include <QRect>
#include <QSize>

#include <functional>
#include <limits>

class QAction;
class QMainWindow;
class QWidget;

namespace vorbento {

// Makes `tool` a tool window of `owner`: it stays above the main window when
// the user clicks into the calculator, and closes with it. Shown the first
// time, it stands beside the owner (place_beside); shown again, where the
// user last left it, at the size he gave it, as long as the program runs.
// Escape closes it, and the focus goes back to the owner's field that had it.
void make_tool_window(QWidget& tool, QWidget& owner);

// Places `tool` beside `owner` where the screen's available area leaves room
// (narrower than its size down to its least width), otherwise at the
// screen's edge over the least of the owner, and always wholly inside the
// available area, its window frame too.
void place_beside(QWidget& tool, const QWidget& owner);

// Where a window of `frame` size stands beside `main` inside `room` (all
// with their window frames): on the side of `main` with more room (the right
// one when both have as much), as wide as that room allows down to
// `least_width`; where neither side has that, at its full width against the
// edge of `room` that covers the least of `main`. Level with the top of
// `main` as far as `room` allows; a frame larger than `room` is shrunk to it.
QRect beside(QSize frame, const QRect& main, const QRect& room, int least_width = std::numeric_limits<int>::max());

// Makes the checkable `entry` open and close a tool window of `window`,
// made by `make` the first time it is asked for: the entry's check mark
// follows the tool window's visibility, whoever closes it, its shortcut works
// from the tool window too, and `retitle` is called on every opening and
// whenever the main window's title changes (the document's name).
void switch_tool_window(QMainWindow& window, QAction& entry, std::function<QWidget*()> make,
                        std::function<void(QWidget&)> retitle);

}  // namespace vorbento
