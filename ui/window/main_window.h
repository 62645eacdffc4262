// Form1: the menu bar and the three-page tab control with every field of the
// calculator. The window holds no calculation: it mirrors the engine's texts
// and forwards the user's edits.
#pragma once

#include <QMainWindow>

#include <memory>

#include "calc/check_inputs.h"
#include "calc/handlers.h"
#include "ui/window/page_builder.h"

class QScrollArea;

namespace vorbento {

class CheckState;
class DocumentController;
class FieldMirror;
class FocusInView;
class TabControl;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  TabControl* tab_control() const { return tabs_; }
  QScrollArea* scroll_area() const { return scroll_; }
  // The field's widget, its page built if it was not yet.
  QLineEdit* field(Field f) const;
  const Calculator& calculator() const { return calculator_; }
  Calculator& calculator() { return calculator_; }
  DocumentController& document() const { return *document_; }
  // The motor and screw check's five texts: part of the design.
  CheckState& check_state() const { return *check_; }
  const CheckTexts& check_texts() const;

  // Shows the window at its natural size where the screen allows; where it
  // does not, over the whole available area, with the pages scrolling.
  void open();
  // Menu bar plus the client area that holds the margin and the tab control.
  QSize natural_size() const;

 private:
  void build_menus();

  Calculator calculator_;
  CheckState* check_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  TabControl* tabs_ = nullptr;
  FieldEdits edits_{};
  std::unique_ptr<FieldMirror> mirror_;
  std::unique_ptr<DocumentController> document_;
  // Goes before the widgets: their teardown moves the focus, which it must
  // no longer follow into a half-destroyed scroll area.
  std::unique_ptr<FocusInView> focus_in_view_;
};

}  // namespace vorbento
