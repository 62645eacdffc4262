// A headless calculator for the drive tests: edit by field, read texts.
#pragma once

#include <string>

#include "calc/handlers.h"

namespace vorbento::testing {

struct Drive : Calculator {
  std::string operator[](Field f) const { return text(f); }
};

}  // namespace vorbento::testing
