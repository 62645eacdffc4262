// The window at work: focus order, typing and pasting into the engine, marks
// on bad input, page switches and the about box. A headless Calculator fed the
// same edits is the reference for every text the window must show.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include <array>
#include <memory>
#include <string>

#include "offscreen_test_main.h"
#include "presentation/marks/mark_words.h"
#include "shown_window.h"
#include "ui/marks/field_marks.h"
#include "ui/share/share_entries.h"
#include "ui/window/main_window.h"
#include "ui/window/tab_control.h"

using namespace vorbento;

namespace {

QString utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::array<QString, kFieldCount> shown(const MainWindow& w) {
  std::array<QString, kFieldCount> texts;
  for (std::size_t n = 0; n < kFieldCount; ++n) texts[n] = w.field(field_at(n))->text();
  return texts;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<Calculator> reference_;

  QLineEdit* field(Field f) const { return window_->field(f); }

  // Every field of both pages shows the reference's text and mark: a
  // problem of its own, else for a result whether it follows the inputs.
  void expect_reference_shown() {
    for (std::size_t n = 0; n < kFieldCount; ++n) {
      const Field f = field_at(n);
      QCOMPARE(field(f)->text(), utf8(reference_->text(f)));
      QCOMPARE(window_->calculator().text(f), reference_->text(f));
      const Problem p = reference_->mark(f);
      const bool stale = p == Problem::none && reference_->stale(f);
      QCOMPARE(field(f)->toolTip(), mark_words(*reference_, f));
      QCOMPARE(field(f)->font().italic(), stale);
    }
  }

  // Puts the focus in the field with all its text selected, as a user would
  // before typing over it.
  void select_all_of(Field f) {
    QLineEdit* edit = field(f);
    edit->setFocus(Qt::OtherFocusReason);
    QVERIFY(edit->hasFocus());
    edit->selectAll();
  }

 private slots:
  void init() {
    window_ = test::shown_window();
    QVERIFY(window_);
    reference_ = std::make_unique<Calculator>();
  }
  void cleanup() {
    window_.reset();
    reference_.reset();
  }

  void opens_on_the_input_page_with_the_initial_texts() {
    QCOMPARE(window_->tab_control()->current_index(), 0);
    QVERIFY(window_->tab_control()->page(0)->isVisible());
    QVERIFY(!window_->tab_control()->page(1)->isVisible());
    QCOMPARE(QApplication::focusWidget(), window_->tab_control()->strip());
    expect_reference_shown();
  }

  void tab_key_visits_the_inputs_in_their_order_and_returns_to_the_tab_control() {
    const char* order[] = {"ptk", "ltk", "dtf",   "dtk",   "pmk", "porso", "lmk",  "dmf",   "dmk", "pok", "lok",
                           "dof", "dok", "lorso", "dorso", "g",   "q",     "u",    "mmmax", "mm",  "jm",  "m",
                           "f",   "a",   "vg1",   "vg0",   "h",   "i",     "nmg0", "tg1",   "tg0", "tc",  "nmg1"};
    QWidget* strip = window_->tab_control()->strip();
    QCOMPARE(QApplication::focusWidget(), strip);
    for (const char* name : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromUtf8(name));
      // Tab selects the whole text, so typing replaces it.
      QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->selectedText(),
               qobject_cast<QLineEdit*>(QApplication::focusWidget())->text());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), strip);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("nmg1"));
  }

  void output_fields_take_no_focus() {
    window_->tab_control()->set_current_index(1);
    QWidget* strip = window_->tab_control()->strip();
    strip->setFocus();
    QTest::keyClick(strip, Qt::Key_Tab);
    // Nothing on the output page can hold the focus: it stays on the tabs.
    QVERIFY(QApplication::focusWidget() == strip || QApplication::focusWidget() == nullptr);
    for (std::size_t n = kInputFieldCount; n < kFieldCount; ++n) {
      QLineEdit* edit = field(field_at(n));
      const QString before = edit->text();
      QTest::mouseClick(edit, Qt::LeftButton);
      QTest::keyClicks(edit, "9");
      QVERIFY(!edit->hasFocus());
      QVERIFY(!edit->hasSelectedText());
      QCOMPARE(edit->text(), before);
    }
  }

  void typing_key_by_key_recomputes_the_hidden_output_page() {
    select_all_of(Field::m);
    QTest::keyClicks(field(Field::m), "45");
    reference_->edit(Field::m, "4");
    reference_->edit(Field::m, "45");
    QVERIFY(!window_->tab_control()->page(1)->isVisible());
    expect_reference_shown();
    QVERIFY(field(Field::jtomeg)->text() != QStringLiteral("0.0000190170"));
    // Shown as written once the page is opened.
    window_->tab_control()->set_current_index(1);
    reference_->tab_changed();
    expect_reference_shown();
  }

  // The ratio/motor-speed exchange never rewrites the field being typed in.
  void ratio_and_motor_speed_stay_as_typed() {
    const std::pair<Field, const char*> cases[] = {
        {Field::i, "1.5"}, {Field::i, "10"}, {Field::i, "12"}, {Field::nmg0, "7777"}, {Field::nmg0, "8760"}};
    for (const auto& [f, text] : cases) {
      cleanup();
      init();
      select_all_of(f);
      QTest::keyClicks(field(f), QString::fromLatin1(text));
      const std::string typed = text;
      for (std::size_t n = 1; n <= typed.size(); ++n) reference_->edit(f, typed.substr(0, n));
      QCOMPARE(field(f)->text(), QString::fromLatin1(text));
      expect_reference_shown();
    }
    QCOMPARE(field(Field::i)->text(), QStringLiteral("7.3"));  // from nmg0 = 8760
  }

  void typing_in_the_middle_keeps_the_cursor_where_it_was() {
    QLineEdit* edit = field(Field::dorso);
    edit->setFocus();
    edit->setCursorPosition(2);  // "0.|016"
    QTest::keyClick(edit, Qt::Key_2);
    reference_->edit(Field::dorso, "0.2016");
    QCOMPARE(edit->cursorPosition(), 3);
    expect_reference_shown();
  }

  void paste_cut_and_undo_are_edits_too() {
    QGuiApplication::clipboard()->setText(QStringLiteral("0.25"));
    select_all_of(Field::a);
    QTest::keySequence(field(Field::a), QKeySequence::Paste);
    reference_->edit(Field::a, "0.25");
    expect_reference_shown();

    field(Field::a)->setSelection(0, 2);  // cut "0."
    QTest::keySequence(field(Field::a), QKeySequence::Cut);
    reference_->edit(Field::a, "25");
    expect_reference_shown();

    QTest::keySequence(field(Field::a), QKeySequence::Undo);
    reference_->edit(Field::a, "0.25");
    expect_reference_shown();
  }

  void a_cleared_field_shows_zero() {
    select_all_of(Field::f);
    QTest::keyClick(field(Field::f), Qt::Key_Backspace);
    reference_->edit(Field::f, "");
    QCOMPARE(field(Field::f)->text(), QStringLiteral("0"));
    expect_reference_shown();
  }

  void bad_text_marks_the_field_until_it_is_a_number_again() {
    QLineEdit* edit = field(Field::g);
    const QColor normal = edit->palette().color(QPalette::Base);
    select_all_of(Field::g);
    QTest::keyClicks(edit, "9x");
    reference_->edit(Field::g, "9");
    reference_->edit(Field::g, "9x");
    QCOMPARE(edit->text(), QStringLiteral("9x"));  // kept as typed
    QCOMPARE(edit->toolTip(), QStringLiteral("Nem szám"));
    QCOMPARE(edit->palette().color(QPalette::Base), problem_tint());
    expect_reference_shown();

    QTest::keyClick(edit, Qt::Key_Backspace);
    reference_->edit(Field::g, "9");
    QCOMPARE(edit->toolTip(), QString());
    QCOMPARE(edit->accessibleDescription(), QString());
    QCOMPARE(edit->palette().color(QPalette::Base), normal);
    expect_reference_shown();

    select_all_of(Field::g);
    QTest::keyClicks(edit, "1e39");
    for (const char* t : {"1", "1e", "1e3", "1e39"}) reference_->edit(Field::g, t);
    QCOMPARE(edit->toolTip(), QStringLiteral("A szám túl nagy"));
    expect_reference_shown();
  }

  // A motor speed computed from a speed since retyped into no number shows
  // as a stale result does, though its text stays.
  void a_motor_speed_from_a_half_typed_speed_shows_stale() {
    for (const auto& [f, text] : {std::pair{Field::vg0, "0.25"}, {Field::nmg0, "2250"}, {Field::vg1, "0.05"}}) {
      field(f)->setText(QString::fromLatin1(text));
      reference_->edit(f, text);
    }
    select_all_of(Field::vg1);
    QTest::keyClicks(field(Field::vg1), QStringLiteral("3 m/min"));
    const std::string typed = "3 m/min";
    for (std::size_t n = 1; n <= typed.size(); ++n) reference_->edit(Field::vg1, typed.substr(0, n));
    QLineEdit* motor_speed = field(Field::nmg1);
    QCOMPARE(motor_speed->text(), QStringLiteral("27000.00"));
    QVERIFY(motor_speed->font().italic());
    QCOMPARE(motor_speed->palette().color(QPalette::Base), stale_tint());
    QCOMPARE(motor_speed->toolTip(), QStringLiteral("Nem követi a bemenő adatokat: V_G1 nem szám"));
    expect_reference_shown();
    // The copied table gives the same words in the motor speed's row.
    copy_results(window_->calculator());
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\t") + motor_speed->toolTip() +
                                                          QStringLiteral("\n")));
  }

  void an_overflowing_result_is_marked_on_the_output_page() {
    select_all_of(Field::vg0);
    QTest::keyClicks(field(Field::vg0), "1e37");
    for (const char* t : {"1", "1e", "1e3", "1e37"}) reference_->edit(Field::vg0, t);
    int overflowed = 0;
    for (std::size_t n = kInputFieldCount; n < kFieldCount; ++n)
      if (reference_->mark(field_at(n)) == Problem::overflow) {
        ++overflowed;
        QLineEdit* edit = field(field_at(n));
        QCOMPARE(edit->toolTip(), QStringLiteral("Az eredmény túl nagy"));
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Base), problem_tint());
      }
    QVERIFY(overflowed > 0);
    expect_reference_shown();
  }

  // The pages hidden at start are built after the first frame, or when first
  // asked for: edits made before then show as the engine has them, marks included.
  void results_built_late_show_the_current_texts_and_marks() {
    window_ = std::make_unique<MainWindow>();  // never shown: the output page is not built yet
    for (const auto& [f, text] : {std::pair{Field::m, "45"}, {Field::a, "-2"}, {Field::vg0, "1e37"}}) {
      window_->field(f)->setText(QString::fromLatin1(text));
      reference_->edit(f, text);
    }
    expect_reference_shown();
  }

  void switching_pages_changes_no_field_and_notifies_the_engine() {
    // The engine's page-switch handler recomputes the coupling's inertia; with
    // a coupling diameter that is no number, each run reports that failure.
    struct Failures : FieldObserver {
      int coupling = 0;
      void failed(Field f, Problem) override { coupling += f == Field::dtk; }
    } failures;
    select_all_of(Field::dtk);
    QTest::keyClicks(field(Field::dtk), "x");
    reference_->edit(Field::dtk, "x");
    window_->calculator().add_observer(&failures);
    const auto before = shown(*window_);

    TabControl* tabs = window_->tab_control();
    tabs->strip()->setFocus();
    QTest::keyClick(tabs->strip(), Qt::Key_Right);
    QCOMPARE(tabs->current_index(), 1);
    QCOMPARE(failures.coupling, 1);
    QTest::keyClick(tabs->strip(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->current_index(), 2);
    QCOMPARE(failures.coupling, 2);
    QTest::mouseClick(tabs->strip(), Qt::LeftButton, {}, tabs->strip()->tabRect(0).center());
    QCOMPARE(tabs->current_index(), 0);
    QCOMPARE(failures.coupling, 3);
    window_->calculator().remove_observer(&failures);

    QCOMPARE(shown(*window_), before);
    for (int n = 0; n < 3; ++n) reference_->tab_changed();
    expect_reference_shown();
  }

  // Ctrl+Tab, Ctrl+PgDn, Ctrl+PgUp away and back: the keyboard goes on in
  // the field it left, and the cursor where it was.
  void a_page_keeps_its_focused_field() {
    select_all_of(Field::lorso);
    field(Field::lorso)->setCursorPosition(1);
    TabControl* tabs = window_->tab_control();
    for (const auto& [away, back] : {std::pair{"Ctrl+Tab", "Ctrl+Shift+Tab"}, std::pair{"Ctrl+PgDown", "Ctrl+PgUp"},
                                     std::pair{"Ctrl+PgUp", "Ctrl+PgDown"}}) {
      QTest::keySequence(window_.get(), QKeySequence(QString::fromLatin1(away)));
      QVERIFY(tabs->current_index() != 0);
      QVERIFY(QApplication::focusWidget());  // the keys still reach the tabs
      QTest::keySequence(window_.get(), QKeySequence(QString::fromLatin1(back)));
      QCOMPARE(tabs->current_index(), 0);
      QCOMPARE(QApplication::focusWidget(), field(Field::lorso));
      QCOMPARE(field(Field::lorso)->cursorPosition(), 1);
    }
  }

  // The about box opens over the window and changes nothing: no field, no page.
  void the_about_box_changes_nothing() {
    select_all_of(Field::h);
    QTest::keyClicks(field(Field::h), "0.01");
    const auto before = shown(*window_);
    const int page = window_->tab_control()->current_index();
    window_->findChild<QAction*>(QStringLiteral("V02"))->trigger();
    auto* about = window_->findChild<QMessageBox*>(QStringLiteral("nevjegy"));
    QVERIFY(about);
    QTRY_VERIFY(about->isVisible());
    QVERIFY(about->informativeText().contains(QStringLiteral("GPL-3.0-or-later")));
    about->close();
    QCoreApplication::processEvents();
    QCOMPARE(shown(*window_), before);
    QCOMPARE(window_->tab_control()->current_index(), page);
    QVERIFY(window_->isVisible());
  }

  // The whole tab control shows: at its natural size where the screen has
  // room, maximised where it has not (the offscreen screen is 800 x 600).
  void opens_showing_the_whole_tab_control() {
    MainWindow w;
    w.open();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect available = w.screen()->availableGeometry();
    const QSize natural = w.natural_size();
    if (available.width() >= natural.width() + 16 && available.height() >= natural.height() + 40) {
      QVERIFY(!w.isMaximized());
      QCOMPARE(w.size(), natural);
      QVERIFY(w.centralWidget()->rect().contains(w.tab_control()->geometry()));
    } else {
      QVERIFY(w.isMaximized());
    }
  }

  void a_long_text_scrolls_inside_its_field() {
    QLineEdit* edit = field(Field::lorso);
    const QSize size = edit->size();
    select_all_of(Field::lorso);
    const QString text = QStringLiteral("0.85000000000000000000000000000001");
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->size(), size);
  }
};

VORBENTO_OFFSCREEN_TEST_MAIN(WindowTest)
#include "window_test.moc"
