// The toolkit's own file dialog opens with its Type and Date columns cut
// ("10 Dec…:26:52"): they are widened to what they hold, and the dialog with
// them, within the screen.
#pragma once

class QFileDialog;

namespace vorbento {

// Before the dialog is shown; it is widened as it shows. A column the user
// made wider stays as wide.
void fit_file_dialog(QFileDialog& dialog);

}  // namespace vorbento
