// The window as a user starts it: at its natural size, shown and active; and
// typing into one of its edits as a user does.
#pragma once

#include <QLineEdit>
#include <QTest>

#include <memory>

#include "ui/window/main_window.h"

namespace vorbento::test {

// Null when the window never became active.
inline std::unique_ptr<MainWindow> shown_window() {
  auto window = std::make_unique<MainWindow>();
  window->resize(window->natural_size());
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
  return window;
}

// Replaces an edit's whole text as a user types it: focus, select all, keys.
inline void retype(QLineEdit* edit, const QString& text) {
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

}  // namespace vorbento::test
