// Reading a .vorbento text: UTF-8 first, then JSON, then the document's shape.
// Any JSON whitespace and key order is accepted; anything else is refused with
// the kind of fault and, where there is one, the key or the place in the file.
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "document/document_file.h"
#include "document/utf8.h"

namespace vorbento {
namespace {

using nlohmann::ordered_json;
using Kind = Refusal::Kind;

// The newest version of the format this program reads.
constexpr int kNewestVersion = 2;

DocumentRead refuse(Refusal r) { return {std::nullopt, std::move(r)}; }
DocumentRead refuse(Kind kind, std::string key = {}) { return refuse(Refusal{.kind = kind, .key = std::move(key)}); }

// Lines from 1, columns in characters.
Refusal at(Kind kind, std::string_view bytes, std::size_t offset) {
  Refusal r{.kind = kind, .line = 1, .column = 1};
  for (std::size_t p = 0; p < offset && p < bytes.size(); ++p) {
    if (bytes[p] == '\n') {
      ++r.line;
      r.column = 1;
    } else if (starts_character(bytes[p])) {
      ++r.column;
    }
  }
  return r;
}

Refusal::Json kind_of(const ordered_json& j) {
  switch (j.type()) {
    case ordered_json::value_t::object:
      return Refusal::Json::object;
    case ordered_json::value_t::array:
      return Refusal::Json::array;
    case ordered_json::value_t::string:
      return Refusal::Json::string;
    case ordered_json::value_t::boolean:
      return Refusal::Json::boolean;
    case ordered_json::value_t::null:
      return Refusal::Json::null;
    default:
      return Refusal::Json::number;
  }
}

// The first key that an object holds twice, found while parsing (the parsed
// object keeps only one of them).
struct DuplicateKeys {
  std::vector<std::set<std::string>> open;
  std::optional<std::string> first;

  bool operator()(int, ordered_json::parse_event_t event, ordered_json& parsed) {
    using E = ordered_json::parse_event_t;
    if (event == E::object_start) {
      open.emplace_back();
    } else if (event == E::object_end) {
      open.pop_back();
    } else if (event == E::key && !open.back().insert(parsed.get<std::string>()).second && !first) {
      first = parsed.get<std::string>();
    }
    return true;
  }
};

// The version of a document this program reads: 1 (no check data) or 2.
std::optional<Refusal> version_problem(const ordered_json& doc, int& version) {
  const auto v = doc.find("version");
  if (v == doc.end()) return Refusal{.kind = Kind::no_version};
  if (!v->is_number()) return Refusal{.kind = Kind::version_not_integer, .key = v->dump()};
  // A whole number, also one beyond what a double holds exactly.
  const bool whole = v->is_number_integer() || std::floor(v->get<double>()) == v->get<double>();
  const double number = v->get<double>();
  if (!whole || !std::isfinite(number)) return Refusal{.kind = Kind::version_not_integer, .key = v->dump()};
  if (number > kNewestVersion) {
    Refusal r{.kind = Kind::newer_version};
    if (number < 1e9) r.version = static_cast<long long>(number);
    return r;
  }
  if (number < 1) return Refusal{.kind = Kind::no_such_version, .key = v->dump()};
  version = static_cast<int>(number);
  return std::nullopt;
}

DocumentRead read_inputs(const ordered_json& inputs) {
  for (const auto& [key, value] : inputs.items()) {
    const auto field = field_by_name(key);
    if (!field || !is_input(*field)) return refuse(Kind::unknown_field, key);
    if (!value.is_string()) return refuse(Refusal{.kind = Kind::field_not_text, .key = key, .found = kind_of(value)});
  }
  InputTexts texts;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    const auto name = std::string(vorbento::name(field_at(n)));
    const auto it = inputs.find(name);
    if (it == inputs.end()) return refuse(Kind::missing_field, name);
    texts[n] = it->get<std::string>();
  }
  return {std::move(texts), {}};
}

// The motor's and the screw's catalogue data: the five keys, each a text, the
// bearing one of its four words or "" (not given).
std::optional<Refusal> checks_problem(const ordered_json& checks, CheckTexts& texts) {
  for (const auto& [key, value] : checks.items()) {
    if (!check_input_by_name(key)) return Refusal{.kind = Kind::unknown_check, .key = key};
    if (!value.is_string()) return Refusal{.kind = Kind::check_not_text, .key = key, .found = kind_of(value)};
  }
  for (std::size_t n = 0; n < kCheckInputCount; ++n) {
    const auto key = std::string(check_input_name(check_input_at(n)));
    const auto it = checks.find(key);
    if (it == checks.end()) return Refusal{.kind = Kind::missing_check, .key = key};
    texts[n] = it->get<std::string>();
  }
  const std::string& bearing = texts[index(CheckInput::csapagyazas)];
  if (!bearing.empty() && !bearing_by_word(bearing)) return Refusal{.kind = Kind::unknown_bearing, .key = bearing};
  return std::nullopt;
}

}  // namespace

DocumentRead parse_document(std::string_view bytes) {
  if (bytes.size() > kMaxDocumentBytes) return refuse(Kind::too_large);
  if (const auto bad = first_invalid_utf8(bytes)) return refuse(at(Kind::not_utf8, bytes, *bad));
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) return refuse(Kind::empty);

  DuplicateKeys duplicates;
  ordered_json doc;
  try {
    doc = ordered_json::parse(bytes.begin(), bytes.end(), std::ref(duplicates));
  } catch (const ordered_json::parse_error& e) {
    const std::size_t offset = e.byte > 0 ? e.byte - 1 : 0;
    return refuse(at(offset >= bytes.size() ? Kind::json_ends_early : Kind::json_syntax, bytes, offset));
  } catch (const ordered_json::out_of_range& e) {
    // A number beyond double precision ("1e400"); the library names it quoted.
    const std::string_view what = e.what();
    const std::size_t open = what.find('\''), close = what.rfind('\'');
    return refuse(Kind::number_too_large,
                  open < close ? std::string(what.substr(open + 1, close - open - 1)) : std::string());
  }
  if (!doc.is_object()) return refuse(Refusal{.kind = Kind::not_an_object, .found = kind_of(doc)});
  if (duplicates.first) return refuse(Kind::duplicate_key, *duplicates.first);

  const auto format = doc.find("format");
  if (format == doc.end()) return refuse(Kind::no_format);
  if (*format != "vorbento") return refuse(Kind::not_vorbento);
  int version = 1;
  if (auto problem = version_problem(doc, version)) return refuse(std::move(*problem));
  for (const auto& [key, value] : doc.items())
    if (key != "format" && key != "version" && key != "inputs" && (version < 2 || key != "checks"))
      return refuse(Kind::unknown_key, key);
  const auto inputs = doc.find("inputs");
  if (inputs == doc.end()) return refuse(Kind::no_inputs);
  if (!inputs->is_object()) return refuse(Refusal{.kind = Kind::inputs_not_object, .found = kind_of(*inputs)});
  DocumentRead read = read_inputs(*inputs);
  if (!read.inputs || version < 2) return read;
  const auto checks = doc.find("checks");
  if (checks == doc.end()) return refuse(Kind::no_checks);
  if (!checks->is_object()) return refuse(Refusal{.kind = Kind::checks_not_object, .found = kind_of(*checks)});
  if (auto problem = checks_problem(*checks, read.checks)) return refuse(std::move(*problem));
  return read;
}

}  // namespace vorbento
