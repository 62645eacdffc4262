// Why a file could not be opened as a design, in the words the user reads:
// the window's message box, the command line's line on stderr.
#pragma once

#include <QString>

#include "document/refusal.h"

namespace vorbento {

QString refusal_words(const Refusal& refusal);

}  // namespace vorbento
