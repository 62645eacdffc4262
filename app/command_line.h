// What `vorbento` is asked to do from the command line. The whole command
// line is read before any application object that could need a display
// exists: --help, --version and every malformed command are answered with
// no display at all.
#pragma once

#include <QString>
#include <QStringList>

namespace vorbento {

struct CommandLine {
  enum class Mode { window, pdf, results };
  Mode mode = Mode::window;
  QStringList files;  // the designs, as given; none: a new one
  QString pdf;        // `--pdf OUT.pdf`: where the report goes instead of a window
};

// Prints the help or the version and exits 0 when either is asked for; an
// unknown option, a missing value, --pdf with --results or more than one FILE
// for the window is said on stderr with exit status 1. Qt's own options
// (-platform, -style, ...) are accepted and left for the application object.
// Call before any application object is made.
CommandLine read_command_line(int argc, char* argv[]);

}  // namespace vorbento
