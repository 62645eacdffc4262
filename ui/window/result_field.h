// A result field: written only by the program, read by the user. It takes no
// focus, no selection and no typing, yet is drawn as a read-only field in the
// normal text colour, and a text wider than the box shows whole in a tooltip.
#pragma once

#include <QLineEdit>

namespace vorbento {

class ResultField : public QLineEdit {
  Q_OBJECT
 public:
  explicit ResultField(QWidget* parent);

  // The text does not fit the box, so the box shows only its start.
  bool text_cut() const;

 protected:
  bool event(QEvent* event) override;
  // The mouse neither selects nor drags; there is no menu to cut or paste
  // with: a right click passes on to the window, which offers copying.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace vorbento
