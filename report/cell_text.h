// Text in one cell of the report's tables: wrapped at word boundaries (inside
// a word only where the word alone is wider than the cell), at most a few
// lines; a longer text is cut with "…" and says how many characters it left
// out, so that no field's text, however long, can push a row off its page.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QTextLayout>

#include <vector>

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

// A symbol's subscript inside a text: "M_mmax" captures "mmax".
const QRegularExpression& symbol_subscript();

// Whether a field's text is a number, read as the calculator reads it.
bool is_number_text(const QString& text);

// `symbols`: a symbol inside the text ("M_mmax") gets its subscript set low
// and small, as the symbol column writes it.
CellText fit_cell(const QString& text, const QFont& font, const QPaintDevice& device, qreal width, int max_lines,
                  bool symbols = false);

// Draws a fitted text with its top-left corner at `at`, in the width it was fitted to.
void draw_cell(QPainter& painter, const CellText& cell, const QFont& font, QPointF at, qreal width);

// How many lines a value may take before it is cut: a typed text can be of
// any length, the page is not.
constexpr int kValueLines = 4;

// A value as drawn: on the column's common decimal point where it fits there
// on one line, else from the left, wrapped and cut after kValueLines.
struct ValueCell {
  CellText cell;
  qreal indent = 0;  // from the column's left edge
};
ValueCell fit_value(const QString& text, const QFont& font, const QPaintDevice& device, qreal width, qreal point);

// The common decimal point of a column `width` wide: right of the widest
// whole part of the numbers that fit it, as long as the widest decimals still
// fit after it. Measured upright and italic (a stale result), so room for both.
qreal common_decimal_point(const std::vector<QString>& texts, const QFontMetricsF& upright, const QFontMetricsF& italic,
                           qreal width);

// Where a number's decimal point stands in its text: the index of the point
// or comma, or where it would stand (after the last digit before an
// exponent). -1 for a text that is no number.
qsizetype decimal_anchor(const QString& text);

}  // namespace vorbento
