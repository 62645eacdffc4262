// Vorbento: sizes the drive of one machine-tool feed axis. `vorbento [FILE]`
// builds the window, opens FILE if one is named, and runs until it is closed;
// `vorbento --pdf OUT.pdf [FILE]` writes the report instead, headless.
#include <QApplication>

#include "app/command_line.h"
#include "app/pdf_command.h"
#include "ui/document/document_controller.h"
#include "ui/look/app_style.h"
#include "presentation/look/font_preload.h"
#include "ui/window/main_window.h"

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("Vorbento"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VORBENTO_VERSION));
  // Before the window's application object: the PDF needs no display.
  if (vorbento::answer_without_display(argc, argv)) return vorbento::run_pdf_command(argc, argv);

  vorbento::FontPreload fonts;
  QApplication app(argc, argv);
  fonts.wait();
  QGuiApplication::setDesktopFileName(QStringLiteral("vorbento"));
  const vorbento::CommandLine command = vorbento::read_command_line(QApplication::arguments());
  vorbento::apply_application_style();

  vorbento::MainWindow window;
  window.open();
  // A refused file leaves the new design; the message says why.
  if (!command.file.isEmpty()) window.document().open_at_start(command.file);
  return QApplication::exec();
}
