// How the program names itself and its version: the help menu's entry, the
// formula page's credit line, the report's heading and the PDF's creator.
#pragma once

#include <QString>

#include "core/version.h"

namespace vorbento {

inline const QString kVersionEntry = QStringLiteral("V " VORBENTO_VERSION);
inline const QString kProgramHeading = QStringLiteral("Vorbento V " VORBENTO_VERSION " – hajtásméretező");
inline const QString kProgramAndVersion = QStringLiteral("Vorbento V " VORBENTO_VERSION);

}  // namespace vorbento
