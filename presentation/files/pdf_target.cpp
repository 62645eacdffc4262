#include "presentation/files/pdf_target.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vorbento {

QString pdf_overwrite_refusal(const QString& path) {
  const QFileInfo target(path);
  // A folder or a missing folder is left to the writer, which says why it cannot write there.
  if (!target.exists() || target.isDir()) return {};
  // An empty file holds nothing to lose.
  if (target.isFile() && target.size() == 0) return {};
  QFile file(path);
  if (file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-") return {};
  return QStringLiteral("A fájl már létezik, és nem PDF: „%1”.").arg(QDir::toNativeSeparators(path));
}

}  // namespace vorbento
