// The window as assistive technology sees it (through QAccessible, as the
// platform bridges do) and every way a field's text can change besides typing.
// A headless Calculator fed the same edits is the reference.
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <string>

#include "offscreen_test_main.h"
#include "presentation/placement/field_record.h"
#include "ui/window/main_window.h"
#include "ui/window/tab_control.h"

using namespace vorbento;

namespace {

QString utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

class AccessTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<Calculator> reference_;

  QLineEdit* field(Field f) const { return window_->field(f); }
  static QAccessibleInterface* access(QObject* o) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
    return a;
  }

  void expect_reference_shown() {
    for (std::size_t n = 0; n < kFieldCount; ++n) {
      const Field f = field_at(n);
      QCOMPARE(field(f)->text(), utf8(reference_->text(f)));
      QCOMPARE(window_->calculator().text(f), reference_->text(f));
    }
  }

 private slots:
  void init() {
    window_ = std::make_unique<MainWindow>();
    window_->resize(window_->natural_size());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    reference_ = std::make_unique<Calculator>();
  }
  void cleanup() {
    window_.reset();
    reference_.reset();
  }

  void every_change_of_an_input_text_is_an_edit() {
    // Voice control and screen readers set the whole text, or replace a part.
    QAccessibleEditableTextInterface* m = access(field(Field::m))->editableTextInterface();
    QVERIFY(m);
    m->replaceText(0, 2, QStringLiteral("60"));
    reference_->edit(Field::m, "60");
    expect_reference_shown();
    access(field(Field::vg0))->setText(QAccessible::Value, QStringLiteral("0.2"));
    reference_->edit(Field::vg0, "0.2");
    access(field(Field::h))->editableTextInterface()->insertText(5, QStringLiteral("5"));
    reference_->edit(Field::h, "0.0055");
    expect_reference_shown();
    // Any other caller of setText, including one that empties the field.
    field(Field::a)->setText(QStringLiteral("3"));
    reference_->edit(Field::a, "3");
    field(Field::f)->clear();
    reference_->edit(Field::f, "");
    expect_reference_shown();
    QCOMPARE(field(Field::f)->text(), QStringLiteral("0"));
    // Results take nothing from outside.
    QAccessibleInterface* result = access(field(Field::jossz));
    QVERIFY(!result->editableTextInterface());
    result->setText(QAccessible::Value, QStringLiteral("1"));
    expect_reference_shown();
  }

  void results_are_readable_and_read_only_inputs_editable() {
    for (const FieldRecord& p : field_records()) {
      QAccessibleInterface* a = access(field(p.field));
      const QAccessible::State s = a->state();
      QCOMPARE(a->text(QAccessible::Name), accessible_name(p.field));
      QCOMPARE(a->text(QAccessible::Value), field(p.field)->text());
      QAccessibleTextInterface* text = a->textInterface();
      QVERIFY(text);
      QCOMPARE(text->text(0, text->characterCount()), field(p.field)->text());
      QVERIFY(!s.disabled);
      QCOMPARE(bool(s.editable), is_input(p.field));
      QCOMPARE(bool(s.readOnly), !is_input(p.field));
      QCOMPARE(bool(s.focusable), is_input(p.field));
    }
  }

  void text_is_read_piece_by_piece_at_every_offset() {
    // A screen reader reads by character, word and line, the caret often
    // after the last character; every answer must come, and the pieces must
    // tile the text.
    using Unit = QAccessible::TextBoundaryType;
    for (const QString& typed : {QStringLiteral("2700"), QStringLiteral("1.5 e-3,  x"), QStringLiteral("ő😀ű")}) {
      field(Field::m)->setText(typed);
      QAccessibleTextInterface* t = access(field(Field::m))->textInterface();
      const int n = t->characterCount();
      for (Unit unit : {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
                        QAccessible::LineBoundary, QAccessible::NoBoundary}) {
        for (int k = -2; k <= n + 1; ++k) {
          int s = 0, e = 0, bs = 0, be = 0, as = 0, ae = 0;
          const QString at = t->textAtOffset(k, unit, &s, &e);
          const QString before = t->textBeforeOffset(k, unit, &bs, &be);
          t->textAfterOffset(k, unit, &as, &ae);
          if (k < 0 || k >= n) continue;
          QVERIFY2(s <= k && k < e && at == typed.mid(s, e - s), qPrintable(typed + " at " + QString::number(k)));
          QVERIFY(before.isEmpty() ? s == 0 : be == s);
          QVERIFY(e == n ? as == -1 : as == e);
        }
        QString tiled;
        for (int k = 0, s = 0, e = 0; k < n; k = e) tiled += t->textAtOffset(k, unit, &s, &e);
        QCOMPARE(tiled, typed);
      }
      // No attributes: one run, so a reader joining runs gets the whole text.
      int s = -1, e = -1;
      t->attributes(n - 1, &s, &e);
      QCOMPARE(typed.mid(s, e - s), typed);
    }
  }

  void every_field_is_labelled_by_its_description() {
    for (const FieldRecord& p : field_records()) {
      QAccessibleInterface* a = access(field(p.field));
      const auto labels = a->relations(QAccessible::Label);
      QCOMPARE(labels.size(), 1);
      auto* label = qobject_cast<QLabel*>(labels.front().first->object());
      QVERIFY(label);
      QCOMPARE(label->buddy(), field(p.field));
      // The description beside the field, not one of its fragments.
      QVERIFY(label->geometry().left() > field(p.field)->geometry().center().x());
      QVERIFY(label->text().size() > 10);
      const auto labelled = labels.front().first->relations(QAccessible::Labelled);
      QCOMPARE(labelled.size(), 1);
      QCOMPARE(labelled.front().first->object(), field(p.field));
    }
  }

  void invalid_state_follows_the_mark() {
    QAccessibleInterface* g = access(field(Field::g));
    g->setText(QAccessible::Value, QStringLiteral("abc"));
    QVERIFY(g->state().invalid);
    QCOMPARE(g->text(QAccessible::Description), QStringLiteral("Nem szám"));
    g->setText(QAccessible::Value, QStringLiteral("1e39"));
    QVERIFY(g->state().invalid);
    g->setText(QAccessible::Value, QStringLiteral("9.81"));
    QVERIFY(!g->state().invalid);
    QCOMPARE(g->text(QAccessible::Description), QString());
    // A bore wider than its wheel: the input is invalid, the inertia built on
    // it says why it no longer follows.
    access(field(Field::dmf))->setText(QAccessible::Value, QStringLiteral("0.05"));
    QVERIFY(access(field(Field::dmf))->state().invalid);
    QCOMPARE(access(field(Field::jmk))->text(QAccessible::Description),
             QStringLiteral("Nem követi a bemenő adatokat: d_mk nagyobb, mint D_mk"));
    access(field(Field::dmf))->setText(QAccessible::Value, QStringLiteral("0.008"));
    // An overflowed result is described, but was not entered wrongly.
    access(field(Field::vg0))->setText(QAccessible::Value, QStringLiteral("1e37"));
    int overflowed = 0;
    for (std::size_t n = kInputFieldCount; n < kFieldCount; ++n) {
      if (window_->calculator().mark(field_at(n)) != Problem::overflow) continue;
      ++overflowed;
      QAccessibleInterface* result = access(field(field_at(n)));
      QCOMPARE(result->text(QAccessible::Description), QStringLiteral("Az eredmény túl nagy"));
      QVERIFY(!result->state().invalid);
    }
    QVERIFY(overflowed > 0);
  }

  void formula_pictures_read_their_rows_as_text() {
    const QStringList one =
        access(window_->findChild<QLabel*>(QStringLiteral("Image1")))->text(QAccessible::Description).split(u'\n');
    const QStringList two =
        access(window_->findChild<QLabel*>(QStringLiteral("Image2")))->text(QAccessible::Description).split(u'\n');
    QCOMPARE(one.size(), 11);
    QCOMPARE(two.size(), 11);
    QCOMPARE(one[0], QStringLiteral("i = (n_mG0 * h) / (60 * V_G0)"));
    QCOMPARE(one[2], QStringLiteral("n_mG1 = (V_G1 / V_G0) * n_mG0"));
    QCOMPARE(one[3], QStringLiteral("t_gyG1 = t_lG1 = V_G1 / a"));
    QCOMPARE(one[5], QStringLiteral("J_tömeg = (h / 6,28)² * m"));
    QCOMPARE(one[7], QStringLiteral("J_ok = ((D_ok⁴ − d_ok⁴) * 3,14 * ρ_ok * l_ok) / 32"));
    QCOMPARE(one[10], QStringLiteral("J_össz = (J_tömeg + J_orsó + J_ok) / i² + J_mk + J_tk + J_m"));
    QCOMPARE(two[0], QStringLiteral("M_eG1 = ((μ * g * m + F) * h) / (η * 6,28 * i)"));
    QCOMPARE(two[7], QStringLiteral("P_gylG1 = ((6,28 * n_mG1) / 60)² * J_össz / t_gyG1"));
    QCOMPARE(two[10], QStringLiteral("M_átlag = √((M_gyG1² * t_gyG1 + M_eG1² * t_eG1 + M_lG1² * t_lG1 + "
                                     "M_gyG0² * t_gyG0 + M_eG0² * t_eG0 + M_lG0² * t_lG0) / t_c)"));
  }

  void pastes_from_spreadsheets_and_long_pastes() {
    QLineEdit* edit = field(Field::m);
    // Taken whole: cut to 32767 characters it would read as 1E+32766.
    const QString long_one = QStringLiteral("1") + QString(40000, u'0') + QStringLiteral("e-40000");
    QGuiApplication::clipboard()->setText(long_one);
    edit->setFocus();
    edit->selectAll();
    QTest::keySequence(edit, QKeySequence::Paste);
    QCOMPARE(edit->text(), long_one);
    QCOMPARE(window_->calculator().mark(Field::m), Problem::none);
    QCOMPARE(window_->calculator().value(Field::m), 1.0f);
    for (const QString& cell : {QStringLiteral("5\n"), QStringLiteral("5\r\n")}) {
      QGuiApplication::clipboard()->setText(cell);
      edit->selectAll();
      QTest::keySequence(edit, QKeySequence::Paste);
      // The toolkit keeps the line break; the engine reads it as a blank
      // (as core/number_text does once it takes one trailing line break).
      QCOMPARE(edit->text(), cell);
      reference_->edit(Field::m, edit->text().toStdString());
      QCOMPARE(window_->calculator().mark(Field::m), Problem::none);
      QCOMPARE(window_->calculator().value(Field::m), 5.0f);
      expect_reference_shown();
    }
  }

  void undo_brings_back_the_text_of_an_emptied_field() {
    QLineEdit* edit = field(Field::f);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("0"));
    QTest::keySequence(edit, QKeySequence::Undo);
    QCOMPARE(edit->text(), QStringLiteral("200"));
    // Deleting key by key: the undo brings back the last text before "0".
    edit->end(false);
    for (int n = 0; n < 3; ++n) QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("0"));
    QTest::keySequence(edit, QKeySequence::Undo);
    QCOMPARE(edit->text(), QStringLiteral("2"));
    for (const char* t : {"", "200", "20", "2", "", "2"}) reference_->edit(Field::f, t);
    expect_reference_shown();
  }
};

VORBENTO_OFFSCREEN_TEST_MAIN(AccessTest)
#include "access_test.moc"
