#include "ui/share/share_entries.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>

#include "presentation/look/fonts.h"
#include "report/field_rows.h"
#include "ui/check/check_state.h"
#include "ui/share/report_print.h"
#include "ui/window/result_field.h"

namespace vorbento {

namespace {

// A result field offers no menu of its own and lets the right click pass to
// its page; the window catches it here, wherever and whenever the field was
// built, and offers the copy entries.
class ResultMenus : public QObject {
 public:
  ResultMenus(QMainWindow& window, const FieldStore& store) : QObject(&window), window_(window), store_(store) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &window_ || event->type() != QEvent::ContextMenu) return false;
    auto* menu_event = static_cast<QContextMenuEvent*>(event);
    auto* result = qobject_cast<ResultField*>(window_.childAt(menu_event->pos()));
    if (!result) return false;
    const QByteArray name = result->objectName().toUtf8();
    const std::optional<Field> f =
        field_by_name(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    if (!f) return false;
    auto* menu = new QMenu(&window_);
    menu->setObjectName(QStringLiteral("resultMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setFont(vorbento_font());
    const FieldStore& store = store_;
    const Field field = *f;
    menu->addAction(QStringLiteral("Érték másolása"), menu, [&store, field] { copy_value(store, field); });
    menu->addAction(QStringLiteral("Eredmények másolása"), menu, [&store] { copy_results(store); });
    menu->popup(menu_event->globalPos());
    menu_event->accept();
    return true;
  }

 private:
  QMainWindow& window_;
  const FieldStore& store_;
};

}  // namespace

void copy_value(const FieldStore& store, Field f) { QApplication::clipboard()->setText(field_row(store, f).value); }

void copy_results(const FieldStore& store) {
  const std::vector<FieldRow> rows = field_rows(store);
  auto* data = new QMimeData;
  data->setText(rows_as_tab_separated(rows));
  data->setHtml(rows_as_html(rows));
  QApplication::clipboard()->setMimeData(data);
}

void add_share_entries(QMainWindow& window, QMenu& file, const FieldStore& store,
                       std::function<QString()> document_name) {
  QWidget* parent = &window;
  // The document keeps the window's file path and modified mark up to date.
  const auto design = [parent, document_name] {
    const CheckState* check = parent->findChild<CheckState*>();
    return SharedDesign{document_name(), parent->windowFilePath(), parent->isWindowModified(),
                        check ? &check->texts() : nullptr};
  };
  file.addSeparator();
  QAction* print = file.addAction(QStringLiteral("&Nyomtatás…"), parent,
                                  [parent, &store, design] { print_report(parent, store, design()); });
  print->setObjectName(QStringLiteral("nyomtatas"));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  QAction* pdf = file.addAction(QStringLiteral("Exportálás &PDF-be…"), parent,
                                [parent, &store, design] { export_report_pdf(parent, store, design()); });
  pdf->setObjectName(QStringLiteral("exportalasPdf"));
  QAction* copy = file.addAction(QStringLiteral("&Eredmények másolása"), parent, [&store] { copy_results(store); });
  copy->setObjectName(QStringLiteral("eredmenyekMasolasa"));
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  new ResultMenus(window, store);
}

}  // namespace vorbento
