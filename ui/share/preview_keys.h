// The print preview from the keyboard: Ctrl+P, or Enter on the pages,
// prints; Tab reaches every button of its toolbar; Escape closes it as before.
#pragma once

class QPrintPreviewDialog;

namespace vorbento {

void add_preview_keys(QPrintPreviewDialog& dialog);

}  // namespace vorbento
