// Where the file dialogs open: where the user works. A design with a file
// has its folder; until then, the folder of the last file chosen in any of
// the dialogs (opened, saved, exported) since the program started.
#pragma once

#include <QString>

namespace vorbento {

// The folder to start in for a design at `design_path` (empty: never saved).
QString start_folder(const QString& design_path);
// `chosen`, a file picked in a dialog, makes its folder the last one used.
void remember_folder(const QString& chosen);

}  // namespace vorbento
