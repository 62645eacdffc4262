// Vorbento: sizes the drive of one machine-tool feed axis. `vorbento [FILE]`
// builds the window, opens FILE if one is named, and runs until it is closed;
// `vorbento --pdf OUT.pdf [FILE...]` writes the report instead, headless;
// `vorbento --results [FILE...]` writes every field for a script, without
// starting the GUI at all.
#include <QApplication>

#include "app/command_line.h"
#include "app/font_preload.h"
#include "app/pdf_command.h"
#include "app/results_command.h"
#include "core/version.h"
#include "ui/document/document_controller.h"
#include "ui/look/app_style.h"
#include "ui/window/main_window.h"

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("Vorbento"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VORBENTO_VERSION));
  // Before any application object that could look for a display.
  const vorbento::CommandLine command = vorbento::read_command_line(argc, argv);
  switch (command.mode) {
    case vorbento::CommandLine::Mode::results:
      return vorbento::run_results_command(command);
    case vorbento::CommandLine::Mode::pdf:
      return vorbento::run_pdf_command(argc, argv, command);
    case vorbento::CommandLine::Mode::window:
      break;
  }

  vorbento::FontPreload fonts;
  QApplication app(argc, argv);
  fonts.wait();
  QGuiApplication::setDesktopFileName(QStringLiteral("vorbento"));
  vorbento::apply_application_style();

  vorbento::MainWindow window;
  window.open();
  // A refused file leaves the new design; the message says why.
  if (!command.files.isEmpty()) window.document().open_at_start(command.files.front());
  return QApplication::exec();
}
