#include "ui/marks/marked_cell.h"

#include <QTableWidget>

#include "presentation/marks/mark_style.h"

namespace vorbento {

void set_marked_cell(QTableWidget& t, int row, int column, const QString& text, const QString& words, bool stale) {
  QTableWidgetItem* item = t.item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    t.setItem(row, column, item);
  }
  if (item->text() != text) item->setText(text);
  if (item->toolTip() == words && item->data(Qt::UserRole).toBool() == stale) return;
  item->setToolTip(words);
  item->setData(Qt::UserRole, stale);
  // What a screen reader says of the cell: its text, then why it is marked.
  item->setData(Qt::AccessibleDescriptionRole, words);
  QFont font = t.font();
  font.setItalic(stale && !words.isEmpty());
  item->setFont(font);
  if (words.isEmpty())
    item->setData(Qt::BackgroundRole, QVariant());
  else
    item->setBackground(stale ? stale_tint(t.palette()) : problem_tint(t.palette()));
}

}  // namespace vorbento
