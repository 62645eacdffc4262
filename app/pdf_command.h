// `vorbento --pdf OUT.pdf [FILE]`: the report of a document (or of the start
// state) written as a PDF without a window, and without a display.
#pragma once

namespace vorbento {

// Writes the report; 0 on success, else a Hungarian message on stderr and 1.
// Call instead of making the window's application, with no application
// object alive.
int run_pdf_command(int argc, char* argv[]);

}  // namespace vorbento
