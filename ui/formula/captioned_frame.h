// A group box drawn like a classic dialog frame: one flat background colour
// throughout, an etched line round the edge, and the caption set into the top
// line at the left, in the widget's text colour.
#pragma once

#include <QGroupBox>

namespace vorbento {

class CaptionedFrame final : public QGroupBox {
  Q_OBJECT

 public:
  CaptionedFrame(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vorbento
