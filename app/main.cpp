// Vorbento: sizes the drive of one machine-tool feed axis. Builds the window
// and runs until it is closed; `--pdf` writes the report instead, headless.
#include <QApplication>

#include "app/pdf_command.h"
#include "ui/look/app_style.h"
#include "ui/window/main_window.h"

int main(int argc, char* argv[]) {
  // Before any application object: the PDF needs no display.
  if (vorbento::wants_pdf(argc, argv)) return vorbento::run_pdf_command(argc, argv);

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorbento"));
  QGuiApplication::setDesktopFileName(QStringLiteral("vorbento"));
  vorbento::apply_application_style();

  vorbento::MainWindow window;
  window.open();
  return QApplication::exec();
}
