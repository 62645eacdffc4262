// The window as a user starts it: at its natural size, shown and active.
#pragma once

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

}  // namespace vorbento::test
