// Renders the window once per page into PNG files, without a display:
//   vorbento-shot [directory] [scale] [dark|light] [FIELD=TEXT...]
// writes directory/screenshot-input.png, -output.png, -formulas.png and
// -cycle.png (the motion-cycle diagram's window), -check.png (the motor and
// screw check's window), the README's pictures
// (`vorbento-shot docs` renews them) and a way to check the look by eye. A
// scale of 2 renders as a high-DPI screen would; "dark" under a dark desktop
// palette; each FIELD=TEXT is typed into that input first ("m=abc", "tc=2").
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/ui/dark_palette.h"
#include "ui/look/app_style.h"
#include "ui/window/main_window.h"
#include "ui/window/tab_control.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc > 2) qputenv("QT_SCALE_FACTOR", argv[2]);
  QApplication app(argc, argv);
  vorbento::apply_application_style();
  if (argc > 3 && QByteArray(argv[3]) == "dark") {
    QApplication::setPalette(vorbento::test::dark_palette());
    vorbento::apply_application_style();
  }

  const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  vorbento::MainWindow window;
  for (int k = 4; k < argc; ++k) {
    const std::string edit = argv[k];
    const auto eq = edit.find('=');
    const auto f = vorbento::field_by_name(edit.substr(0, eq));
    if (eq == std::string::npos || !f) {
      std::fprintf(stderr, "vorbento-shot: not FIELD=TEXT: %s\n", argv[k]);
      return EXIT_FAILURE;
    }
    window.calculator().edit(*f, edit.substr(eq + 1));
  }
  // At its natural size whatever the (virtual) screen: the offscreen screen is
  // smaller than the window.
  window.resize(window.natural_size());
  window.show();
  const char* const names[] = {"input", "output", "formulas"};
  for (int page = 0; page < window.tab_control()->count() && page < 3; ++page) {
    window.tab_control()->set_current_index(page);
    QApplication::processEvents();
    const QString path = dir.filePath(QStringLiteral("screenshot-%1.png").arg(QString::fromLatin1(names[page])));
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "vorbento-shot: cannot write %s\n", qPrintable(path));
      return EXIT_FAILURE;
    }
    std::printf("%s\n", qPrintable(path));
  }
  // The diagram's window, opened from its menu entry as the user opens it.
  auto* entry = window.findChild<QAction*>(QStringLiteral("mozgasciklus"));
  if (!entry) return EXIT_FAILURE;
  entry->trigger();
  QApplication::processEvents();
  auto* cycle = window.findChild<QWidget*>(QStringLiteral("cycle_window"));
  const QString path = dir.filePath(QStringLiteral("screenshot-cycle.png"));
  if (!cycle || !cycle->grab().save(path)) {
    std::fprintf(stderr, "vorbento-shot: cannot write %s\n", qPrintable(path));
    return EXIT_FAILURE;
  }
  std::printf("%s\n", qPrintable(path));
  // The motor and screw check's window, from its menu entry too.
  auto* check_entry = window.findChild<QAction*>(QStringLiteral("ellenorzes"));
  if (!check_entry) return EXIT_FAILURE;
  check_entry->trigger();
  QApplication::processEvents();
  auto* check = window.findChild<QWidget*>(QStringLiteral("check_window"));
  const QString check_path = dir.filePath(QStringLiteral("screenshot-check.png"));
  if (!check || !check->grab().save(check_path)) {
    std::fprintf(stderr, "vorbento-shot: cannot write %s\n", qPrintable(check_path));
    return EXIT_FAILURE;
  }
  std::printf("%s\n", qPrintable(check_path));
  return EXIT_SUCCESS;
}
