// Keeps the focused control of a scrolling client area wholly in view: when
// the focus moves (Tab, a shortcut, a click) and when the viewport changes
// size (the window manager maximises or resizes the window after the focus
// has already been placed).
#pragma once

#include <QObject>

class QScrollArea;
class QTabBar;
class QWidget;

namespace vorbento {

class FocusInView : public QObject {
 public:
  // `strip` is the tab strip, for which only its current tab is brought into view.
  FocusInView(QScrollArea* scroll, QTabBar* strip);

  // Scrolls so that `w` (a control of the client area) is in view with a margin.
  void show(QWidget* w);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QScrollArea* scroll_;
  QTabBar* strip_;
  bool queued_ = false;
};

}  // namespace vorbento
