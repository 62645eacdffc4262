// A realistic typing session: every input field cleared key by key with
// Backspace, then its text typed back character by character.
#pragma once

#include <string>
#include <vector>

#include "core/field.h"

namespace vorbento {

struct Keystroke {
  Field field;
  std::string text;  // the field's text after the key
};

inline std::vector<Keystroke> typing_session() {
  std::vector<Keystroke> keys;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    const Field f = field_at(n);
    const std::string full(info(f).initial);
    // Clearing the last character refills "0"; typing then replaces that "0".
    for (std::size_t len = full.size(); len-- > 0;) keys.push_back({f, full.substr(0, len)});
    for (std::size_t len = 1; len <= full.size(); ++len) keys.push_back({f, full.substr(0, len)});
  }
  return keys;
}

}  // namespace vorbento
