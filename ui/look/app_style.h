// The look and the language the window is made for, the same on every desktop.
#pragma once

namespace vorbento {

// Call after QApplication exists, and again after giving it another palette.
// - Fusion: the pages are laid out to the pixel; a style with wider field
//   frames or margins would clip the texts.
// - Mnemonics ("Fájl", "Segítség") are underlined only while Alt is held, and
//   Alt with a letter never types into a field.
// - The desktop's highlight colour, darkened where needed so that selected
//   text on it can be read.
// - Qt's own texts (the fields' context menu) in Hungarian, whatever the
//   desktop's language; numbers are read as before, independent of it.
void apply_application_style();

}  // namespace vorbento
