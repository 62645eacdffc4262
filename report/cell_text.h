// Text in one cell of the report's tables: wrapped at word boundaries (inside
// a word only where the word alone is wider than the cell), at most a few
// lines; a longer text is cut with "…" and says how many characters it left
// out, so that no field's text, however long, can push a row off its page.
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QTextLayout>

class QPaintDevice;
class QPainter;

namespace vorbento {

struct CellText {
  QString text;  // as drawn: symbols' "_" taken out, cut where it had to be
  QList<QTextLayout::FormatRange> subscripts;
  int lines = 1;
  qreal height = 0;
  bool cut = false;
};

// `symbols`: a symbol inside the text ("M_mmax") gets its subscript set low
// and small, as the symbol column writes it.
CellText fit_cell(const QString& text, const QFont& font, const QPaintDevice& device, qreal width, int max_lines,
                  bool symbols = false);

// Draws a fitted text with its top-left corner at `at`, in the width it was fitted to.
void draw_cell(QPainter& painter, const CellText& cell, const QFont& font, QPointF at, qreal width);

// Where a number's decimal point stands in its text: the index of the point
// or comma, or where it would stand (after the last digit before an
// exponent). -1 for a text that is no number.
qsizetype decimal_anchor(const QString& text);

}  // namespace vorbento
