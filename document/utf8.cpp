#include "document/utf8.h"

namespace vorbento {
namespace {

// The length of the valid sequence at `p`, or 0.
std::size_t sequence_at(std::string_view s, std::size_t p) {
  const auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(p);
  if (b < 0x80) return 1;
  std::size_t len;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    len = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    len = 3;
    if (b == 0xE0) low = 0xA0;   // overlong
    if (b == 0xED) high = 0x9F;  // surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    len = 4;
    if (b == 0xF0) low = 0x90;   // overlong
    if (b == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (p + len > s.size() || byte(p + 1) < low || byte(p + 1) > high) return 0;
  for (std::size_t k = 2; k < len; ++k)
    if ((byte(p + k) & 0xC0) != 0x80) return 0;
  return len;
}

}  // namespace

std::optional<std::size_t> first_invalid_utf8(std::string_view bytes) {
  for (std::size_t p = 0; p < bytes.size();) {
    const std::size_t len = sequence_at(bytes, p);
    if (len == 0) return p;
    p += len;
  }
  return std::nullopt;
}

std::string valid_utf8(std::string_view bytes) {
  std::string out;
  for (std::size_t p = 0; p < bytes.size();) {
    const std::size_t len = sequence_at(bytes, p);
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++p;
    } else {
      out.append(bytes.substr(p, len));
      p += len;
    }
  }
  return out;
}

}  // namespace vorbento
