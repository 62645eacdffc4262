#include "ui/formula/captioned_frame.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace vorbento {

CaptionedFrame::CaptionedFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
}

void CaptionedFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  painter.fillRect(rect(), colours.color(QPalette::Window));

  const QFontMetrics fm(font());
  const int line_y = fm.height() / 2;
  const QRect edge = rect().adjusted(0, line_y, -2, -2);
  // Etched: a shadow line with a light line just inside and below it.
  painter.setPen(colours.color(QPalette::Light));
  painter.drawRect(edge.translated(1, 1));
  painter.setPen(colours.color(QPalette::Mid));
  painter.drawRect(edge);

  if (title().isEmpty()) return;
  const int left = 8;
  const QRect caption(left, 0, fm.horizontalAdvance(title()) + 4, fm.height());
  painter.fillRect(caption, colours.color(QPalette::Window));
  painter.setFont(font());
  painter.setPen(colours.color(QPalette::WindowText));
  painter.drawText(caption.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

}  // namespace vorbento
