// The diagram on screen: the shared painter in the window's colours, and a
// right click that copies it as a picture.
#pragma once

#include <QWidget>

#include "presentation/cycle/cycle_data.h"

namespace vorbento {

class CyclePlot : public QWidget {
 public:
  explicit CyclePlot(QWidget* parent = nullptr);

  void set_data(const CycleData* data);  // not owned; repaints
  // The diagram as a picture at the screen's pixel ratio, as "Diagram másolása" copies it.
  QImage picture() const;
  void copy_to_clipboard() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QRectF target() const;
  const CycleData* data_ = nullptr;
};

}  // namespace vorbento
