// The motor and screw check in a window of its own, beside the main window:
// the five catalogue inputs, the table of checks in the groups "Motor" and
// "Orsó", following every keystroke in either window. Made on first use,
// closed with the main window, as the diagram's.
#pragma once

#include <QWidget>

#include <array>

#include "core/field_store.h"
#include "presentation/check/check_table.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace vorbento {

class CheckPlot;
class CheckState;

class CheckWindow : public QWidget, private FieldObserver {
  Q_OBJECT
 public:
  CheckWindow(FieldStore& store, CheckState& state, QWidget* owner);
  ~CheckWindow() override;
  CheckWindow(const CheckWindow&) = delete;
  CheckWindow& operator=(const CheckWindow&) = delete;

  void set_document_name(const QString& name);
  const CheckTable& table() const { return table_; }
  QTableWidget* table_view() const { return view_; }
  // The text input of a check input; none for the bearing, a choice.
  QLineEdit* input(CheckInput c) const { return edits_[index(c)]; }
  QComboBox* bearing() const { return bearing_; }
  CheckPlot* plot() const { return plot_; }
  // How often the table and the plane were redrawn for a change (for the window probe).
  int refreshes() const { return refreshes_; }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void recalculated() override;
  void refresh();
  // The inputs show the state's texts (a design opened or started anew).
  void show_inputs();
  void show_table();

  FieldStore& store_;
  CheckState& state_;
  CheckTable table_;
  std::array<QLineEdit*, kCheckInputCount> edits_{};
  QComboBox* bearing_ = nullptr;
  QTableWidget* view_ = nullptr;
  CheckPlot* plot_ = nullptr;
  QPalette normal_;
  bool behind_ = false;
  int refreshes_ = 0;
};

}  // namespace vorbento
