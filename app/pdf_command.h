// `vorbento --pdf OUT.pdf [FILE...]`: the report of a design (or of the start
// state) written as a PDF without a window, and without a display. Several
// designs make one PDF: their summary side by side, then each one's report.
#pragma once

#include "app/command_line.h"

namespace vorbento {

// Writes the report; 0 on success, else a Hungarian message on stderr and 1.
// All or nothing: a refused FILE leaves OUT as it was; an OUT that is one of
// the FILEs or an existing file that is no PDF is refused before any is read. Call instead of making
// the window's application, with no application object alive.
int run_pdf_command(int argc, char* argv[], const CommandLine& command);

}  // namespace vorbento
