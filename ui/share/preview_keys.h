// The print preview from the keyboard: Ctrl+P, or Enter on the pages,
// prints; Tab reaches every button of its toolbar, and the button it is on
// is framed; Escape closes it as before.
#pragma once

class QPrintPreviewDialog;
class QScreen;

namespace vorbento {

void add_preview_keys(QPrintPreviewDialog& dialog);

// Sizes the preview for `screen`: its whole toolbar shown, the page large.
void fit_preview(QPrintPreviewDialog& dialog, const QScreen* screen);

}  // namespace vorbento
