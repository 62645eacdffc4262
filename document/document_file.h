// The .vorbento document: a design's 33 input texts and the five texts of the
// motor and screw check as one UTF-8 JSON object, {"format": "vorbento",
// "version": 2, "inputs": {...}, "checks": {...}}, the inputs by field name in
// field-table order, the check's by key in theirs. Version 1, from before the
// check, has no "checks" and opens with the five not given. Reading refuses
// anything else, saying why.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "calc/check_inputs.h"
#include "core/field_store.h"
#include "document/refusal.h"

namespace vorbento {

// The largest file opened; a larger one is refused before it is read.
inline constexpr std::uintmax_t kMaxDocumentBytes = 64u * 1024u * 1024u;

// The exact bytes of a .vorbento file: keys in order, 2-space indentation, LF
// line ends, a final newline. A text that is not UTF-8 (the window never
// gives one) is written with U+FFFD in place of its broken bytes.
std::string write_document(const InputTexts& inputs, const CheckTexts& checks);

struct DocumentRead {
  std::optional<InputTexts> inputs;
  Refusal refusal;      // why not, when `inputs` holds no document
  CheckTexts checks{};  // all "" (not given) for a version 1 document
};

DocumentRead parse_document(std::string_view bytes);
DocumentRead read_document_file(const std::filesystem::path& path);

// The 33 input texts as they stand.
InputTexts input_texts(const FieldStore& store);

}  // namespace vorbento
