// A short fixed list of fields: what a block checks, converts, guards and
// reads, or what a result was computed from. The longest, the refresh of the
// cycle's thirteen values, fits with room to spare.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

#include "core/field.h"

namespace vorbento {

class Fields {
 public:
  static constexpr std::size_t kCapacity = 16;

  constexpr Fields() = default;
  constexpr Fields(std::initializer_list<Field> list) {
    for (Field f : list) items_[count_++] = f;
  }
  constexpr const Field* begin() const { return items_.data(); }
  constexpr const Field* end() const { return items_.data() + count_; }
  constexpr bool empty() const { return count_ == 0; }
  constexpr std::size_t size() const { return count_; }

 private:
  std::array<Field, kCapacity> items_{};
  std::size_t count_ = 0;
};

}  // namespace vorbento
