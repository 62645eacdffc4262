// Writing a .vorbento document, and reading one from a file.
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include <nlohmann/json.hpp>

#include "document/document_file.h"
#include "document/utf8.h"

namespace vorbento {
namespace {

DocumentRead refuse_file(const std::filesystem::path& path, Refusal::Kind kind, std::uintmax_t size = 0) {
  return {std::nullopt, Refusal{.kind = kind, .size = size, .path = valid_utf8(path.string())}};
}

Refusal::Kind open_failure(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return Refusal::Kind::no_such_file;
    case EACCES:
    case EPERM:
      return Refusal::Kind::not_permitted;
    case EISDIR:
      return Refusal::Kind::is_folder;
    default:
      return Refusal::Kind::unreadable;
  }
}

}  // namespace

std::string write_document(const InputTexts& inputs, const CheckTexts& checks) {
  nlohmann::ordered_json texts = nlohmann::ordered_json::object();
  for (std::size_t n = 0; n < kInputFieldCount; ++n) texts[std::string(name(field_at(n)))] = inputs[n];
  nlohmann::ordered_json check_texts = nlohmann::ordered_json::object();
  for (std::size_t n = 0; n < kCheckInputCount; ++n)
    check_texts[std::string(check_input_name(check_input_at(n)))] = checks[n];
  nlohmann::ordered_json doc;
  doc["format"] = "vorbento";
  doc["version"] = 2;
  doc["inputs"] = std::move(texts);
  doc["checks"] = std::move(check_texts);
  return doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

DocumentRead read_document_file(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec && ec != std::errc::no_such_file_or_directory) return refuse_file(path, open_failure(ec.value()));
  if (!std::filesystem::exists(status)) return refuse_file(path, open_failure(ENOENT));
  if (std::filesystem::is_directory(status)) return refuse_file(path, open_failure(EISDIR));
  if (!std::filesystem::is_regular_file(status)) return refuse_file(path, Refusal::Kind::not_regular);
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return refuse_file(path, open_failure(ec.value()));
  if (size > kMaxDocumentBytes) return refuse_file(path, Refusal::Kind::file_too_large, size);

  errno = 0;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return refuse_file(path, open_failure(errno));
  // It may have grown since: read no more than the limit and one byte.
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(size) + 1);
  std::size_t got = 0;
  while (got < bytes.size()) {
    const std::size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, file.get());
    if (n == 0) break;
    got += n;
    if (got == bytes.size() && got <= kMaxDocumentBytes)
      bytes.resize(std::min<std::size_t>(got * 2, kMaxDocumentBytes + 1));
  }
  if (std::ferror(file.get())) return refuse_file(path, open_failure(errno));
  if (got > kMaxDocumentBytes) return refuse_file(path, Refusal::Kind::file_too_large);
  bytes.resize(got);
  return parse_document(bytes);
}

InputTexts input_texts(const FieldStore& store) {
  InputTexts texts;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) texts[n] = store.text(field_at(n));
  return texts;
}

}  // namespace vorbento
