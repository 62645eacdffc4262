#include "ui/window/result_field.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include "ui/access/field_access.h"

namespace vorbento {

ResultField::ResultField(QWidget* parent) : QLineEdit(parent) {
  // Before any setting below asks for the widget's accessible interface.
  make_accessible_field(*this, false);
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
  setContextMenuPolicy(Qt::NoContextMenu);
  setDragEnabled(false);
  setAcceptDrops(false);
  setCursor(Qt::ArrowCursor);
}

bool ResultField::text_cut() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  // The line edit keeps a 2-pixel margin either side of its text.
  return fontMetrics().horizontalAdvance(text()) > inside.width() - 4;
}

bool ResultField::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && text_cut()) {
    // The whole figure, then what is wrong with it, if anything.
    QString tip = text();
    if (!toolTip().isEmpty()) tip += QLatin1Char('\n') + toolTip();
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    return true;
  }
  return QLineEdit::event(event);
}

void ResultField::mousePressEvent(QMouseEvent* event) { event->ignore(); }
void ResultField::mouseMoveEvent(QMouseEvent* event) { event->ignore(); }
void ResultField::mouseReleaseEvent(QMouseEvent* event) { event->ignore(); }
void ResultField::mouseDoubleClickEvent(QMouseEvent* event) { event->ignore(); }
void ResultField::contextMenuEvent(QContextMenuEvent* event) { event->ignore(); }

}  // namespace vorbento
