// What `vorbento` is asked to do from the command line. --help and --version
// are answered before any window exists, so they need no display.
#pragma once

#include <QString>

namespace vorbento {

struct CommandLine {
  QString file;  // the design to open at start (or to report); empty: a new one
  QString pdf;   // `--pdf OUT.pdf`: where the report goes instead of a window
};

// Prints the help or the version and exits 0 when either is asked for, or a
// malformed option's error and exits 1; else says whether the report is
// asked for as a PDF, which needs no display. Call before any application
// object is made.
bool answer_without_display(int argc, char* argv[]);

// Reads the arguments QApplication has left (its own options taken out);
// an unknown option prints the help's first lines and exits 1.
CommandLine read_command_line(const QStringList& arguments);

}  // namespace vorbento
