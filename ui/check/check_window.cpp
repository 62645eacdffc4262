#include "ui/check/check_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "presentation/look/fonts.h"
#include "presentation/marks/mark_style.h"
#include "ui/check/check_plot.h"
#include "ui/check/check_state.h"
#include "ui/look/symbol_cell_delegate.h"
#include "ui/look/tool_window.h"
#include "ui/marks/field_marks.h"
#include "ui/marks/marked_cell.h"

namespace vorbento {

namespace {

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A screen reader meets the check as a window named by its title.
QAccessibleInterface* window_factory(const QString& key, QObject* object) {
  if (key != QLatin1String(CheckWindow::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

// The symbol with its subscript as plain text: "n_max" reads "nmax".
QString plain(QString symbol) { return symbol.remove(QLatin1Char('_')); }

}  // namespace

CheckWindow::CheckWindow(FieldStore& store, CheckState& state, QWidget* owner)
    : QWidget(owner, Qt::Window), store_(store), state_(state) {
  static const bool accessible = (QAccessible::installFactory(window_factory), true);
  (void)accessible;
  setObjectName(QStringLiteral("check_window"));
  setFont(vorbento_font());
  if (owner) make_tool_window(*this, *owner);

  auto* form = new QGridLayout;
  for (std::size_t n = 0; n < kCheckInputCount; ++n) {
    const CheckInput c = check_input_at(n);
    const CheckInputInfo& i = info(c);
    const QString symbol = utf8(i.symbol);
    auto* label = new QLabel(
        utf8(i.label) + (symbol.isEmpty() ? QString() : QStringLiteral(", ") + plain(symbol)) + QStringLiteral(":"),
        this);
    QWidget* input = nullptr;
    if (c == CheckInput::csapagyazas) {
      bearing_ = new QComboBox(this);
      bearing_->addItem(utf8(kNotGiven), QString());
      for (const Bearing& b : bearings()) bearing_->addItem(utf8(b.label), utf8(b.word));
      connect(bearing_, &QComboBox::currentIndexChanged, this,
              [this] { state_.set(CheckInput::csapagyazas, bearing_->currentData().toString().toStdString()); });
      input = bearing_;
    } else {
      auto* edit = new QLineEdit(this);
      edit->setMaxLength(1000);
      connect(edit, &QLineEdit::textEdited, this,
              [this, c](const QString& text) { state_.set(c, text.toStdString()); });
      edits_[n] = edit;
      input = edit;
    }
    input->setObjectName(utf8(i.name));
    input->setAccessibleName(utf8(i.label));
    label->setBuddy(input);
    form->addWidget(label, static_cast<int>(n), 0);
    form->addWidget(input, static_cast<int>(n), 1);
    form->addWidget(new QLabel(utf8(i.unit), this), static_cast<int>(n), 2);
  }
  form->setColumnStretch(3, 1);  // the inputs as wide as a page's, the rest of the line left free
  form->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QStringLiteral("alátámasztott – alátámasztott")) + 40);
  normal_ = edits_[0]->palette();

  view_ = new QTableWidget(this);
  view_->setObjectName(QStringLiteral("check_table"));
  view_->setAccessibleName(QStringLiteral("A motor és az orsó ellenőrzésének táblázata"));
  const auto& titles = check_column_titles();
  view_->setColumnCount(static_cast<int>(titles.size()));
  for (int c = 0; c < view_->columnCount(); ++c)
    view_->setHorizontalHeaderItem(c, new QTableWidgetItem(titles[static_cast<std::size_t>(c)]));
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setWordWrap(false);
  // Symbols with their subscripts set small and low, as the plane and the diagram's table write them.
  view_->setItemDelegate(new SymbolCellDelegate(view_));

  auto* note = new QLabel(check_span_note(), this);
  note->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  plot_ = new CheckPlot(this);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(view_);
  split->addWidget(plot_);
  split->setChildrenCollapsible(false);
  // The table's rows first: the plane takes what the window has beyond them.
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  view_->setMinimumHeight(view_->verticalHeader()->defaultSectionSize() * 6);
  layout->addWidget(split, 1);
  layout->addWidget(note);

  show_inputs();
  refresh();
  view_->resizeColumnsToContents();
  const QRect room = (owner ? owner->screen() : screen())->availableGeometry();
  resize(std::min(1000, room.width() * 9 / 10), std::min(900, room.height() * 9 / 10));
  store_.add_observer(this);
  connect(&state_, &CheckState::changed, this, [this] {
    show_inputs();
    recalculated();
  });
  if (owner) owner->installEventFilter(this);
}

CheckWindow::~CheckWindow() { store_.remove_observer(this); }

void CheckWindow::set_document_name(const QString& name) { setWindowTitle(QStringLiteral("Ellenőrzés – ") + name); }

bool CheckWindow::eventFilter(QObject* target, QEvent* event) {
  if (target == parent() && event->type() == QEvent::Hide && !event->spontaneous()) close();
  return QWidget::eventFilter(target, event);
}

void CheckWindow::showEvent(QShowEvent* event) {
  if (behind_) refresh();
  QWidget::showEvent(event);
}

void CheckWindow::recalculated() {
  if (isVisible())
    refresh();
  else
    behind_ = true;
}

void CheckWindow::show_inputs() {
  for (std::size_t n = 0; n < kCheckInputCount; ++n) {
    const CheckInput c = check_input_at(n);
    const QString text = QString::fromStdString(state_.text(c));
    if (QLineEdit* edit = edits_[n]) {
      // The user's own keystrokes are in the field already: the cursor stays.
      if (edit->text() != text) edit->setText(text);
      show_problem(*edit, normal_, judge_check_input(c, state_.text(c)));
    } else if (const int at = bearing_->findData(text); at >= 0 && at != bearing_->currentIndex()) {
      const QSignalBlocker quiet(bearing_);
      bearing_->setCurrentIndex(at);
    }
  }
}

void CheckWindow::refresh() {
  behind_ = false;
  PlaneData plane = plane_data(store_, state_.texts());
  if (plot_->has_data() && same_picture(plane, plot_->data())) return;
  ++refreshes_;
  table_ = plane.check;
  show_table();
  plot_->set_data(std::move(plane));
}

void CheckWindow::show_table() {
  int rows = static_cast<int>(table_.lines.size()) + 2;
  if (view_->rowCount() != rows) view_->setRowCount(rows);
  int r = 0;
  std::optional<CheckGroup> group;
  for (const CheckLine& line : table_.lines) {
    if (group != line.row->group) {
      group = line.row->group;
      set_marked_cell(*view_, r, 0, utf8(group_title(*group)));
      QFont bold = view_->font();
      bold.setBold(true);
      view_->item(r, 0)->setFont(bold);
      if (view_->columnSpan(r, 0) == 1) view_->setSpan(r, 0, 1, view_->columnCount());
      ++r;
    }
    const std::array<const QString*, 6> cells{&line.name, &line.symbol, &line.value,
                                              &line.unit, &line.limit,  &line.source};
    for (int c = 0; c < 6; ++c) {
      const QString& text = *cells[static_cast<std::size_t>(c)];
      if (c == 2)
        set_marked_cell(*view_, r, c, text, line.words, line.stale);
      else if (c == 4)
        set_marked_cell(*view_, r, c, text, line.limit_words, line.limit_stale);
      else
        set_marked_cell(*view_, r, c, text);
    }
    ++r;
  }
  // A figure that grows ("nem számolható", a long typed limit) stays readable.
  for (int c : {2, 4}) {
    int need = 0;
    for (int k = 0; k < view_->rowCount(); ++k)
      if (const QTableWidgetItem* item = view_->item(k, c); item && view_->columnSpan(k, 0) == 1)
        need = std::max(need, view_->fontMetrics().horizontalAdvance(item->text()) + 16);
    if (need > view_->columnWidth(c)) view_->setColumnWidth(c, need);
  }
}

}  // namespace vorbento
