// The window under a real window manager (run by openbox_run.sh): maximised
// into the work area a panel leaves, every field the focus reaches is wholly
// inside the scroll area's viewport, and the viewport inside the work area,
// also when the focus got there before the window manager resized the window.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include "ui/look/app_style.h"
#include "ui/window/main_window.h"

using namespace vorbento;

namespace {

// Why the focused field is not wholly in view, or nothing.
QString cut_focus(const MainWindow& w) {
  QWidget* focused = QApplication::focusWidget();
  if (!focused) return QStringLiteral("no focus");
  QWidget* viewport = w.scroll_area()->viewport();
  const QRect shown(focused->mapTo(viewport, QPoint(0, 0)), focused->size());
  const QRect on_screen(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
  const QRect work = w.screen()->availableGeometry();
  if (viewport->rect().contains(shown) && work.contains(on_screen)) return {};
  return QStringLiteral("%1 at (%2,%3 %4x%5) in a viewport of %6x%7 at (%8,%9), work area %10x%11")
      .arg(focused->objectName())
      .arg(shown.x())
      .arg(shown.y())
      .arg(shown.width())
      .arg(shown.height())
      .arg(viewport->width())
      .arg(viewport->height())
      .arg(on_screen.x())
      .arg(on_screen.y())
      .arg(work.width())
      .arg(work.height());
}

// Waits until the window manager has maximised (or restored) the window and
// left it alone for a while.
bool settle(const MainWindow& w, bool maximised = true) {
  QElapsedTimer clock;
  clock.start();
  QRect last;
  qint64 still_since = 0;
  while (clock.elapsed() < 10000) {
    QTest::qWait(20);
    const QRect now = w.geometry();
    if (now != last) last = now, still_since = clock.elapsed();
    if (w.isMaximized() == maximised && w.frameGeometry() != now && clock.elapsed() - still_since > 400) return true;
  }
  return false;
}

}  // namespace

class MaximisedTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The window manager publishes its work area shortly after it starts.
    const QScreen* s = QGuiApplication::primaryScreen();
    QTRY_VERIFY_WITH_TIMEOUT(s->availableGeometry().height() < s->geometry().height(), 10000);
  }

  void tab_brings_every_field_wholly_into_view() {
    MainWindow w;
    w.open();
    QVERIFY2(settle(w), "the window manager did not maximise the window");
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (std::size_t n = 0; n < kInputFieldCount; ++n) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QTest::qWait(10);
      const QString cut = cut_focus(w);
      QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
  }

  void the_focus_stays_in_view_when_the_window_manager_resizes_the_window() {
    MainWindow w;
    w.open();
    w.field(Field::lok)->setFocus();  // before the window manager has maximised it
    QVERIFY2(settle(w), "the window manager did not maximise the window");
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.field(Field::lok));
    QString cut = cut_focus(w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    // Restored, the window is smaller than the work area: the field moves with it.
    w.showNormal();
    QVERIFY2(settle(w, false), "the window manager did not restore the window");
    cut = cut_focus(w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
  }
};

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  apply_application_style();
  MaximisedTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "maximised_test.moc"
