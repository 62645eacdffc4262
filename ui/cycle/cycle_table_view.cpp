#include "ui/cycle/cycle_table_view.h"

#include <QHeaderView>

#include <algorithm>

#include "presentation/cycle/cycle_table.h"
#include "presentation/marks/mark_style.h"
#include "ui/look/symbol_cell_delegate.h"
#include "ui/marks/marked_cell.h"

namespace vorbento {

CycleTableView::CycleTableView(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("cycle_table"));
  setAccessibleName(QStringLiteral("A mozgásciklus táblázata"));
  const auto& titles = cycle_column_titles();
  setColumnCount(static_cast<int>(titles.size()));
  for (int c = 0; c < columnCount(); ++c)
    setHorizontalHeaderItem(c, new QTableWidgetItem(titles[static_cast<std::size_t>(c)]));
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setStretchLastSection(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setWordWrap(false);
  setItemDelegate(new SymbolCellDelegate(this));
  // Tab goes on to the plot and back; the arrows move from cell to cell.
  setTabKeyNavigation(false);
}

void CycleTableView::show_data(const CycleData& data) {
  const std::vector<CycleRow> rows = cycle_rows(data);
  const bool first = rowCount() == 0;
  if (rowCount() != static_cast<int>(rows.size())) setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < rowCount(); ++r) {
    const CycleRow& row = rows[static_cast<std::size_t>(r)];
    set_marked_cell(*this, r, 0, row.name);
    for (int c = 0; c < 3; ++c) {
      const CycleCell& cell = row.cells[static_cast<std::size_t>(c)];
      set_marked_cell(*this, r, c + 1, cell.text, cell.words, cell.stale);
    }
  }
  if (first) {
    resizeColumnsToContents();
    // A long typed text cut with "…" rather than pushing the other columns out of sight.
    const int widest = fontMetrics().averageCharWidth() * 36;
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, std::min(columnWidth(c), widest));
  }
}

}  // namespace vorbento
