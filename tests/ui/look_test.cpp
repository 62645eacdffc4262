// What a reader sees: contrast measured on the rendered pixels under a light
// and a dark palette, scrolling on a small screen, the keyboard's way to the
// menus and pages, and Qt's own texts in Hungarian.
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include <memory>

#include "dark_palette.h"
#include "offscreen_test_main.h"
#include "presentation/look/colours.h"
#include "shown_window.h"
#include "ui/marks/field_marks.h"
#include "ui/window/main_window.h"
#include "ui/window/tab_control.h"

using namespace vorbento;

namespace {

// Contrast of the text in `area` of a rendering: its most common colour is the
// ground, the pixel farthest from it the core of the text.
double text_contrast(const QImage& shot, QRect area) {
  QHash<QRgb, int> counts;
  area &= shot.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[shot.pixel(x, y)];
  QRgb ground = 0;
  int most = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most) most = it.value(), ground = it.key();
  double best = 1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    best = std::max(best, contrast_ratio(QColor(it.key()), QColor(ground)));
  return best;
}

// Inside a field's frame, where its text is drawn.
QRect inside(const QWidget* w) { return w->rect().adjusted(3, 3, -3, -3); }

#define EXPECT_CONTRAST(ratio, least, what) \
  QVERIFY2((ratio) >= (least), qPrintable(QStringLiteral("%1: %2:1").arg(what).arg(ratio, 0, 'f', 2)))

}  // namespace

class LookTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;
  QPalette desktop_;
  QFont desktop_font_;

  void open_natural(const QPalette& palette) {
    QApplication::setPalette(palette);
    apply_application_style();
    window_ = test::shown_window();
    QVERIFY(window_);
  }
  TabControl* tabs() const { return window_->tab_control(); }
  void show_page(int n) {
    tabs()->set_current_index(n);
    QCoreApplication::processEvents();
  }

 private slots:
  void initTestCase() {
    desktop_ = QApplication::palette();
    desktop_font_ = QGuiApplication::font();
  }
  void cleanup() {
    window_.reset();
    QApplication::setPalette(desktop_);
    apply_application_style();
  }

  void every_text_reads_light_and_dark_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
  }
  void every_text_reads_light_and_dark() {
    QFETCH(bool, dark);
    open_natural(dark ? test::dark_palette() : desktop_);

    show_page(1);
    for (std::size_t n = kInputFieldCount; n < kFieldCount; ++n) {
      QLineEdit* edit = window_->field(field_at(n));
      const QPalette normal = edit->palette();
      EXPECT_CONTRAST(text_contrast(edit->grab().toImage(), inside(edit)), kResultContrast, edit->objectName());
      show_problem(*edit, normal, Problem::overflow);
      EXPECT_CONTRAST(text_contrast(edit->grab().toImage(), inside(edit)), kResultContrast,
                      edit->objectName() + QStringLiteral(" marked"));
      show_problem(*edit, normal, Problem::none);
    }

    // A figure too long for its box shows whole in the tooltip and to assistive technology.
    QLineEdit* jtomeg = window_->field(Field::jtomeg);
    const QString saved = jtomeg->text();
    jtomeg->setText(QStringLiteral("123456789012345678.0000000000"));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), jtomeg->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(jtomeg, &help);
    QCOMPARE(QToolTip::text(), jtomeg->text());
    QCOMPARE(QAccessible::queryAccessibleInterface(jtomeg)->text(QAccessible::Value), jtomeg->text());
    QToolTip::hideText();
    jtomeg->setText(saved);

    // Selected text: every Tab into a field selects it all.
    show_page(0);
    QLineEdit* jm = window_->field(Field::jm);
    jm->setFocus(Qt::TabFocusReason);
    jm->selectAll();
    const int selected = jm->fontMetrics().horizontalAdvance(jm->text());
    EXPECT_CONTRAST(text_contrast(jm->grab().toImage(), QRect(4, 4, selected - 4, jm->height() - 8)), kTextContrast,
                    QStringLiteral("selection"));

    show_page(2);
    for (const char* name : {"Frame1", "Frame2"}) {
      auto* frame = tabs()->page(2)->findChild<QGroupBox*>(QLatin1String(name));
      QVERIFY(frame);
      EXPECT_CONTRAST(text_contrast(frame->grab().toImage(), QRect(8, 0, 200, 14)), kTextContrast, name);
    }
    auto* credit = tabs()->page(2)->findChild<QLabel*>(QStringLiteral("Label12"));
    QVERIFY(credit);
    EXPECT_CONTRAST(text_contrast(credit->grab().toImage(), credit->rect()), kTextContrast, QStringLiteral("credit"));

    // The pages are white on a light desktop; the formulas black on white on both.
    const QImage page = tabs()->grab().toImage();
    if (!dark) QCOMPARE(QColor(page.pixel(10, 200)), QColor(255, 255, 255));
    auto* image1 = tabs()->page(2)->findChild<QLabel*>(QStringLiteral("Image1"));
    QCOMPARE(QColor(image1->grab().toImage().pixel(2, 2)), QColor(Qt::white));
    QCOMPARE(window_->field(Field::a)->palette().color(QPalette::Base), QColor(Qt::white));
  }

  // The test's screen is 1024 x 600 (small_screen.json), smaller than the window.
  void a_small_screen_scrolls_to_every_control_and_the_focus() {
    MainWindow w;
    w.open();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect available = w.screen()->availableGeometry();
    QVERIFY(available.contains(w.geometry()));
    QScrollArea* scroll = w.scroll_area();
    QVERIFY(scroll->horizontalScrollBar()->isVisible() && scroll->verticalScrollBar()->isVisible());
    // The whole client area, margin and tab control, lies within the scroll range.
    const QSize client = scroll->widget()->size();
    QCOMPARE(client, QSize(1019, 695));
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), client.width() - scroll->viewport()->width());
    QCOMPARE(scroll->verticalScrollBar()->maximum(), client.height() - scroll->viewport()->height());

    // Tab through every input: each one comes fully into view.
    QWidget* viewport = scroll->viewport();
    for (std::size_t n = 0; n < kInputFieldCount; ++n) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focused = QApplication::focusWidget();
      QVERIFY(focused);
      const QRect shown(focused->mapTo(viewport, QPoint(0, 0)), focused->size());
      QVERIFY2(viewport->rect().contains(shown), qPrintable(focused->objectName()));
    }
    QVERIFY(w.minimumWidth() >= 400 && w.minimumHeight() >= 300);
  }

  void a_large_screen_shows_no_scroll_bars() {
    open_natural(desktop_);
    QScrollArea* scroll = window_->scroll_area();
    QVERIFY(!scroll->horizontalScrollBar()->isVisible() && !scroll->verticalScrollBar()->isVisible());
    QCOMPARE(tabs()->mapTo(window_.get(), QPoint(0, 0)), QPoint(4, 4 + window_->menuBar()->height()));
  }

  void keys_reach_the_pages_and_menus() {
    open_natural(desktop_);
    QLineEdit* m = window_->field(Field::m);
    m->setFocus();
    for (auto key : {Qt::Key_Backtab, Qt::Key_Tab}) {
      QTest::keyClick(m, key, Qt::ControlModifier | Qt::ShiftModifier);
      QCOMPARE(tabs()->current_index(), 2);
      show_page(0);
      m->setFocus();
    }

    auto popup_after = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) -> QString {
      QTest::keyClick(m, key, modifiers);
      QWidget* popup = QApplication::activePopupWidget();
      const QString name = popup ? popup->objectName() : QString();
      // Escape closes the menu, a second one leaves the menu bar.
      for (int n = 0; n < 2; ++n) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      m->setFocus();
      return name;
    };
    QCOMPARE(popup_after(Qt::Key_F, Qt::AltModifier), QStringLiteral("fajl"));
    QCOMPARE(popup_after(Qt::Key_S, Qt::AltModifier), QStringLiteral("segitseg"));
    QCOMPARE(popup_after(Qt::Key_F10, Qt::NoModifier), QStringLiteral("fajl"));
    // Alt with any other letter is no typing either.
    const QString before = m->text();
    QTest::keyClick(m, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(m->text(), before);

    // The underline of "Fájl" only while Alt is down.
    QMenuBar* bar = window_->menuBar();
    auto underlined = [bar] { return bar->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, bar) != 0; };
    QVERIFY(!underlined());
    QTest::keyPress(m, Qt::Key_Alt, Qt::AltModifier);
    QVERIFY(underlined());
    QTest::keyRelease(m, Qt::Key_Alt);
    QVERIFY(!underlined());
  }

  // Drawn by the style rather than loaded: a clear arrow on a clear ground,
  // at the screen's scale too.
  void the_menu_bar_overflow_arrow_is_drawn() {
    const QIcon arrow = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    for (qreal scale : {1.0, 2.0}) {
      const QImage picture = arrow.pixmap(QSize(16, 16), scale).toImage();
      QCOMPARE(picture.size(), QSize(16, 16) * scale);
      QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
      int ink = 0;
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) ink += qAlpha(picture.pixel(x, y)) > 128;
      QVERIFY2(ink >= 4 * scale * scale && ink < picture.width() * picture.height() / 4,
               qPrintable(QString::number(ink)));
    }
  }

  // The pages borrow the application's font while they are built; the
  // dialogs and menus made afterwards still get the desktop's.
  void the_desktop_font_is_back_once_the_pages_stand() {
    open_natural(desktop_);
    for (int n = 0; n < tabs()->count(); ++n) tabs()->page(n);
    QCOMPARE(QGuiApplication::font(), desktop_font_);
    QCOMPARE(QLineEdit().font(), desktop_font_);
  }

  void the_context_menu_is_hungarian() {
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text().remove(u'&').section(u'\t', 0, 0);
    QVERIFY2(texts.contains(QStringLiteral("Visszavonás")) && texts.contains(QStringLiteral("Beillesztés")),
             qPrintable(texts.join(QStringLiteral(", "))));
  }
};

VORBENTO_OFFSCREEN_TEST_MAIN(LookTest)
#include "look_test.moc"
