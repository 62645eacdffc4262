// The look the window is laid out for, the same on every desktop.
#pragma once

namespace vorbento {

// The pages are laid out to the pixel; a style with wider field frames or
// margins than Fusion's would clip the texts. Call after QApplication exists.
void apply_application_style();

}  // namespace vorbento
