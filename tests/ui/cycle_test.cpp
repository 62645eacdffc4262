// The motion-cycle diagram's window: made on first use, following every
// keystroke, marked quantities named under the plot, copied as a picture,
// closed with the main window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>

#include <QHeaderView>
#include <QPainter>
#include <QScreen>

#include "offscreen_test_main.h"
#include "presentation/cycle/cycle_painter.h"
#include "presentation/look/fonts.h"
#include "presentation/plot/plot_text.h"
#include "shown_window.h"
#include "ui/cycle/cycle_plot.h"
#include "ui/cycle/cycle_table_view.h"
#include "ui/cycle/cycle_window.h"
#include "ui/look/symbol_cell_delegate.h"
#include "ui/look/tool_window.h"
#include "ui/window/main_window.h"

using namespace vorbento;

class CycleTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;

  QAction* entry() const { return window_->findChild<QAction*>(QStringLiteral("mozgasciklus")); }
  CycleWindow* cycle() const { return window_->findChild<CycleWindow*>(); }
  QString shown(Field f) const { return QString::fromStdString(window_->calculator().text(f)); }
  void type_into(Field f, const QString& text) { test::retype(window_->field(f), text); }

 private slots:
  void init() {
    window_ = test::shown_window();
    QVERIFY(window_);
  }
  void cleanup() { window_.reset(); }

  void opens_from_its_menu_and_closes_with_the_main_window() {
    // Nothing of it exists until it is asked for: start-up stays as it was.
    QVERIFY(!cycle());
    auto* view = window_->findChild<QMenu*>(QStringLiteral("nezet"));
    QVERIFY(view);
    QCOMPARE(view->title(), QStringLiteral("&Nézet"));
    QVERIFY(entry() && entry()->isCheckable() && !entry()->shortcut().isEmpty());
    QTest::keySequence(window_.get(), entry()->shortcut());
    QVERIFY(cycle() && cycle()->isVisible());
    QVERIFY(entry()->isChecked());
    QCOMPARE(cycle()->windowTitle(), QStringLiteral("Mozgásciklus – Névtelen"));
    QVERIFY(cycle()->isWindow());
    QVERIFY(!cycle()->isModal());
    // Its shortcut closes it from its own window too; closed by its own button, the entry follows.
    QTest::keySequence(cycle(), entry()->shortcut());
    QVERIFY(!cycle()->isVisible());
    entry()->trigger();
    cycle()->close();
    QVERIFY(!entry()->isChecked());
    entry()->trigger();
    QVERIFY(cycle()->isVisible());
    window_->close();
    QVERIFY(!cycle()->isVisible());
  }

  // Beside the main window where there is room, else against the edge of the
  // available area that covers least of it; never outside that area.
  void a_tool_window_stands_beside_or_at_the_edge_inside_the_room() {
    const QRect room(0, 0, 1920, 1050);
    QCOMPARE(beside({900, 700}, QRect(0, 0, 1000, 800), room), QRect(1000, 0, 900, 700));
    QCOMPARE(beside({900, 700}, QRect(1000, 100, 900, 800), room), QRect(100, 100, 900, 700));
    // No room on either side: over the main window's narrower strip, at the right edge here.
    QCOMPARE(beside({900, 700}, QRect(300, 400, 1200, 800), room), QRect(1020, 350, 900, 700));
    QCOMPARE(beside({900, 700}, QRect(500, 0, 1200, 800), room), QRect(0, 0, 900, 700));
    // Larger than the room: shrunk to it, wholly inside.
    QCOMPARE(beside({2500, 1200}, QRect(-50, -20, 1200, 800), room), room);
    // A main window centred by the window manager: 451 px left of it, 449 right; the more
    // room is on the left, and the window narrows to it rather than covering the input column.
    const QRect centred(451, 40, 1019, 700);
    QCOMPARE(beside({897, 700}, centred, room, 330), QRect(0, 40, 451, 700));
    QCOMPARE(beside({897, 700}, centred.translated(-2, 0), room, 330), QRect(1468, 40, 452, 700));
    // Less than its least width on both sides (1366 px): at full width over the least of it.
    QCOMPARE(beside({640, 700}, QRect(173, 0, 1019, 700), QRect(0, 0, 1366, 738), 330), QRect(726, 0, 640, 700));
  }

  void opens_beside_the_main_window_and_keeps_its_place_when_reopened() {
    const QRect room = window_->screen()->availableGeometry();
    window_->move(room.topLeft());
    QTest::keySequence(window_.get(), entry()->shortcut());
    QVERIFY(QTest::qWaitForWindowExposed(cycle()));
    QVERIFY(cycle()->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(cycle()->parentWidget(), window_.get());
    QVERIFY(room.contains(cycle()->frameGeometry()));
    // On 1920 x 1080 there is room right of the main window: none of it covered.
    QCOMPARE(cycle()->frameGeometry().left(), window_->frameGeometry().right() + 1);
    // Moved and resized by the user, it comes back there.
    const QRect moved(cycle()->pos() - QPoint(40, 0) + QPoint(0, 30), cycle()->size() - QSize(60, 50));
    cycle()->resize(moved.size());
    cycle()->move(moved.topLeft());
    cycle()->close();
    entry()->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(cycle()));
    QCOMPARE(QRect(cycle()->pos(), cycle()->size()), moved);
    QVERIFY(room.contains(cycle()->frameGeometry()));
  }

  void escape_closes_it_and_the_focus_returns_to_the_field() {
    QLineEdit* field = window_->field(Field::tg1);
    field->setFocus(Qt::OtherFocusReason);
    QTest::keySequence(window_.get(), entry()->shortcut());
    // A tool window counts as active with its owner: wait for the diagram itself.
    QTRY_COMPARE(QApplication::activeWindow(), cycle());
    cycle()->table()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(cycle()->table(), Qt::Key_Escape);
    QVERIFY(!cycle()->isVisible());
    QVERIFY(!entry()->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), field);
  }

  // Also run on a 1366 x 768 screen at 200 %: the window, frame and all,
  // inside the available area; the plot at its least height, where it still
  // reads, the table scrolling with a few rows in sight (today's fault: one).
  void stays_whole_inside_the_screen() {
    entry()->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(cycle()));
    QVERIFY(cycle()->screen()->availableGeometry().contains(cycle()->frameGeometry()));
    CycleTableView* table = cycle()->table();
    const int rows = table->viewport()->height() / table->rowHeight(0);
    QVERIFY2(rows >= 3, qPrintable(QStringLiteral("%1 of %2 rows in sight").arg(rows).arg(table->rowCount())));
    QVERIFY(cycle()->plot()->height() >= cycle()->plot()->minimumHeight());
  }

  void follows_every_keystroke_and_names_marked_inputs() {
    entry()->trigger();
    auto* table = cycle()->table();
    const QString before = table->item(0, 3)->text();
    type_into(Field::m, QStringLiteral("45"));
    // The torque rows follow at once, each the result's text as the output page shows it.
    QVERIFY(table->item(0, 3)->text() != before);
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("M_gyG1 = ") + shown(Field::mgyg1));
    QCOMPARE(table->item(3, 3)->text(), QStringLiteral("M_gyG0 = ") + shown(Field::mgyg0));
    QCOMPARE(table->item(5, 3)->text(), QStringLiteral("−M_lG0, ahol M_lG0 = ") + shown(Field::mlg0));
    QCOMPARE(table->item(8, 3)->text(), QStringLiteral("M_átlag = ") + shown(Field::matlag));

    // A bad cycle time: on its tint in the table, named under the plot with its tooltip's words.
    type_into(Field::tc, QStringLiteral("-1"));
    const QString words = window_->field(Field::tc)->toolTip();
    QVERIFY(!words.isEmpty());
    QCOMPARE(table->item(9, 1)->toolTip(), words);
    const auto& notes = cycle()->data().notes;
    const auto note =
        std::find_if(notes.begin(), notes.end(), [](const CycleNote& n) { return n.symbol == QStringLiteral("t_c"); });
    QVERIFY(note != notes.end());
    QVERIFY(note->words.startsWith(words));
    // Put right, the note goes.
    type_into(Field::tc, QStringLiteral("3.5"));
    QVERIFY(std::none_of(cycle()->data().notes.begin(), cycle()->data().notes.end(),
                         [](const CycleNote& n) { return n.symbol == QStringLiteral("t_c"); }));

    // Edits while it is closed show when it opens again.
    cycle()->close();
    type_into(Field::m, QStringLiteral("60"));
    entry()->trigger();
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("M_gyG1 = ") + shown(Field::mgyg1));
  }

  // The painter stays inside its target on a screen-sized image and on one
  // of a 300-dpi page, with many notes under the plot: the report places
  // other blocks right around it.
  void paints_inside_its_target_at_any_resolution() {
    type_into(Field::m, QStringLiteral("30kg"));
    type_into(Field::tg1, QStringLiteral("x"));
    const CycleData data = cycle_data(window_->calculator());
    QVERIFY(data.notes.size() >= 5);
    for (const int dpi : {96, 300}) {
      const qreal scale = dpi / 96.0;
      QImage image((QSizeF(900, 700) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
      image.setDotsPerMeterX(qRound(dpi / 0.0254));
      image.setDotsPerMeterY(qRound(dpi / 0.0254));
      const QColor outside(1, 2, 3);
      image.fill(outside);
      const QRect target = QRectF(QPointF(40, 30) * scale, QSizeF(800, 600) * scale).toRect();
      {
        QPainter p(&image);
        paint_cycle(p, target, data, printed_cycle_style());
      }
      int stray = 0;
      for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
          if (!target.contains(x, y) && image.pixelColor(x, y) != outside) ++stray;
      QCOMPARE(stray, 0);
      // The bottom note is drawn: the last rows of the target are not all blank.
      bool inked = false;
      for (int y = target.bottom() - static_cast<int>(40 * scale); y <= target.bottom() && !inked; ++y)
        for (int x = target.left(); x < target.left() + static_cast<int>(300 * scale) && !inked; ++x)
          inked = image.pixelColor(x, y) != QColor(Qt::white);
      QVERIFY2(inked, qPrintable(QString::number(dpi)));
    }
  }

  // A label is as tall as its subscript's descenders reach ("gy"): the next
  // row, a label's ground or the figure under the symbol starts below them.
  void a_label_holds_its_subscripts_descenders() {
    for (const int dpi : {96, 300}) {
      QImage image(QSize(400, 200) * dpi / 96, QImage::Format_ARGB32_Premultiplied);
      image.setDotsPerMeterX(qRound(dpi / 0.0254));
      image.setDotsPerMeterY(qRound(dpi / 0.0254));
      image.fill(Qt::white);
      const CycleStyle style = printed_cycle_style();
      qreal bottom = 0;
      {
        QPainter p(&image);
        PlotText pen(p, style.family, style.points);
        draw_label(p, pen, style, {QStringLiteral("M_gyG1"), QStringLiteral("0.8"), PlotMark::none, Qt::black},
                   QPointF(10, 10));
        bottom = 10 + pen.symbol_line();
      }
      int inked = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (image.pixelColor(x, y) != QColor(Qt::white)) inked = y;
      QVERIFY2(inked < bottom,
               qPrintable(QStringLiteral("%1 dpi: ink to %2, label to %3").arg(dpi).arg(inked).arg(bottom)));
    }
  }

  // The table's cells: symbols written with subscripts, a long text cut to its cell with "…".
  void a_cell_writes_subscripts_and_cuts_a_long_text() {
    const QFont font = vorbento_font();
    QWidget device;
    const CellLine short_line = fit_line(QStringLiteral("M_gyG1 = 0.82296700"), font, &device, 400);
    QCOMPARE(short_line.text, QStringLiteral("MgyG1 = 0.82296700"));
    QCOMPARE(short_line.subscripts.size(), 1);
    QVERIFY(!short_line.cut);
    const QString long_text = QStringLiteral("t_c = ") + QString(500, QLatin1Char('9'));
    const CellLine cut = fit_line(long_text, font, &device, 150);
    QVERIFY(cut.cut);
    QVERIFY(cut.text.startsWith(QStringLiteral("tc = 99")));
    QVERIFY(cut.text.endsWith(QStringLiteral("…")));
    QVERIFY(cut.width <= 150);
  }

  void the_plot_is_described_and_copied_as_a_picture() {
    entry()->trigger();
    CyclePlot* plot = cycle()->plot();
    QVERIFY(!plot->accessibleName().isEmpty());
    QVERIFY(plot->accessibleDescription().endsWith(QLatin1Char('.')));
    QApplication::clipboard()->clear();
    QVERIFY(QTest::qWaitForWindowExposed(cycle()));
    // The right click's menu, its one entry chosen as a user would.
    QTimer::singleShot(0, this, [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu);
      QCOMPARE(menu->actions().size(), 1);
      QCOMPARE(menu->actions().front()->text(), QStringLiteral("Diagram másolása"));
      menu->actions().front()->trigger();
      menu->close();
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, plot->rect().center(), plot->mapToGlobal(plot->rect().center()));
    QApplication::sendEvent(plot, &click);
    const QImage copied = QApplication::clipboard()->image();
    QVERIFY(!copied.isNull());
    QCOMPARE(copied.size(), (QSizeF(plot->size()) * plot->devicePixelRatioF()).toSize());
    // The diagram, not an empty ground: a good share of the pixels is drawn.
    int drawn = 0;
    for (int y = 0; y < copied.height(); y += 3)
      for (int x = 0; x < copied.width(); x += 3) drawn += copied.pixel(x, y) != copied.pixel(0, 0);
    QVERIFY2(drawn * 9 > copied.width() * copied.height() / 50, qPrintable(QString::number(drawn)));
  }

  // Without the mouse: Tab reaches the plot, which shows that it has the
  // focus; Ctrl+C and the context-menu key copy it.
  void the_keyboard_reaches_the_plot_and_copies_it() {
    entry()->trigger();
    CyclePlot* plot = cycle()->plot();
    QTRY_COMPARE(QApplication::activeWindow(), cycle());
    cycle()->table()->setFocus(Qt::OtherFocusReason);
    const QImage unfocused = plot->grab().toImage();
    QTest::keyClick(cycle()->table(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(plot->hasFocus());
    QVERIFY(plot->grab().toImage() != unfocused);

    QApplication::clipboard()->clear();
    QTest::keySequence(plot, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->image().size(), (QSizeF(plot->size()) * plot->devicePixelRatioF()).toSize());

    QApplication::clipboard()->clear();
    QTimer::singleShot(0, this, [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu);
      QTest::keyClick(menu, Qt::Key_Down);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    // The context-menu key, as the X11 platform hands it to the focused widget.
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), plot->mapToGlobal(QPoint()));
    QApplication::sendEvent(plot, &key);
    QVERIFY(!QApplication::clipboard()->image().isNull());
  }
};

VORBENTO_OFFSCREEN_TEST_MAIN(CycleTest)
#include "cycle_test.moc"
