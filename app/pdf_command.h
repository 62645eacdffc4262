// `vorbento --pdf OUT.pdf [FILE]`: the report of a document (or of the start
// state) written as a PDF without a window, and without a display.
#pragma once

namespace vorbento {

// Whether the command line asks for the PDF, before anything else is set up.
bool wants_pdf(int argc, char* argv[]);

// Writes the report; 0 on success, else a Hungarian message on stderr and
// 1 (the file or the PDF failed) or 2 (the command line is incomplete).
int run_pdf_command(int argc, char* argv[]);

}  // namespace vorbento
