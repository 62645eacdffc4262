#include "ui/window/field_mirror.h"

#include <QAccessible>
#include <QLineEdit>

#include "presentation/marks/mark_words.h"
#include "ui/access/field_access.h"
#include "ui/marks/field_marks.h"

namespace vorbento {

namespace {

QString qt_text(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

FieldMirror::FieldMirror(FieldStore& store, const FieldEdits& edits, QObject* parent)
    : QObject(parent), store_(store), edits_(edits) {
  adopt_new_fields();
  store_.add_observer(this);
}

FieldMirror::~FieldMirror() { store_.remove_observer(this); }

void FieldMirror::adopt_new_fields() {
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const Field f = field_at(n);
    QLineEdit* edit = edits_[n];
    if (adopted_[n] || !edit) continue;
    adopted_[n] = true;
    normal_palettes_[n] = edit->palette();
    show_text(f, store_.text(f));
    show_mark(f);
    if (!is_input(f)) continue;
    // textChanged, not textEdited: a text set by the accessibility interface
    // or by any caller of setText must reach the engine as well.
    connect(edit, &QLineEdit::textChanged, this, [this, f](const QString& text) { widget_changed(f, text); });
  }
}

void FieldMirror::widget_changed(Field f, const QString& text) {
  if (showing_) return;
  const QByteArray utf8 = text.toUtf8();
  const std::string before = store_.text(f);
  emptied_from_ = text.isEmpty() ? &before : nullptr;
  store_.edit(f, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
  emptied_from_ = nullptr;
  // Whatever the engine made of the edit is what the field shows.
  show_text(f, store_.text(f));
}

// A field not taken on yet shows the store's state once it is.
void FieldMirror::text_changed(Field f, const std::string& text) {
  if (adopted_[index(f)]) show_text(f, text);
}

void FieldMirror::mark_changed(Field f, Problem) {
  if (adopted_[index(f)]) show_mark(f);
}

void FieldMirror::recalculated() {
  for (std::size_t n = 0; n < kFieldCount; ++n)
    if (adopted_[n] && mark_words(store_, field_at(n)) != shown_words_[n]) show_mark(field_at(n));
}

void FieldMirror::show_mark(Field f) {
  QLineEdit* edit = edits_[index(f)];
  shown_words_[index(f)] = mark_words(store_, f);
  show_problem(*edit, normal_palettes_[index(f)], store_.mark(f), shown_words_[index(f)]);
  // Only an input can be entered wrongly; a marked result is described, not invalid.
  set_entry_invalid(*edit, is_input(f) && store_.mark(f) != Problem::none);
}

void FieldMirror::show_text(Field f, const std::string& text) {
  QLineEdit* edit = edits_[index(f)];
  const QString shown = qt_text(text);
  // The user's own edit comes back unchanged: leave the cursor and the undo
  // history where the typing left them.
  if (edit->text() == shown) return;
  const bool was_showing = showing_;
  showing_ = true;
  if (emptied_from_ && edit->text().isEmpty()) {
    // The engine refills a field the user emptied. setText would drop the
    // field's undo history; instead the old text is put back and replaced as
    // one selection, so one Ctrl+Z brings the old text back.
    edit->insert(qt_text(*emptied_from_));
    edit->selectAll();
    edit->insert(shown);
  } else {
    edit->setText(shown);
    // A field the user is not in shows the start of its text, where the
    // significant digits are; the focused one keeps the cursor at the end.
    if (!edit->hasFocus()) edit->setCursorPosition(0);
  }
  showing_ = was_showing;
}

}  // namespace vorbento
