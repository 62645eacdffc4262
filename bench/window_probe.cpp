// Start-up and keystroke probes of the real window, for bench/window_bench.py.
//
//   window_probe startup vorbento   the calculator's window
//   window_probe startup floor      a plain Qt window with as many line edits
//                                   and labels: what the toolkit costs anyway
//   window_probe startup empty      an empty QWidget window of the same size:
//                                   what any window costs
//   window_probe startup fonts      the empty window after loading the font
//                                   database, as the first text anywhere does
//   window_probe startup painted    a menu bar, three tabs and the input page's
//                                   captions and fields drawn by one widget:
//                                   the least its first frame can cost
//   window_probe keys               keystroke to repaint over a typing session
//   window_probe cycle              the same session with the motion-cycle
//                                   diagram open: keystroke to its repaint
//   window_probe check              the same with the motor and screw check
//                                   open: keystroke to its plane's repaint
//
// "startup" prints "first_paint_ns=<CLOCK_REALTIME> rss_kib=<VmRSS> hwm_kib=<VmHWM>"
// once the first frame of the window has been painted and flushed, then quits;
// the caller takes its own clock before starting the process.
#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/font_preload.h"
#include "bench/typing_session.h"
#include "presentation/look/fonts.h"
#include "presentation/placement/field_record.h"
#include "ui/check/check_plot.h"
#include "ui/check/check_window.h"
#include "ui/cycle/cycle_plot.h"
#include "ui/cycle/cycle_window.h"
#include "ui/look/app_style.h"
#include "ui/placement/label_layout.h"
#include "ui/window/main_window.h"

namespace {

long status_kib(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string k;
  long v = 0;
  while (status >> k) {
    if (k == key) {
      status >> v;
      return v;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

long long realtime_ns() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

// Fires once after the first paint of `w` has been handled (and flushed).
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QWidget* w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        std::printf("first_paint_ns=%lld rss_kib=%ld hwm_kib=%ld\n", realtime_ns(), status_kib("VmRSS:"),
                    status_kib("VmHWM:"));
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

// The toolkit's floor: a main window with a menu bar, three tabs, 54 line
// edits and 215 labels, nothing else.
QMainWindow* floor_window() {
  auto* w = new QMainWindow;
  w->menuBar()->addMenu(QStringLiteral("Fájl"))->addAction(QStringLiteral("Mentés"));
  auto* tabs = new QTabWidget;
  QWidget* pages[2] = {new QWidget, new QWidget};
  for (int n = 0; n < 215; ++n) {
    auto* l = new QLabel(QStringLiteral("(m) az orsó átmérője"), pages[n % 2]);
    l->setGeometry(10 + (n / 20) * 90, 10 + (n % 20) * 30, 88, 17);
  }
  for (int n = 0; n < 54; ++n) {
    auto* e = new QLineEdit(QStringLiteral("0.0000190170"), pages[n < 33 ? 0 : 1]);
    e->setGeometry(60 + (n / 20) * 90, 25 + (n % 20) * 30, 53, 24);
  }
  tabs->addTab(pages[0], QStringLiteral("Bemenő adatok"));
  tabs->addTab(pages[1], QStringLiteral("Kimenő adatok"));
  tabs->addTab(new QWidget, QStringLiteral("Felhasznált Képletek"));
  w->setCentralWidget(tabs);
  w->resize(1019, 720);
  return w;
}

// The input page as a picture: the same boxes, captions (in their fonts) and
// field frames with their initial texts, drawn by one widget, with no label,
// line edit or accessible interface behind them. What a window that showed
// the page before building it would need for its first frame at the least.
class PaintedInputPage : public QWidget {
 public:
  PaintedInputPage() : boxes_(vorbento::label_boxes(vorbento::Page::input)) { setFont(vorbento::vorbento_font()); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (const auto& b : boxes_) p.fillRect(b.box, palette().color(QPalette::Button));
    for (const auto& b : boxes_) {
      const double points = b.placement->points;
      p.setFont(points == vorbento::kControlPointSize ? font() : vorbento::vorbento_font(points));
      p.drawText(b.box.adjusted(b.indent, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                 QString::fromUtf8(b.placement->caption));
    }
    p.setFont(font());
    for (const auto& f : vorbento::field_records()) {
      if (!vorbento::is_input(f.field)) continue;
      QStyleOptionFrame frame;
      frame.initFrom(this);
      frame.rect = f.box.pixels();
      frame.lineWidth = 1;
      style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &p, this);
      const std::string_view text = vorbento::info(f.field).initial;
      p.drawText(frame.rect.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
  }

 private:
  std::vector<vorbento::LabelBox> boxes_;
};

QMainWindow* painted_window() {
  // The window's typeface everywhere, as the calculator has it: no second face.
  QApplication::setFont(vorbento::vorbento_font(vorbento::kWindowPointSize));
  auto* w = new QMainWindow;
  w->menuBar()->addMenu(QStringLiteral("Fájl"))->addAction(QStringLiteral("Mentés"));
  w->menuBar()->addMenu(QStringLiteral("Segítség"));
  auto* tabs = new QTabWidget;
  tabs->addTab(new PaintedInputPage, QStringLiteral("Bemenő adatok"));
  tabs->addTab(new QWidget, QStringLiteral("Kimenő adatok"));
  tabs->addTab(new QWidget, QStringLiteral("Felhasznált Képletek"));
  w->setCentralWidget(tabs);
  w->resize(1019, 720);
  return w;
}

int startup(const std::string& which) {
  QWidget* w = nullptr;
  if (which == "floor") {
    w = floor_window();
    w->show();
  } else if (which == "painted") {
    w = painted_window();
    w->show();
  } else if (which == "fonts") {
    QFontDatabase::families();  // what the first text of any window costs
    w = new QWidget;
    w->resize(1019, 720);
    w->show();
  } else if (which == "empty") {
    w = new QWidget;
    w->resize(1019, 720);
    w->show();
  } else {
    auto* v = new vorbento::MainWindow;
    v->open();
    w = v;
  }
  FirstPaint probe(w);
  const int rc = QApplication::exec();
  delete w;
  return rc;
}

// Counts paints of one widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Every input field cleared with Backspace and typed back, key by key; each
// key timed from its press to the repaint of the edited field.
int keys() {
  vorbento::MainWindow window;
  window.open();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  std::vector<double> ms;
  for (std::size_t n = 0; n < vorbento::kInputFieldCount; ++n) {
    QLineEdit* edit = window.field(vorbento::field_at(n));
    edit->setFocus();
    edit->end(false);
    const QString full = edit->text();
    std::vector<std::pair<Qt::Key, QString>> strokes;
    for (int k = 0; k < full.size(); ++k) strokes.emplace_back(Qt::Key_Backspace, QString());
    for (QChar c : full) strokes.emplace_back(Qt::Key_unknown, QString(c));
    PaintCounter counter;
    edit->installEventFilter(&counter);
    for (const auto& [key, text] : strokes) {
      const int before = counter.paints;
      const auto t0 = std::chrono::steady_clock::now();
      if (key == Qt::Key_Backspace) {
        QTest::keyClick(edit, Qt::Key_Backspace);
      } else {
        QTest::keyClicks(edit, text);
      }
      while (counter.paints == before) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      const auto t1 = std::chrono::steady_clock::now();
      ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    edit->removeEventFilter(&counter);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("keystrokes=%zu median_ms=%.3f p95_ms=%.3f worst_ms=%.3f\n", ms.size(), ms[ms.size() / 2],
              ms[ms.size() * 95 / 100], ms.back());
  return 0;
}

// The typing session of keys() with a window of its own open beside the
// main window (from the View menu's entry `entry`): each key that changes
// what it shows timed from its press to the end of its plot's repaint (the
// paint event is handled inside the processEvents call that sees it).
template <class Window>
int beside(const char* entry_name) {
  vorbento::MainWindow window;
  window.open();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  auto* entry = window.findChild<QAction*>(QString::fromLatin1(entry_name));
  if (!entry) return 1;
  entry->trigger();
  auto* beside = window.findChild<Window*>();
  if (!beside || !QTest::qWaitForWindowExposed(beside)) return 1;
  QWidget* plot = beside->plot();
  PaintCounter counter;
  plot->installEventFilter(&counter);
  std::vector<double> ms;
  int unchanged = 0;
  for (std::size_t n = 0; n < vorbento::kInputFieldCount; ++n) {
    QLineEdit* edit = window.field(vorbento::field_at(n));
    edit->setFocus();
    edit->end(false);
    const QString full = edit->text();
    std::vector<QString> strokes(static_cast<std::size_t>(full.size()));  // empty: Backspace
    for (QChar c : full) strokes.emplace_back(c);
    for (const QString& text : strokes) {
      const int before = counter.paints;
      const int refreshes = beside->refreshes();
      const auto t0 = std::chrono::steady_clock::now();
      if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
      else
        QTest::keyClicks(edit, text);
      // A key that changes nothing the window draws repaints nothing.
      if (beside->refreshes() == refreshes) {
        ++unchanged;
        QCoreApplication::processEvents();
        continue;
      }
      while (counter.paints == before) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      const auto t1 = std::chrono::steady_clock::now();
      ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
  }
  std::sort(ms.begin(), ms.end());
  std::printf("keystrokes=%zu unchanged=%d median_ms=%.3f p99_ms=%.3f worst_ms=%.3f\n", ms.size() + unchanged,
              unchanged, ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string mode = argc > 1 ? argv[1] : "";
  // The calculator's window (and its page drawn as a picture) starts as the
  // program starts it, reading the font configuration ahead; the other windows
  // as a plain Qt program does.
  std::optional<vorbento::FontPreload> fonts;
  const std::string window = argc > 2 ? argv[2] : "";
  if (mode == "keys" || mode == "cycle" || mode == "check" || window == "vorbento" || window == "painted")
    fonts.emplace();
  QApplication app(argc, argv);
  if (fonts) fonts->wait();
  vorbento::apply_application_style();  // the floor window gets the same style
  if (mode == "startup" && !window.empty()) return startup(window);
  if (mode == "keys") return keys();
  if (mode == "cycle") return beside<vorbento::CycleWindow>("mozgasciklus");
  if (mode == "check") return beside<vorbento::CheckWindow>("ellenorzes");
  std::fprintf(stderr,
               "usage: window_probe startup vorbento|floor|empty|fonts|painted | window_probe keys | window_probe cycle"
               " | window_probe check\n");
  return 2;
}
