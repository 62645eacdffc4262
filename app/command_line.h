// What `vorbento` is asked to do from the command line. The whole command
// line is read before any application object that could need a display
// exists: --help, --version and every malformed command are answered with
// no display at all.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "core/field.h"

namespace vorbento {

// `--set FIELD=TEXT`: TEXT typed into the input FIELD, as a user types it.
struct FieldEdit {
  Field field;
  std::string text;  // UTF-8, everything after the first "="
};

struct CommandLine {
  enum class Mode { window, pdf, results };
  Mode mode = Mode::window;
  QStringList files;             // the designs, as given; none: a new one
  QString pdf;                   // `--pdf OUT.pdf`: where the report goes instead of a window
  std::vector<FieldEdit> edits;  // made in this order after each FILE is opened
  bool json = false;             // `--results --json`: one JSON document instead of the table
};

// Prints the help or the version and exits 0 when either is asked for; an
// unknown option, a missing value, --pdf with --results, more than one FILE
// for the window, a --set of no input field or --set or --json where they do
// not belong is said on stderr with exit status 1. Qt's own options
// (-platform, -style, ...) are accepted and left for the application object.
// Call before any application object is made.
CommandLine read_command_line(int argc, char* argv[]);

}  // namespace vorbento
