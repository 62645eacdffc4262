#include "ui/access/text_segments.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace vorbento {

namespace {

// The offsets where the pieces begin, the end of the text last.
QList<int> piece_starts(const QString& text, QAccessible::TextBoundaryType unit) {
  QList<int> starts{0};
  const int length = static_cast<int>(text.size());
  if (unit == QAccessible::CharBoundary || unit == QAccessible::WordBoundary) {
    QTextBoundaryFinder finder(
        unit == QAccessible::CharBoundary ? QTextBoundaryFinder::Grapheme : QTextBoundaryFinder::Word, text);
    // Each step must move on: the finder gives -1 past the end.
    for (qsizetype p = finder.toNextBoundary(); p > starts.back() && p < length; p = finder.toNextBoundary())
      starts.push_back(static_cast<int>(p));
  }
  starts.push_back(length);
  return starts;
}

}  // namespace

TextPiece text_piece(const QString& text, int offset, int cursor, QAccessible::TextBoundaryType unit, Side side) {
  const int length = static_cast<int>(text.size());
  if (offset == -1) offset = length;
  if (offset == -2) offset = cursor;
  if (text.isEmpty() || offset < 0 || offset > length) return {};
  const QList<int> starts = piece_starts(text, unit);
  const int pieces = static_cast<int>(starts.size()) - 1;
  // starts[i] <= offset < starts[i + 1]. The end of the text belongs to the
  // last word or line; there is no character at it.
  int i = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
  if (i == pieces && unit != QAccessible::CharBoundary) i = pieces - 1;
  if (side == Side::before) --i;
  if (side == Side::after) ++i;
  if (i < 0 || i >= pieces) return {};
  return {text.mid(starts[i], starts[i + 1] - starts[i]), starts[i], starts[i + 1]};
}

}  // namespace vorbento
