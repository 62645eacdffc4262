#include "ui/document/start_folder.h"

#include <QDir>
#include <QFileInfo>

namespace vorbento {

namespace {

// Kept for the session only: the program keeps nothing between runs.
QString& last_folder() {
  static QString folder;
  return folder;
}

}  // namespace

QString start_folder(const QString& design_path) {
  if (!design_path.isEmpty()) return QFileInfo(design_path).absolutePath();
  if (!last_folder().isEmpty() && QFileInfo(last_folder()).isDir()) return last_folder();
  return QDir::homePath();
}

void remember_folder(const QString& chosen) {
  if (!chosen.isEmpty()) last_folder() = QFileInfo(chosen).absolutePath();
}

}  // namespace vorbento
