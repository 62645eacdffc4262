#include "ui/document/file_drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "ui/document/document_controller.h"

namespace vorbento {

FileDrop::FileDrop(QWidget& window, DocumentController& document)
    : QObject(&window), window_(window), document_(document) {
  window.setAcceptDrops(true);
  // Before any widget sees the drag: a field would take the file's address as text.
  qApp->installEventFilter(this);
}

QString FileDrop::dropped_file(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

bool FileDrop::eventFilter(QObject* target, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* widget = qobject_cast<QWidget*>(target);
  if (!widget || (widget != &window_ && !window_.isAncestorOf(widget))) return false;
  switch (type) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (dropped_file(drag->mimeData()).isEmpty()) break;
      drag->setDropAction(Qt::CopyAction);
      drag->accept();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString path = dropped_file(drop->mimeData());
      if (path.isEmpty()) break;
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      // The file manager waits for the drop to end: the question and the
      // opening come after it has.
      QTimer::singleShot(0, &document_, [this, path] { document_.open_file(path); });
      return true;
    }
    default:
      break;
  }
  return false;
}

}  // namespace vorbento
