// `--results` from the headless library alone: that this links at all shows
// the command needs neither Qt Widgets nor the report.
#include "app/command_line.h"
#include "app/results_command.h"

int main(int argc, char* argv[]) {
  const vorbento::CommandLine command = vorbento::read_command_line(argc, argv);
  return command.mode == vorbento::CommandLine::Mode::results ? vorbento::run_results_command(command) : 2;
}
