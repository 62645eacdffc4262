// The pieces of a field's one-line text that a screen reader reads by
// character, word, sentence, line or paragraph: the piece at an offset, and
// the pieces just before and after it. A field has no line breaks, so a line,
// sentence or paragraph is the whole text. Written out here because Qt 6.4's
// generic word search never returns for the offset at the end of the text, and
// a screen reader asks exactly there (the caret after the last digit).
#pragma once

#include <QAccessible>
#include <QString>

namespace vorbento {

struct TextPiece {
  QString text;
  int start = -1;  // -1, -1: there is no such piece
  int end = -1;
};

enum class Side { before, at, after };

// `offset` as the accessibility interface gives it: -1 is the end of the
// text, -2 the cursor (given as `cursor`).
TextPiece text_piece(const QString& text, int offset, int cursor, QAccessible::TextBoundaryType unit, Side side);

}  // namespace vorbento
