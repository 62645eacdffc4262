#include "core/mark_list.h"

#include "core/mark_word.h"

namespace vorbento {

std::vector<std::pair<Field, std::string_view>> marked_fields(const FieldStore& store) {
  std::vector<std::pair<Field, std::string_view>> out;
  for (std::size_t n = 0; n < kFieldCount; ++n)
    if (const auto word = mark_word(store, field_at(n))) out.emplace_back(field_at(n), *word);
  return out;
}

}  // namespace vorbento
