// Keeps the field widgets and the engine's texts in step: every text the
// engine writes is shown at once, and every change the user makes to an input
// field is one edit of the engine.
#pragma once

#include <QObject>
#include <QPalette>

#include <array>

#include "core/field_store.h"
#include "ui/page_builder.h"

namespace vorbento {

class FieldMirror : public QObject, private FieldObserver {
 public:
  // Shows the store's current texts and follows it from now on.
  FieldMirror(FieldStore& store, const FieldEdits& edits, QObject* parent = nullptr);
  ~FieldMirror() override;
  FieldMirror(const FieldMirror&) = delete;
  FieldMirror& operator=(const FieldMirror&) = delete;

 private:
  void text_changed(Field f, const std::string& text) override;
  void mark_changed(Field f, Problem p) override;
  void show_text(Field f, const std::string& text);

  FieldStore& store_;
  FieldEdits edits_;
  std::array<QPalette, kFieldCount> normal_palettes_;
};

}  // namespace vorbento
