#include "app/design_opening.h"

#include <cstdio>

#include "presentation/files/design_file.h"
#include "presentation/files/refusal_words.h"

namespace vorbento {

void say(const QString& message) { std::fprintf(stderr, "vorbento: %s\n", message.toLocal8Bit().constData()); }

bool open_design(const QString& file, Calculator& calculator, CheckTexts& checks) {
  const DocumentRead read = read_design(file);
  if (!read.inputs) {
    // Of several designs the reader must learn which one was refused.
    say(file + QStringLiteral(": ") + refusal_words(read.refusal));
    return false;
  }
  calculator.load(*read.inputs);
  checks = read.checks;
  return true;
}

void make_edits(const CommandLine& command, Calculator& calculator) {
  for (const FieldEdit& e : command.edits) calculator.edit(e.field, e.text);
}

}  // namespace vorbento
