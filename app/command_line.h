// What `vorbento` is asked to do from the command line. --help and --version
// are answered before any window exists, so they need no display.
#pragma once

#include <QString>

namespace vorbento {

struct CommandLine {
  QString file;  // the design to open at start; empty: a new one
};

// Prints the help or the version and exits 0 when either is asked for; else
// returns at once. Call before QApplication is made.
void answer_without_display(int argc, char* argv[]);

// Reads the arguments QApplication has left (its own options taken out);
// an unknown option prints the help's first lines and exits 1.
CommandLine read_command_line(const QStringList& arguments);

}  // namespace vorbento
