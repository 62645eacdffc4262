#include "ui/cycle/cycle_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

#include "presentation/look/fonts.h"
#include "ui/cycle/cycle_plot.h"
#include "ui/cycle/cycle_table_view.h"
#include "ui/look/tool_window.h"

namespace vorbento {

namespace {

// A screen reader announces the diagram as a window by its title: Qt would
// describe a plain top-level widget as a nameless pane (a filler).
QAccessibleInterface* window_factory(const QString& key, QObject* object) {
  if (key != QLatin1String(CycleWindow::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

CycleWindow::CycleWindow(FieldStore& store, QWidget* owner) : QWidget(owner, Qt::Window), store_(store) {
  static const bool accessible = (QAccessible::installFactory(window_factory), true);
  (void)accessible;
  setObjectName(QStringLiteral("cycle_window"));
  setFont(vorbento_font());
  auto* split = new QSplitter(Qt::Vertical, this);
  plot_ = new CyclePlot(split);
  table_ = new CycleTableView(split);
  // The plot gives up height before the table does.
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 0);
  split->setChildrenCollapsible(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(split);
  refresh();
  // Room for every row of the table; the plot takes what the window has beyond it.
  const int table_height =
      table_->horizontalHeader()->height() + table_->rowCount() * table_->rowHeight(0) + 2 * table_->frameWidth() + 2;
  // On a small or scaled screen (1366×768 at 200 %) the whole window, its
  // frame too, fits the available area: the plot shrinks towards its least
  // height first, and only then the table, which scrolls.
  QRect room = (owner ? owner->screen() : screen())->availableGeometry();
  int width = std::min(900, room.width());
  if (owner) {
    const QSize frame = (owner->frameGeometry().size() - owner->size()).expandedTo(QSize(0, 0));
    room.setSize(room.size() - frame);
    // Narrow enough to stand beside the main window (1920 px wide leave some
    // 890 px); where nothing that reads stands beside it (1366 px), as narrow
    // as still reads, covering the least of it.
    const int beside = room.width() - owner->frameGeometry().width();
    width = std::min(std::clamp(beside, 640, 900), room.width());
  }
  const int height = std::min(600 + table_height, room.height());
  resize(width, height);
  const int plot_height = std::max(plot_->minimumHeight(), height - table_height - split->handleWidth());
  split->setSizes({plot_height, std::max(0, height - plot_height - split->handleWidth())});
  store_.add_observer(this);
  // It closes with the main window, which hides only once its close went
  // through (a cancelled question about unsaved changes keeps both open);
  // minimising it hides it spontaneously and leaves the diagram open.
  if (owner) make_tool_window(*this, *owner);
}

CycleWindow::~CycleWindow() { store_.remove_observer(this); }

void CycleWindow::set_document_name(const QString& name) { setWindowTitle(QStringLiteral("Mozgásciklus – ") + name); }

void CycleWindow::showEvent(QShowEvent* event) {
  if (behind_) refresh();
  QWidget::showEvent(event);
}

void CycleWindow::recalculated() {
  if (isVisible())
    refresh();
  else
    behind_ = true;
}

void CycleWindow::refresh() {
  behind_ = false;
  CycleData now = cycle_data(store_);
  // A keystroke that leaves every text and mark the diagram shows as it was
  // (an input the cycle does not depend on, a change below the figures'
  // last digit) costs no repaint.
  if (now == data_ && plot_->has_data()) return;
  data_ = std::move(now);
  ++refreshes_;
  table_->show_data(data_);
  plot_->set_data(&data_);
}

}  // namespace vorbento
