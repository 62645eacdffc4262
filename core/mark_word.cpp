#include "core/mark_word.h"

namespace vorbento {

std::optional<std::string_view> mark_word(const FieldStore& store, Field f) {
  if (is_input(f)) {
    if (const Problem p = store.mark(f); p != Problem::none)
      return describe(p == Problem::overflow ? Problem::out_of_range : p);
  }
  // A result's overflow makes it stale; for an input, a motor speed or the
  // ratio computed from what is no longer shown.
  if (store.stale(f)) return "stale";
  return std::nullopt;
}

}  // namespace vorbento
