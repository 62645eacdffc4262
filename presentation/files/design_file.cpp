#include "presentation/files/design_file.h"

#include <QFile>
#include <QFileInfo>

namespace vorbento {

QString document_name(const QString& path) { return path.isEmpty() ? kUntitled : QFileInfo(path).fileName(); }

DocumentRead read_design(const QString& path) {
  return read_document_file(std::filesystem::path(QFile::encodeName(path).toStdString()));
}

}  // namespace vorbento
