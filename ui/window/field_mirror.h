// Keeps the field widgets and the engine's texts in step: every text the
// engine writes is shown at once, and every change of an input widget's text,
// whatever makes it (typing, pasting, undo, drag and drop, an input method,
// assistive technology, setText), is one edit of the engine.
#pragma once

#include <QObject>
#include <QPalette>

#include <array>

#include "core/field_store.h"
#include "ui/window/page_builder.h"

namespace vorbento {

class FieldMirror : public QObject, private FieldObserver {
 public:
  // Shows the store's current texts and follows it from now on. A widget
  // still missing from `edits` (its page not built yet) is taken on later.
  FieldMirror(FieldStore& store, const FieldEdits& edits, QObject* parent = nullptr);
  ~FieldMirror() override;
  FieldMirror(const FieldMirror&) = delete;
  FieldMirror& operator=(const FieldMirror&) = delete;

  // Takes on the widgets built since: each shows the store's current text and mark.
  void adopt_new_fields();

 private:
  void text_changed(Field f, const std::string& text) override;
  void mark_changed(Field f, Problem p) override;
  // Whether a result, or a motor speed or the ratio a block computed, is
  // stale, and why, can change while its text stays: each is brought up to
  // date once the whole recalculation has ended.
  void recalculated() override;
  void widget_changed(Field f, const QString& text);
  void show_text(Field f, const std::string& text);
  void show_mark(Field f);

  FieldStore& store_;
  const FieldEdits& edits_;
  std::array<bool, kFieldCount> adopted_{};
  std::array<QPalette, kFieldCount> normal_palettes_;
  std::array<QString, kFieldCount> shown_words_;  // each field's mark words as shown
  // While the mirror itself sets a widget's text, that change is the engine's
  // own write coming back, not an edit.
  bool showing_ = false;
  // The text of an input before the edit that emptied it, kept only while that
  // edit runs: the refill "0" is shown as an undoable step from it.
  const std::string* emptied_from_ = nullptr;
};

}  // namespace vorbento
