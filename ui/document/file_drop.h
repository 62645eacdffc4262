// A design file dragged from the file manager onto the window opens, wherever
// it is dropped: also over an input field, which takes text drops but must
// never get a file's address typed into it.
#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace vorbento {

class DocumentController;

class FileDrop : public QObject {
 public:
  // Watches `window` and everything in it, also what is built later.
  FileDrop(QWidget& window, DocumentController& document);

  // The local file a drag carries, or empty when it carries none.
  static QString dropped_file(const QMimeData* data);

 protected:
  bool eventFilter(QObject* target, QEvent* event) override;

 private:
  QWidget& window_;
  DocumentController& document_;
};

}  // namespace vorbento
