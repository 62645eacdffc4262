// Why a design could not be written, said in Hungarian.
#pragma once

#include <QFileDevice>
#include <QString>

namespace vorbento {

// The reason, judged from what stands at and above `path` now and from the
// error QSaveFile reported; the system's own wording only as a last resort.
QString save_failure_reason(const QString& path, QFileDevice::FileError error, const QString& system_text);

}  // namespace vorbento
