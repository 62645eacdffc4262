#include "app/font_preload.h"

#include <fontconfig/fontconfig.h>

namespace vorbento {

// FcInit keeps what it read as fontconfig's current configuration, which the
// toolkit's font database then takes instead of reading its own.
FontPreload::FontPreload() : reader_([] { FcInit(); }) {}

FontPreload::~FontPreload() { wait(); }

void FontPreload::wait() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace vorbento
