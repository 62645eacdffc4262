// The motor and screw check's window: made on first use, following every
// keystroke in either window, marked inputs named, its texts part of the design.
#include <QAction>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "offscreen_test_main.h"
#include "shown_window.h"
#include "ui/check/check_state.h"
#include "ui/check/check_window.h"
#include "ui/document/document_controller.h"
#include "ui/window/main_window.h"

using namespace vorbento;

namespace {

// The initial design as a program before the check saved it.
QByteArray version_one_document() {
  QJsonObject inputs;
  for (std::size_t n = 0; n < kInputFieldCount; ++n)
    inputs.insert(QString::fromUtf8(name(field_at(n))), QString::fromUtf8(info(field_at(n)).initial));
  const QJsonObject doc{{"format", "vorbento"}, {"version", 1}, {"inputs", inputs}};
  return QJsonDocument(doc).toJson();
}

}  // namespace

class CheckTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;

  QAction* entry() const { return window_->findChild<QAction*>(QStringLiteral("ellenorzes")); }
  CheckWindow* check() const { return window_->findChild<CheckWindow*>(); }
  // The table's row of a quantity, found by its symbol.
  QTableWidgetItem* value_of(const QString& symbol, int column = 2) const {
    QTableWidget* t = check()->table_view();
    for (int r = 0; r < t->rowCount(); ++r)
      if (t->item(r, 1) && t->item(r, 1)->text() == symbol) return t->item(r, column);
    return nullptr;
  }

 private slots:
  void init() {
    window_ = test::shown_window();
    QVERIFY(window_);
  }
  void cleanup() { window_.reset(); }

  void opens_beside_and_follows_the_pages() {
    QVERIFY(!check());
    QVERIFY(entry() && entry()->isCheckable());
    QCOMPARE(entry()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    QTest::keySequence(window_.get(), entry()->shortcut());
    QVERIFY(check() && check()->isVisible() && !check()->isModal());
    QCOMPARE(check()->windowTitle(), QStringLiteral("Ellenőrzés – Névtelen"));
    QCOMPARE(value_of(QStringLiteral("F_ax"))->text(), QStringLiteral("318.86"));
    test::retype(window_->field(Field::m), QStringLiteral("40"));
    QCOMPARE(value_of(QStringLiteral("F_ax"))->text(), QStringLiteral("358.48"));  // 80 + 78.48 + 200
    check()->close();
    QVERIFY(!entry()->isChecked());
  }

  void a_bad_input_is_marked_and_named() {
    entry()->trigger();
    QLineEdit* nmmax = check()->input(CheckInput::nmmax);
    QVERIFY(!nmmax->accessibleName().isEmpty());
    test::retype(nmmax, QStringLiteral("abc"));
    QCOMPARE(nmmax->toolTip(), QStringLiteral("Nem szám"));
    QTableWidgetItem* speed = value_of(QStringLiteral("n_mG0"), 4);  // its limit
    QVERIFY(speed->toolTip().contains(QStringLiteral("n_max: Nem szám")));
    QVERIFY(speed->background() != QBrush());
    QVERIFY(window_->isWindowModified());         // the check's texts belong to the design
    test::retype(nmmax, QStringLiteral("5000"));  // typed back as it was: no change to save
    QVERIFY(!window_->isWindowModified());
    QVERIFY(!speed->toolTip().contains(QStringLiteral("n_max")));
  }

  void a_version_one_file_gives_no_screw() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.vorbento"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(version_one_document());
    file.close();
    QVERIFY(window_->document().open_at_start(path));
    entry()->trigger();
    QCOMPARE(value_of(QStringLiteral("n_meg"))->text(), QStringLiteral("nincs megadva"));
    QCOMPARE(check()->bearing()->currentText(), QStringLiteral("nincs megadva"));
    QVERIFY(!window_->isWindowModified());
    window_->close();
    QVERIFY(!check()->isVisible());
  }
};

VORBENTO_OFFSCREEN_TEST_MAIN(CheckTest)
#include "check_test.moc"
