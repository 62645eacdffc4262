// Whether a PDF may be written over what stands at a path: a report replaces
// an older report, never a design or any other file that happens to be there.
#pragma once

#include <QString>

namespace vorbento {

// Why no PDF goes to `path`, in Hungarian, naming it: an existing file that
// does not begin as a PDF does ("%PDF-"), or one that cannot be read to tell.
// Empty when nothing (or an empty file) stands there yet or an older PDF does.
QString pdf_overwrite_refusal(const QString& path);

}  // namespace vorbento
