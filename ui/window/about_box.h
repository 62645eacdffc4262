// The help menu's version entry's box: what the program is, its version and licence.
#pragma once

class QMessageBox;
class QWidget;

namespace vorbento {

// Shown over `parent`, not blocking; it deletes itself when closed.
QMessageBox* show_about_box(QWidget* parent);

}  // namespace vorbento
