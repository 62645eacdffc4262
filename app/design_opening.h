// Opening the designs named on the command line, for the commands that work
// without a window: each FILE as the window's "Megnyitás" opens it.
#pragma once

#include <QString>

#include "app/command_line.h"
#include "calc/check_inputs.h"
#include "calc/handlers.h"

namespace vorbento {

// Opens the design at `file` (a name as given on the command line) into
// `calculator`, from the start state. A refused file is said on stderr,
// "vorbento: FILE: why", and leaves `calculator` and `checks` as they were.
bool open_design(const QString& file, Calculator& calculator, CheckTexts& checks);

// Types each `--set` text into its field, in the order given, as a user would.
void make_edits(const CommandLine& command, Calculator& calculator);

// A message of the command line's own on stderr, after "vorbento: ".
void say(const QString& message);

}  // namespace vorbento
