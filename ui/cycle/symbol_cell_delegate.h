// Draws a table cell's text as the plot writes it: each symbol's subscript
// small and low ("M_gyG1" with "gyG1" under the line), a text too long for
// its cell cut with "…". The item keeps its text as it is, for the screen
// reader and the copied table.
#pragma once

#include <QStyledItemDelegate>

namespace vorbento {

class SymbolCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace vorbento
