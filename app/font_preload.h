// fontconfig reads its configuration and maps its font caches the first time
// any text is measured: a tenth of the window's start-up, none of which needs
// the display. FontPreload does it on a second thread while the main thread
// loads the platform plugin and connects to the display.
#pragma once

#include <thread>

namespace vorbento {

class FontPreload {
 public:
  // Made before the application object, to overlap its construction.
  FontPreload();
  ~FontPreload();
  FontPreload(const FontPreload&) = delete;
  FontPreload& operator=(const FontPreload&) = delete;

  // Waits until the configuration is read. Called before the first font is
  // used, so that the toolkit never reads it a second time alongside.
  void wait();

 private:
  std::thread reader_;
};

}  // namespace vorbento
