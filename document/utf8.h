// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorbento {

// The offset of the first byte that does not begin a valid sequence, if any.
std::optional<std::size_t> first_invalid_utf8(std::string_view bytes);

// Whether the byte begins a character (is not a continuation byte).
inline bool starts_character(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// The bytes with every invalid sequence replaced by U+FFFD, for messages.
std::string valid_utf8(std::string_view bytes);

}  // namespace vorbento
