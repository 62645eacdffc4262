// Draws a table cell's text as the plot writes it: each symbol's subscript
// small and low ("M_gyG1" with "gyG1" under the line), a text too long for
// its cell cut with "…". The item keeps its text as it is, for the screen
// reader and the copied table.
#pragma once

#include <QList>
#include <QString>
#include <QStyledItemDelegate>
#include <QTextLayout>

class QPaintDevice;

namespace vorbento {

// One line of a cell as drawn: the symbols' "_" taken out and their
// subscripts set, cut to the longest start that fits with "…" after it.
struct CellLine {
  QString text;
  QList<QTextLayout::FormatRange> subscripts;
  qreal width = 0;  // as laid out for the device
  bool cut = false;
};
CellLine fit_line(const QString& text, const QFont& font, QPaintDevice* device, qreal width);

class SymbolCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace vorbento
