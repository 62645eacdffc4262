#include "app/design_opening.h"

#include <cstdio>

#include "document/document_file.h"
#include "ui/document/document_dialogs.h"

namespace vorbento {

void say(const QString& message) { std::fprintf(stderr, "vorbento: %s\n", message.toLocal8Bit().constData()); }

bool open_design(const QString& file, Calculator& calculator, CheckTexts& checks) {
  const DocumentRead read = read_design(file);
  if (!read.inputs) {
    // Of several designs the reader must learn which one was refused.
    say(file + QStringLiteral(": ") + QString::fromStdString(read.error));
    return false;
  }
  calculator.load(*read.inputs);
  checks = read.checks;
  return true;
}

}  // namespace vorbento
