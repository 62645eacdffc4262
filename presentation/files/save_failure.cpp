#include "presentation/files/save_failure.h"

#include <QDir>
#include <QFileInfo>

namespace vorbento {

namespace {

QString quoted(const QString& path) { return QStringLiteral("„%1”").arg(QDir::toNativeSeparators(path)); }

}  // namespace

QString save_failure_reason(const QString& path, QFileDevice::FileError error, const QString& system_text) {
  const QFileInfo target(path);
  const QFileInfo folder(target.absolutePath());
  if (target.isDir()) return QStringLiteral("A fájl helyén egy mappa áll: %1.").arg(quoted(path));
  if (!folder.exists()) return QStringLiteral("A mappa nem létezik: %1.").arg(quoted(folder.filePath()));
  if (!folder.isDir()) return QStringLiteral("Ez nem mappa, hanem fájl: %1.").arg(quoted(folder.filePath()));
  if (!folder.isWritable())
    return QStringLiteral("Nincs írási jog ebben a mappában: %1.").arg(quoted(folder.filePath()));
  if (target.exists() && !target.isWritable()) return QStringLiteral("A fájl írásvédett: %1.").arg(quoted(path));
  switch (error) {
    case QFileDevice::ResourceError:
    case QFileDevice::WriteError:
      return QStringLiteral("Az írás nem sikerült; lehet, hogy megtelt a lemez.");
    default:
      return QStringLiteral("A rendszer hibát jelzett: %1").arg(system_text);
  }
}

}  // namespace vorbento
