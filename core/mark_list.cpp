#include "core/mark_list.h"

namespace vorbento {

std::vector<std::pair<Field, std::string_view>> marked_fields(const FieldStore& store) {
  std::vector<std::pair<Field, std::string_view>> out;
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const Field f = field_at(n);
    if (!is_input(f)) {
      if (store.stale(f)) out.emplace_back(f, "stale");
    } else if (const Problem p = store.mark(f); p != Problem::none) {
      out.emplace_back(f, describe(p == Problem::overflow ? Problem::out_of_range : p));
    } else if (store.stale(f)) {
      out.emplace_back(f, "stale");  // a motor speed or the ratio computed from what is no longer shown
    }
  }
  return out;
}

}  // namespace vorbento
