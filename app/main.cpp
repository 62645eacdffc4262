// Vorbento: sizes the drive of one machine-tool feed axis. No command line, no
// configuration: build the window and run until it is closed.
#include <QApplication>
#include <QStyleFactory>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorbento"));
  QGuiApplication::setDesktopFileName(QStringLiteral("vorbento"));
  // The pages are laid out to the pixel; a style with wider field frames or
  // margins than Fusion's would clip the texts, so the look is fixed here.
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);

  vorbento::MainWindow window;
  window.open();
  return QApplication::exec();
}
