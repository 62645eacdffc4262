// The diagram on screen: the shared painter in the window's colours, and
// "Diagram másolása", which copies it as a picture, from the right click, the
// context-menu key or Ctrl+C.
#pragma once

#include <QWidget>

class QAction;

#include <optional>

#include "presentation/cycle/cycle_data.h"
#include "presentation/cycle/cycle_painter.h"

namespace vorbento {

class CyclePlot : public QWidget {
 public:
  explicit CyclePlot(QWidget* parent = nullptr);

  void set_data(const CycleData* data);  // not owned; repaints
  bool has_data() const { return data_ != nullptr; }
  // The diagram as a picture at the screen's pixel ratio, as "Diagram másolása" copies it.
  QImage picture() const;
  void copy_to_clipboard() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRectF target() const;
  // The least height at which the diagram still reads at its width.
  void fit_least_height();
  const CycleData* data_ = nullptr;
  QAction* copy_ = nullptr;
  mutable std::optional<CycleStyle> style_;  // the palette's colours, worked out at the first paint
};

}  // namespace vorbento
