// The sizing leaving the window: a result's right-click menu, what lands on
// the clipboard, the PDF and the print preview.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>

#include <memory>

#include "document/document_file.h"
#include "offscreen_test_main.h"
#include "presentation/placement/field_record.h"
#include "report/field_rows.h"
#include "shown_window.h"
#include "ui/document/document_controller.h"
#include "ui/window/main_window.h"
#include "ui/window/tab_control.h"

using namespace vorbento;

class ShareTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;

  QAction* file_entry(const QString& name) const { return window_->findChild<QAction*>(name); }

  // A right click on a result, through the window system as a mouse gives it.
  QMenu* right_click(Field f) {
    QLineEdit* edit = window_->field(f);
    const QPoint at = edit->mapTo(window_.get(), edit->rect().center());
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    return window_->findChild<QMenu*>(QStringLiteral("resultMenu"));
  }

 private slots:
  void init() {
    window_ = test::shown_window();
    QVERIFY(window_);
    // A wrong mass: marked itself, and the results built on it go stale.
    QLineEdit* mass = window_->field(Field::m);
    mass->setFocus(Qt::OtherFocusReason);
    mass->selectAll();
    QTest::keyClicks(mass, QStringLiteral("30kg"));
    window_->tab_control()->set_current_index(1);
    QApplication::clipboard()->clear();
  }
  void cleanup() { window_.reset(); }

  void one_value_as_shown() {
    QMenu* menu = right_click(Field::mgyg1);
    QVERIFY(menu && menu->isVisible());
    const auto entries = menu->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->text(), QStringLiteral("Érték másolása"));
    QCOMPARE(entries[1]->text(), QStringLiteral("Eredmények másolása"));
    entries[0]->trigger();
    QCOMPARE(QApplication::clipboard()->text(), window_->field(Field::mgyg1)->text());
    // Copying changes nothing about the field: no focus, no selection.
    QLineEdit* edit = window_->field(Field::mgyg1);
    QCOMPARE(edit->focusPolicy(), Qt::NoFocus);
    QVERIFY(!edit->hasFocus());
    QVERIFY(!edit->hasSelectedText());
  }

  // Every field in field order with the text and the tooltip's words the
  // window shows; the same rows as HTML.
  void the_table_as_shown() {
    QTest::keySequence(window_.get(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasText() && data->hasHtml());
    QStringList lines = data->text().split(u'\n');
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 1 + static_cast<qsizetype>(kFieldCount));
    QCOMPARE(lines[0], QStringLiteral("Jel\tÉrték\tMértékegység\tLeírás\tMegjegyzés"));
    int marked = 0;
    for (std::size_t n = 0; n < kFieldCount; ++n) {
      const QLineEdit* edit = window_->field(field_at(n));
      const QStringList cells = lines[static_cast<qsizetype>(n) + 1].split(u'\t');
      QVERIFY2(cells.size() == (edit->toolTip().isEmpty() ? 4 : 5), qPrintable(lines[static_cast<qsizetype>(n) + 1]));
      QCOMPARE(cells[1], edit->text());
      QCOMPARE(cells.value(4), edit->toolTip());
      if (cells.size() == 5) ++marked;
    }
    QVERIFY(marked > 1);  // the mass and the results built on it
    QCOMPARE(data->html().count(QStringLiteral("<tr>")), 1 + static_cast<qsizetype>(kFieldCount));
    QVERIFY(data->html().contains(QStringLiteral(">M<sub>gyG1</sub></td>")));
    // A spreadsheet under a decimal-comma locale reads the numbers by their
    // value and keeps a bad text as text.
    QVERIFY(data->html().contains(QStringLiteral("<td sdval=\"9.81\" sdnum=\"1033;0;0.00\" x:num=\"9.81\">9.81</td>")));
    QVERIFY(data->html().contains(QStringLiteral("sdnum=\"1033;0;@\" style=\"mso-number-format:'\\@'\">30kg</td>")));
  }

  // The PDF through its file dialog, its text as a reader copies it out.
  QString exported_text(const QString& path) {
    QTimer::singleShot(0, this, [path] {
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
      }
    });
    file_entry(QStringLiteral("exportalasPdf"))->trigger();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(VORBENTO_PDFTOTEXT),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
  }

  // Whether the window's figures are those of the file, and every field's
  // unit as its accessible name gives it, also where the page leaves it out.
  void the_report_says_what_it_shows() {
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("tengely.vorbento"));
    {
      QFile file(design);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(QByteArray::fromStdString(write_document(input_texts(window_->calculator()), window_->check_texts())));
    }
    QVERIFY(window_->document().open_at_start(design));
    const QString unchanged = exported_text(dir.filePath(QStringLiteral("a.pdf")));
    QVERIFY2(unchanged.contains(QStringLiteral("tengely.vorbento\n")), qPrintable(unchanged.left(300)));
    QVERIFY(!unchanged.contains(QStringLiteral("nem mentett")));
    window_->field(Field::f)->setText(QStringLiteral("250"));
    QVERIFY(exported_text(dir.filePath(QStringLiteral("b.pdf")))
                .contains(QStringLiteral("tengely.vorbento (nem mentett módosításokkal)")));

    // A text of megabytes is cut in its cell and says so; the report grows
    // by a few lines, not by pages of digits.
    window_->field(Field::f)->setText(QString(5 * 1024 * 1024, u'9'));
    const QString cut = exported_text(dir.filePath(QStringLiteral("c.pdf")));
    QVERIFY2(cut.contains(QStringLiteral("karakter kimaradt)")), qPrintable(cut.left(600)));
    QVERIFY(cut.size() < unchanged.size() + 1000);
    QVERIFY(cut.count(u'\f') <= unchanged.count(u'\f') + 1);

    const std::vector<FieldRow> rows = field_rows(window_->calculator());
    for (const FieldRow& row : rows) {
      const QString name = accessible_name(row.field);
      const QString unit = name.endsWith(u')') ? name.mid(name.lastIndexOf(u'(') + 1).chopped(1) : QString();
      QCOMPARE(row.unit, unit);
    }
  }

  // The texts of the file list that its columns cut, once the list is read
  // (Névtelen.pdf is in the folder); the whole row must be in view too.
  static QString cut_columns(QFileDialog& dialog) {
    auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!tree) return QStringLiteral("no list");
    for (int n = 0; n < 100 && tree->model()->rowCount(tree->rootIndex()) == 0; ++n) QTest::qWait(20);
    QString cut;
    const QFontMetrics metrics(tree->font());
    const QHeaderView* head = tree->header();
    if (head->sectionViewportPosition(3) + head->sectionSize(3) > tree->viewport()->width())
      cut += QStringLiteral("row ");
    for (int row = 0; row < tree->model()->rowCount(tree->rootIndex()); ++row)
      for (int column : {2, 3}) {
        const QString text = tree->model()->index(row, column, tree->rootIndex()).data().toString();
        if (metrics.horizontalAdvance(text) + 8 > head->sectionSize(column)) cut += text + QLatin1Char(' ');
      }
    return cut;
  }

  // The PDF through its file dialog: named after the window's document,
  // its list's columns whole, written.
  void pdf_from_the_menu() {
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("tengely.vorbento"));
    {
      QFile file(design);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(QByteArray::fromStdString(write_document(input_texts(window_->calculator()), window_->check_texts())));
    }
    for (const QString& expected : {QStringLiteral("Névtelen.pdf"), QStringLiteral("tengely.pdf")}) {
      if (expected.startsWith(u't')) QVERIFY(window_->document().open_at_start(design));
      const QString path = dir.filePath(expected);
      QString offered, folder, cut = QStringLiteral("not shown");
      QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        offered = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        folder = dialog->directory().absolutePath();
        if (expected.startsWith(u't')) cut = cut_columns(*dialog);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // the dialog's own check, as the Save button
      });
      file_entry(QStringLiteral("exportalasPdf"))->trigger();
      QCOMPARE(offered, expected);
      if (expected.startsWith(u't')) QVERIFY2(cut.isEmpty(), qPrintable(cut));
      // Where the user works: the folder last used, then the design's own.
      if (expected.startsWith(u't')) QCOMPARE(folder, QDir(dir.path()).absolutePath());
      QFile pdf(path);
      QVERIFY(pdf.open(QIODevice::ReadOnly));
      QVERIFY(pdf.read(5) == "%PDF-");
    }
  }

  // A file chosen for the PDF that is no PDF (a design) is refused with the
  // program's box, before any question about replacing it, and left byte-identical.
  void pdf_never_over_a_design() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tengely.pdf"));
    const QByteArray design =
        QByteArray::fromStdString(write_document(input_texts(window_->calculator()), initial_check_texts()));
    {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(design);
    }
    QString said;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      QTimer::singleShot(0, this, [&said] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        said = box->text() + u' ' + box->informativeText();
        box->accept();
      });
      dialog->selectFile(path);
      static_cast<QDialog*>(dialog)->accept();
    });
    file_entry(QStringLiteral("exportalasPdf"))->trigger();
    QCOMPARE(said, QStringLiteral("„tengely.pdf” nem menthető. A fájl már létezik, és nem PDF: "
                                  "„%1”.")
                       .arg(QDir::toNativeSeparators(path)));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), design);
  }

  void print_preview_shows_the_report() {
    int pages = 0;
    QTimer::singleShot(0, this, [&pages] {
      auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) pages = preview->pageCount();
      dialog->reject();
    });
    file_entry(QStringLiteral("nyomtatas"))->trigger();
    // The inputs, the results, the two formula pictures.
    QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
  }
  // From the keyboard: Ctrl+P and Enter print, Tab reaches the toolbar's
  // Print button and it shows the focus, Escape still closes the preview.
  void print_preview_from_the_keyboard() {
    int printed = 0;
    bool tab_reaches_print = false, closed = false, focus_shown = false;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      QAction* print = nullptr;
      for (QAction* a : dialog->findChildren<QAction*>())
        if (a->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print")) print = a;
      if (!print) return;
      // Counted, not printed: the action's own slot would open the system's print dialog.
      print->disconnect(dialog);
      connect(print, &QAction::triggered, this, [&printed] { ++printed; });
      for (int n = 0; n < 50 && !dialog->isActiveWindow(); ++n) QTest::qWait(20);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      for (int n = 0; n < 40 && !tab_reaches_print; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* button = qobject_cast<QToolButton*>(QApplication::focusWidget());
        tab_reaches_print = button && button->defaultAction() == print;
        if (tab_reaches_print) {
          // Framed in the selection colour, clearly, not merely a shade apart.
          const QImage focused = button->grab().toImage();
          const QRgb frame = button->palette().color(QPalette::Highlight).rgb();
          int framed = 0;
          for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x) framed += focused.pixel(x, y) == frame ? 1 : 0;
          focus_shown = framed >= focused.width();
        }
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      closed = !dialog->isVisible();
      if (!closed) dialog->reject();
    });
    file_entry(QStringLiteral("nyomtatas"))->trigger();
    QCOMPARE(printed, 2);
    QVERIFY(tab_reaches_print);
    QVERIFY(focus_shown);
    QVERIFY(closed);
  }
};

VORBENTO_OFFSCREEN_TEST_MAIN(ShareTest)
#include "share_test.moc"
