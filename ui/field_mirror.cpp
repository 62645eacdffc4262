#include "ui/field_mirror.h"

#include <QLineEdit>

#include "ui/field_marks.h"

namespace vorbento {

FieldMirror::FieldMirror(FieldStore& store, const FieldEdits& edits, QObject* parent)
    : QObject(parent), store_(store), edits_(edits) {
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const Field f = field_at(n);
    QLineEdit* edit = edits_[n];
    normal_palettes_[n] = edit->palette();
    show_text(f, store_.text(f));
    show_problem(*edit, normal_palettes_[n], store_.mark(f));
    if (!is_input(f)) continue;
    // textEdited only: the user's typing, deleting, pasting, cutting and undo,
    // never the texts this mirror sets (those would echo the engine's own writes).
    connect(edit, &QLineEdit::textEdited, this, [this, f](const QString& text) {
      const QByteArray utf8 = text.toUtf8();
      store_.edit(f, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    });
  }
  store_.add_observer(this);
}

FieldMirror::~FieldMirror() { store_.remove_observer(this); }

void FieldMirror::text_changed(Field f, const std::string& text) { show_text(f, text); }

void FieldMirror::mark_changed(Field f, Problem p) {
  show_problem(*edits_[index(f)], normal_palettes_[index(f)], p);
}

void FieldMirror::show_text(Field f, const std::string& text) {
  QLineEdit* edit = edits_[index(f)];
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  // The user's own edit comes back unchanged: leave the cursor and the undo
  // history where the typing left them.
  if (edit->text() == shown) return;
  edit->setText(shown);
  // A field the user is not in shows the start of its text, where the
  // significant digits are; the focused one keeps the cursor at the end.
  if (!edit->hasFocus()) edit->setCursorPosition(0);
}

}  // namespace vorbento
