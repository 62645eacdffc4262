// `vorbento --results [FILE...]`: every field of each design on stdout, for
// scripts: the table "Eredmények másolása" copies, with the file and the
// field's name in front, or with --json the same as one JSON document. No
// application object, no display, no fonts.
#pragma once

#include "app/command_line.h"

namespace vorbento {

// 0 with the table on stdout; 1 with nothing on stdout when a FILE is refused
// (each refused one named on stderr) or stdout cannot be written.
int run_results_command(const CommandLine& command);

}  // namespace vorbento
