// The motion-cycle diagram in a window of its own, beside the main window:
// the plot above, its table under it, following every keystroke from the
// texts the pages show. Made on first use, closed with the main window.
#pragma once

#include <QWidget>

#include "core/field_store.h"
#include "presentation/cycle/cycle_data.h"

namespace vorbento {

class CyclePlot;
class CycleTableView;

class CycleWindow : public QWidget, private FieldObserver {
  Q_OBJECT
 public:
  // `owner` is the main window: the diagram closes with it and stays above it.
  CycleWindow(FieldStore& store, QWidget* owner);
  ~CycleWindow() override;
  CycleWindow(const CycleWindow&) = delete;
  CycleWindow& operator=(const CycleWindow&) = delete;

  void set_document_name(const QString& name);
  const CycleData& data() const { return data_; }
  CyclePlot* plot() const { return plot_; }
  CycleTableView* table() const { return table_; }
  // How often the diagram was redrawn for a change (for the window probe).
  int refreshes() const { return refreshes_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void recalculated() override;
  void refresh();

  FieldStore& store_;
  CycleData data_;
  CyclePlot* plot_ = nullptr;
  CycleTableView* table_ = nullptr;
  bool behind_ = false;
  int refreshes_ = 0;  // edits came while hidden: brought up to date when shown
};

}  // namespace vorbento
