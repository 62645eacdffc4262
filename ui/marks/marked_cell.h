// A table cell that shows a figure and, when it is marked, why: the tint of
// a bad input or of a result that lags, italics for the latter, the words in
// its tooltip and for a screen reader. The diagram's and the check's tables.
#pragma once

#include <QString>

class QTableWidget;

namespace vorbento {

// Sets the cell's text and mark, touching nothing that is already as asked
// (a keystroke that changes neither costs no repaint). No words: unmarked.
void set_marked_cell(QTableWidget& table, int row, int column, const QString& text, const QString& words = {},
                     bool stale = false);

}  // namespace vorbento
