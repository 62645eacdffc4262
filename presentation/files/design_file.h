// A design's file as every part of the program names and reads it: the
// window's document, and the commands that work without a window.
#pragma once

#include <QString>

#include "document/document_file.h"

namespace vorbento {

inline const QString kUntitled = QStringLiteral("Névtelen");

// The name a design goes by in the title, the questions and the report: its
// file's name, or "Névtelen" while it has none.
QString document_name(const QString& path);

// Reads the design at `path`, a file name as Qt gives it, through the file
// system's own encoding of it.
DocumentRead read_design(const QString& path);

}  // namespace vorbento
