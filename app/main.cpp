// Vorbento: sizes the drive of one machine-tool feed axis. No command line, no
// configuration: build the window and run until it is closed.
#include <QApplication>

#include "ui/look/app_style.h"
#include "ui/window/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorbento"));
  QGuiApplication::setDesktopFileName(QStringLiteral("vorbento"));
  vorbento::apply_application_style();

  vorbento::MainWindow window;
  window.open();
  return QApplication::exec();
}
