#include "ui/access/field_access.h"

#include "ui/access/atspi_front.h"
#include "ui/access/text_segments.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>

#include <algorithm>

namespace vorbento {

namespace {

constexpr const char* kInputProperty = "vorbentoInput";
constexpr const char* kInvalidProperty = "vorbentoInvalid";

class FieldAccess : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
 public:
  FieldAccess(QLineEdit* edit, bool input) : QAccessibleWidget(edit, QAccessible::EditableText), input_(input) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface && input_) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.selectableText = true;
    if (input_) {
      s.editable = true;
      s.invalid = edit()->property(kInvalidProperty).toBool();
    } else {
      // Shown for reading, written only by the calculator.
      s.disabled = false;
      s.readOnly = true;
      s.editable = false;
      s.focusable = false;
      s.focused = false;
    }
    return s;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return edit()->text();
    return QAccessibleWidget::text(t);
  }

  void setText(QAccessible::Text t, const QString& text) override {
    if (t != QAccessible::Value) return QAccessibleWidget::setText(t, text);
    if (input_) replaceText(0, characterCount(), text);
  }

  // Text.
  void selection(int n, int* start, int* end) const override {
    *start = *end = 0;
    if (n != 0 || !edit()->hasSelectedText()) return;
    *start = edit()->selectionStart();
    *end = *start + edit()->selectionLength();
  }
  int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int n) override {
    if (n == 0 && input_) edit()->deselect();
  }
  void setSelection(int n, int start, int end) override {
    if (n != 0 || !input_) return;
    start = clamp(start);
    edit()->setSelection(start, clamp(end) - start);
  }
  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override {
    if (input_) edit()->setCursorPosition(clamp(position));
  }
  QString text(int start, int end) const override { return edit()->text().mid(start, end - start); }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType unit, int* start, int* end) const override {
    return piece(offset, unit, Side::before, start, end);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType unit, int* start, int* end) const override {
    return piece(offset, unit, Side::at, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType unit, int* start, int* end) const override {
    return piece(offset, unit, Side::after, start, end);
  }
  int characterCount() const override { return static_cast<int>(edit()->text().size()); }
  QRect characterRect(int offset) const override {
    // The cursor's rectangle anchors the text's scrolled position; the
    // characters stand on one line in the field's font.
    const QString shown = edit()->displayText();
    if (offset < 0 || offset >= shown.size()) return {};
    const QFontMetrics metrics(edit()->font());
    const QRect cursor = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = cursor.x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(edit()->cursorPosition()));
    const QRect local(x, cursor.y(), metrics.horizontalAdvance(shown.at(offset)), cursor.height());
    return {edit()->mapToGlobal(local.topLeft()), local.size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int) override { setCursorPosition(start); }
  // One run without attributes over the whole text. An empty run at each
  // offset made Orca read "2700" as "270": it joins the runs to find the
  // text's extent.
  QString attributes(int offset, int* start, int* end) const override {
    const int n = characterCount();
    const bool inside = offset >= 0 && offset <= n;
    *start = inside ? 0 : offset;
    *end = inside ? n : offset;
    return {};
  }

  // Editable text: one undoable replacement of the field's text, which the
  // window takes as the user's edit.
  void deleteText(int start, int end) override { replaceText(start, end, QString()); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override {
    if (!input_) return;
    start = clamp(start);
    end = std::max(start, clamp(end));
    edit()->setSelection(start, end - start);
    edit()->insert(text);
  }

 private:
  QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
  int clamp(int offset) const { return std::clamp(offset, 0, characterCount()); }
  QString piece(int offset, QAccessible::TextBoundaryType unit, Side side, int* start, int* end) const {
    TextPiece p = text_piece(edit()->text(), offset, edit()->cursorPosition(), unit, side);
    *start = p.start;
    *end = p.end;
    return p.text;
  }

  bool input_;
};

QAccessibleInterface* field_factory(const QString& key, QObject* object) {
  if (key != QLatin1String("QLineEdit")) return nullptr;
  const QVariant input = object->property(kInputProperty);
  auto* edit = qobject_cast<QLineEdit*>(object);
  if (!edit || !input.isValid()) return nullptr;
  return new FieldAccess(edit, input.toBool());
}

}  // namespace

void make_accessible_field(QLineEdit& edit, bool input) {
  static const bool installed = [] {
    QAccessible::installFactory(field_factory);
    stand_atspi_front();
    return true;
  }();
  (void)installed;
  edit.setProperty(kInputProperty, input);
}

void set_entry_invalid(QLineEdit& edit, bool invalid) {
  if (edit.property(kInvalidProperty).toBool() == invalid) return;
  edit.setProperty(kInvalidProperty, invalid);
  QAccessible::State changed;
  changed.invalid = true;
  QAccessibleStateChangeEvent event(&edit, changed);
  QAccessible::updateAccessibility(&event);
  announce_invalid_entry(&edit, invalid);
}

}  // namespace vorbento
