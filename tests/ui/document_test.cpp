// The window's design as a file: what is saved comes back byte for byte, a
// refused file or a failed save changes nothing, and no way of closing a
// design with changes loses them without asking. The questions and file
// dialogs are answered by the test.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/resource.h>

#include <csignal>
#include <deque>
#include <memory>

#include "document/document_file.h"
#include "offscreen_test_main.h"
#include "ui/document/document_controller.h"
#include "ui/window/main_window.h"

using namespace vorbento;

namespace {

struct Answers {
  std::deque<QMessageBox::StandardButton> questions;
  QString save_path;  // empty: the dialog is cancelled
  QString open_path;
  int asked = 0;
  QStringList failures;
};

class TestDialogs : public DocumentDialogs {
 public:
  explicit TestDialogs(Answers& a) : a_(a) {}
  QMessageBox::StandardButton ask_to_save(QWidget*, const QString&) override {
    ++a_.asked;
    if (a_.questions.empty()) return QMessageBox::Cancel;
    const auto answer = a_.questions.front();
    a_.questions.pop_front();
    return answer;
  }
  QString save_path(QWidget*, const QString&) override { return a_.save_path; }
  QString open_path(QWidget*, const QString&) override { return a_.open_path; }
  void show_failure(QWidget*, const QString& sentence, const QString& reason) override {
    a_.failures << sentence + u'\n' + reason;
  }

 private:
  Answers& a_;
};

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void write_file(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class DocumentTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<QTemporaryDir> dir_;
  Answers answers_;

  DocumentController& document() { return window_->document(); }
  QLineEdit* field(Field f) { return window_->field(f); }
  QString path(const char* name) { return dir_->filePath(QString::fromUtf8(name)); }
  void choose(const char* name) { answers_.save_path = answers_.open_path = path(name); }
  void trigger(const char* action) {
    auto* a = window_->findChild<QAction*>(QString::fromLatin1(action));
    QVERIFY2(a, action);
    a->trigger();
  }
  QStringList texts() {
    QStringList all;
    for (std::size_t n = 0; n < kFieldCount; ++n) all << field(field_at(n))->text();
    return all;
  }
  // A saved design with one changed input, then a further change on screen.
  void saved_then_changed() {
    field(Field::m)->setText(QStringLiteral("420"));
    choose("saved.vorbento");
    QVERIFY(document().save_as());
    field(Field::m)->setText(QStringLiteral("99"));
    QVERIFY(document().is_modified());
  }

 private slots:
  void init() {
    answers_ = {};
    dir_ = std::make_unique<QTemporaryDir>();
    window_ = std::make_unique<MainWindow>();
    document().set_dialogs(std::make_unique<TestDialogs>(answers_));
    window_->show();
  }
  void cleanup() { window_.reset(); }

  void title_and_modified_follow_the_texts() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Névtelen[*] – Vorbento"));
    QVERIFY(!window_->isWindowModified());
    QLineEdit* edit = field(Field::mm);  // no formula reads it, no other input follows it
    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_7);
    QVERIFY(window_->isWindowModified());
    QTest::keyClick(edit, Qt::Key_Backspace);  // back to the text last given
    QVERIFY(!window_->isWindowModified());
    QTest::keyClick(edit, Qt::Key_7);
    choose("axis");  // the suffix is added
    trigger("mentes");
    QCOMPARE(document().file_path(), path("axis.vorbento"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("axis.vorbento[*] – Vorbento"));
    QVERIFY(!window_->isWindowModified());
  }

  void round_trip_keeps_every_text_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QStringLiteral("1234.5");
    QTest::newRow("blanks") << QStringLiteral("  7 ");
    QTest::newRow("decimal comma") << QStringLiteral("0,25");
    QTest::newRow("no number") << QStringLiteral("abc");
    QTest::newRow("beyond latin") << QStringLiteral("ő😀ű");
    QTest::newRow("10 MB") << QString(10 * 1024 * 1024, u'9');
  }
  void round_trip_keeps_every_text() {
    QFETCH(QString, text);
    field(Field::f)->setText(text);
    field(Field::dorso)->setText(text);
    const QStringList before = texts();
    choose("round.vorbento");
    trigger("mentes");
    QCOMPARE(texts(), before);  // saving changes no field
    const QByteArray saved = contents(path("round.vorbento"));
    QCOMPARE(saved.toStdString(), write_document(input_texts(window_->calculator()), window_->check_texts()));

    trigger("uj");
    QCOMPARE(field(Field::f)->text(), QStringLiteral("200"));
    trigger("megnyitas");
    QCOMPARE(answers_.failures, QStringList());
    QVERIFY(field(Field::f)->text() == text);
    QVERIFY(field(Field::dorso)->text() == text);
    QVERIFY(!window_->isWindowModified());
    for (std::size_t n = 0; n < kInputFieldCount; ++n) QVERIFY(!field(field_at(n))->isUndoAvailable());
    QVERIFY(document().save());
    QVERIFY(contents(path("round.vorbento")) == saved);
  }

  void a_refused_file_changes_nothing_data() {
    QTest::addColumn<QByteArray>("bytes");  // empty: a folder stands at the path
    QTest::newRow("folder") << QByteArray();
    QTest::newRow("not json") << QByteArray("{\"format\": \"vorbento\",");
    QTest::newRow("other format") << QByteArray(R"({"format": "other", "version": 1, "inputs": {}})");
  }
  void a_refused_file_changes_nothing() {
    QFETCH(QByteArray, bytes);
    saved_then_changed();
    if (bytes.isEmpty())
      QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("bad.vorbento")));
    else
      write_file(path("bad.vorbento"), bytes);
    const QStringList before = texts();
    field(Field::m)->setFocus();
    QTest::keyClick(field(Field::m), Qt::Key_1);
    answers_.questions = {QMessageBox::Discard};
    choose("bad.vorbento");
    QVERIFY(!document().open());
    // Judged before anything is asked; the message names the file first.
    QCOMPARE(answers_.asked, 0);
    QCOMPARE(answers_.failures.size(), 1);
    QVERIFY2(answers_.failures[0].startsWith(bytes.isEmpty() ? QStringLiteral("„bad.vorbento” nem olvasható.\n")
                                                             : QStringLiteral("„bad.vorbento” nem Vorbento-terv.\n")),
             qPrintable(answers_.failures[0]));
    QCOMPARE(field(Field::m)->text(), QStringLiteral("991"));
    QTest::keySequence(field(Field::m), QKeySequence::Undo);  // the history is kept too
    QCOMPARE(texts(), before);
    QCOMPARE(document().file_path(), path("saved.vorbento"));
    QVERIFY(window_->isWindowModified());
  }

  // Root writes where permissions say no: a file's size limit stops the
  // write instead, as a full disk would.
  void a_failed_save_keeps_the_old_file_and_the_changes() {
    saved_then_changed();
    const QByteArray old = contents(path("saved.vorbento"));
    field(Field::lorso)->setText(QString(1 << 20, u'8'));
    const QStringList before = texts();
    rlimit saved_limit{};
    getrlimit(RLIMIT_FSIZE, &saved_limit);
    const auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_limit;
    small.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = document().save();
    setrlimit(RLIMIT_FSIZE, &saved_limit);
    std::signal(SIGXFSZ, saved_handler);
    QVERIFY(!saved);
    QCOMPARE(answers_.failures.size(), 1);
    QVERIFY(contents(path("saved.vorbento")) == old);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{QStringLiteral("saved.vorbento")});
    QCOMPARE(texts(), before);
    QVERIFY(window_->isWindowModified());

    // Nowhere to put it: a file stands where the folder should be, or a
    // folder where the file should be. The reason is named.
    write_file(path("plain"), "x");
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("taken.vorbento")));
    for (const char* where : {"plain/axis.vorbento", "taken.vorbento"}) {
      choose(where);
      QVERIFY(!document().save_as());
      QVERIFY2(
          answers_.failures.last().contains(where == QStringLiteral("taken.vorbento") ? QStringLiteral("mappa áll")
                                                                                      : QStringLiteral("nem mappa")),
          qPrintable(answers_.failures.last()));
    }
    QCOMPARE(document().file_path(), path("saved.vorbento"));
    QVERIFY(window_->isWindowModified());
  }

  // Closing, Új and Megnyitás on a design with changes: cancel keeps it,
  // discard drops it, save saves it first; a failed save is a cancel.
  void the_question_before_a_design_goes_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("save_fails");
    for (const char* command : {"close", "uj", "megnyitas"}) {
      QTest::addRow("%s cancel", command) << command << int(QMessageBox::Cancel) << false;
      QTest::addRow("%s discard", command) << command << int(QMessageBox::Discard) << false;
      QTest::addRow("%s save", command) << command << int(QMessageBox::Save) << false;
      QTest::addRow("%s save fails", command) << command << int(QMessageBox::Save) << true;
    }
  }
  void the_question_before_a_design_goes() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, save_fails);
    // The design to open, then the one on screen with changes.
    field(Field::a)->setText(QStringLiteral("2.5"));
    choose("other.vorbento");
    QVERIFY(document().save());
    saved_then_changed();
    if (save_fails)  // a folder now stands where the design was saved
      QVERIFY(QFile::remove(path("saved.vorbento")) && QDir(dir_->path()).mkdir(QStringLiteral("saved.vorbento")));
    answers_.questions = {QMessageBox::StandardButton(answer)};
    answers_.open_path = path("other.vorbento");
    if (command == QStringLiteral("close"))
      window_->close();
    else
      trigger(command.toLatin1().constData());
    QCOMPARE(answers_.asked, 1);

    const bool goes = answer == QMessageBox::Discard || (answer == QMessageBox::Save && !save_fails);
    if (answer == QMessageBox::Save && !save_fails) QVERIFY(contents(path("saved.vorbento")).contains("\"m\": \"99\""));
    if (!goes) {
      QCOMPARE(field(Field::m)->text(), QStringLiteral("99"));
      QVERIFY(window_->isWindowModified());
      QVERIFY(window_->isVisible());
      return;
    }
    if (command == QStringLiteral("close")) {
      QVERIFY(!window_->isVisible());
      return;
    }
    if (command == QStringLiteral("uj")) {
      QCOMPARE(field(Field::m)->text(), QStringLiteral("30"));
      QCOMPARE(field(Field::a)->text(), QStringLiteral("2"));
      QCOMPARE(window_->windowTitle(), QStringLiteral("Névtelen[*] – Vorbento"));
    }
    if (command == QStringLiteral("megnyitas")) {
      QCOMPARE(field(Field::a)->text(), QStringLiteral("2.5"));
      QCOMPARE(field(Field::m)->text(), QStringLiteral("30"));
      QCOMPARE(window_->windowTitle(), QStringLiteral("other.vorbento[*] – Vorbento"));
    }
    QVERIFY(!window_->isWindowModified());
  }

  void an_unchanged_design_goes_without_a_question() {
    trigger("uj");
    window_->close();
    QCOMPARE(answers_.asked, 0);
    QVERIFY(!window_->isVisible());
  }

  void a_dropped_file_opens_and_types_nothing() {
    field(Field::g)->setText(QStringLiteral("9.8"));
    choose("drop.vorbento");
    QVERIFY(document().save());
    trigger("uj");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("drop.vorbento"))});
    data.setText(QUrl::fromLocalFile(path("drop.vorbento")).toString());
    QLineEdit* target = field(Field::h);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(target->text(), QStringLiteral("0.005"));  // no address typed in
    QTRY_COMPARE(field(Field::g)->text(), QStringLiteral("9.8"));
    QCOMPARE(document().file_path(), path("drop.vorbento"));
  }

  void the_question_is_hungarian() {
    std::unique_ptr<QMessageBox> box(save_question(window_.get(), QStringLiteral("axis.vorbento")));
    QCOMPARE(box->button(QMessageBox::Save)->text(), QStringLiteral("Mentés"));
    QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("Mégse"));
    QVERIFY(box->button(QMessageBox::Discard)->text() != QStringLiteral("Discard"));
    QVERIFY(box->text().contains(QStringLiteral("axis.vorbento")));
  }
};

VORBENTO_OFFSCREEN_TEST_MAIN(DocumentTest)
#include "document_test.moc"
