// Feeds the document reader any bytes: each must be either refused with a
// message (in UTF-8, fit to show), or read as a design whose written form
// reads back to the same texts and is written again byte for byte.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/document_file.h"
#include "document/utf8.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view bytes) {
  std::fprintf(stderr, "document_fuzz: %s; input of %zu bytes:\n%.*s\n", what, bytes.size(),
               static_cast<int>(std::min<std::size_t>(bytes.size(), 2000)), bytes.data());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorbento;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const DocumentRead read = parse_document(bytes);
  if (!read.inputs) {
    if (!read.refusal) fail("refused without saying why", bytes);
    if (first_invalid_utf8(read.refusal.key)) fail("a refusal naming a key that is not UTF-8", bytes);
    return 0;
  }
  if (read.refusal) fail("a refusal beside a document", bytes);
  const std::string written = write_document(*read.inputs, read.checks);
  const DocumentRead again = parse_document(written);
  if (!again.inputs) fail("its own writing refused", bytes);
  if (*again.inputs != *read.inputs || again.checks != read.checks)
    fail("texts changed on the way through a file", bytes);
  if (write_document(*again.inputs, again.checks) != written) fail("a second writing differs from the first", bytes);
  return 0;
}
