// Reading a .vorbento text: UTF-8 first, then JSON, then the document's shape.
// Any JSON whitespace and key order is accepted; anything else is refused with
// a message that names the problem and, where there is one, the key or line.
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "document/document_file.h"
#include "document/utf8.h"

namespace vorbento {
namespace {

using nlohmann::ordered_json;

constexpr std::size_t kShownKeyChars = 40;

DocumentRead refuse(std::string message) { return {.inputs = std::nullopt, .error = std::move(message)}; }

// A key as a message shows it: quoted, and cut short when it is long.
std::string shown_key(std::string_view key) {
  std::size_t chars = 0, p = 0;
  for (; p < key.size(); ++p) {
    if (starts_character(key[p]) && chars++ == kShownKeyChars) break;
  }
  return "„" + std::string(key.substr(0, p)) + (p < key.size() ? "…" : "") + "”";
}

// "a fájl 3. sorának 14. oszlopában": lines from 1, columns in characters.
std::string place(std::string_view bytes, std::size_t offset) {
  std::size_t line = 1, column = 1;
  for (std::size_t p = 0; p < offset && p < bytes.size(); ++p) {
    if (bytes[p] == '\n') {
      ++line;
      column = 1;
    } else if (starts_character(bytes[p])) {
      ++column;
    }
  }
  return "a fájl " + std::to_string(line) + ". sorának " + std::to_string(column) + ". oszlopában";
}

std::string kind_of(const ordered_json& j) {
  switch (j.type()) {
    case ordered_json::value_t::array: return "tömb";
    case ordered_json::value_t::string: return "szöveg";
    case ordered_json::value_t::boolean: return "logikai érték";
    case ordered_json::value_t::null: return "null";
    default: return "szám";
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
std::optional<std::string> version_problem(const ordered_json& doc, int& version) {
  const auto v = doc.find("version");
  if (v == doc.end()) return "Hiányzik a „version” kulcs (a formátum változata).";
  double number = 0;
  if (v->is_number_unsigned()) {
    const auto u = v->get<std::uint64_t>();
    number = u > 2 ? 3.0 : static_cast<double>(u);
  } else if (v->is_number()) {
    number = v->get<double>();
  }
  if (!v->is_number() || !std::isfinite(number) || number != std::floor(number)) {
    const std::string shown = v->dump();
    return "A „version” értéke nem egész szám" + (shown.size() <= kShownKeyChars ? ": " + shown : std::string()) + ".";
  }
  if (number > 2) {
    const std::string which = number < 1e9 ? " (a formátum " + std::to_string(static_cast<long>(number)) + ". változatával)" : "";
    return "A dokumentumot egy újabb Vorbento készítette" + which + "; ez a program az 1. és a 2. változatot olvassa.";
  }
  if (number < 1) return "A „version” értéke (" + v->dump() + ") nem létező formátumváltozat.";
  version = static_cast<int>(number);
  return std::nullopt;
}

DocumentRead read_inputs(const ordered_json& inputs) {
  for (const auto& [key, value] : inputs.items()) {
    const auto field = field_by_name(key);
    if (!field || !is_input(*field)) return refuse("Ismeretlen mező az „inputs” objektumban: " + shown_key(key) + ".");
    if (!value.is_string())
      return refuse("Egy mező értéke nem szöveg, hanem " + kind_of(value) + ": " + shown_key(key) +
                    " (minden mező értéke idézőjelek közé írt szöveg).");
  }
  InputTexts texts;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    const auto name = std::string(vorbento::name(field_at(n)));
    const auto it = inputs.find(name);
    if (it == inputs.end()) return refuse("Hiányzik egy mező az „inputs” objektumból: " + shown_key(name) + ".");
    texts[n] = it->get<std::string>();
  }
  return {.inputs = std::move(texts), .error = {}};
}

// The motor's and the screw's catalogue data: the five keys, each a text, the
// bearing one of its four words or "" (not given).
std::optional<std::string> checks_problem(const ordered_json& checks, CheckTexts& texts) {
  for (const auto& [key, value] : checks.items()) {
    if (!check_input_by_name(key)) return "Ismeretlen kulcs a „checks” objektumban: " + shown_key(key) + ".";
    if (!value.is_string())
      return "Egy ellenőrzési adat értéke nem szöveg, hanem " + kind_of(value) + ": " + shown_key(key) +
             " (minden érték idézőjelek közé írt szöveg).";
  }
  for (std::size_t n = 0; n < kCheckInputCount; ++n) {
    const auto key = std::string(check_input_name(check_input_at(n)));
    const auto it = checks.find(key);
    if (it == checks.end()) return "Hiányzik egy kulcs a „checks” objektumból: " + shown_key(key) + ".";
    texts[n] = it->get<std::string>();
  }
  const std::string& bearing = texts[index(CheckInput::csapagyazas)];
  if (!bearing.empty() && !bearing_by_word(bearing))
    return "A „csapagyazas” értéke nem az orsó egyik csapágyazása: " + shown_key(bearing) +
           " (befogott-szabad, alatamasztott-alatamasztott, befogott-alatamasztott vagy befogott-befogott).";
  return std::nullopt;
}

}  // namespace

DocumentRead parse_document(std::string_view bytes) {
  if (bytes.size() > kMaxDocumentBytes) return refuse("A dokumentum túl nagy: legfeljebb 64 MiB-os dokumentumot nyit meg a program.");
  if (const auto bad = first_invalid_utf8(bytes))
    return refuse("A fájl nem UTF-8 kódolású szöveg: érvénytelen bájt " + place(bytes, *bad) + ".");
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) return refuse("A fájl üres: nincs benne dokumentum.");

  DuplicateKeys duplicates;
  ordered_json doc;
  try {
    doc = ordered_json::parse(bytes.begin(), bytes.end(), std::ref(duplicates));
  } catch (const ordered_json::parse_error& e) {
    const std::size_t at = e.byte > 0 ? e.byte - 1 : 0;
    if (at >= bytes.size()) return refuse("A fájl nem érvényes JSON: váratlanul véget ér (" + place(bytes, at) + ").");
    return refuse("A fájl nem érvényes JSON: hiba " + place(bytes, at) + ".");
  } catch (const ordered_json::out_of_range& e) {
    // A number beyond double precision ("1e400"); the library names it quoted.
    const std::string_view what = e.what();
    const std::size_t open = what.find('\''), close = what.rfind('\'');
    const std::string number = open < close ? std::string(what.substr(open + 1, close - open - 1)) : std::string();
    return refuse("A fájl nem olvasható JSON: egy szám túl nagy" +
                  (number.empty() ? std::string() : ": " + shown_key(number)) + ".");
  }
  if (!doc.is_object()) return refuse("A fájl nem Vorbento-dokumentum: nem JSON-objektum, hanem " + kind_of(doc) + ".");
  if (duplicates.first) return refuse("Egy kulcs kétszer szerepel: " + shown_key(*duplicates.first) + ".");

  const auto format = doc.find("format");
  if (format == doc.end()) return refuse("A fájl nem Vorbento-dokumentum: hiányzik a „format” kulcs.");
  if (*format != "vorbento") return refuse("A fájl nem Vorbento-dokumentum: a „format” értéke nem „vorbento”.");
  int version = 1;
  if (auto problem = version_problem(doc, version)) return refuse(std::move(*problem));
  for (const auto& [key, value] : doc.items())
    if (key != "format" && key != "version" && key != "inputs" && (version < 2 || key != "checks"))
      return refuse("Ismeretlen kulcs a dokumentumban: " + shown_key(key) + ".");
  const auto inputs = doc.find("inputs");
  if (inputs == doc.end()) return refuse("Hiányzik az „inputs” objektum (a bemenő adatok).");
  if (!inputs->is_object()) return refuse("Az „inputs” értéke nem objektum, hanem " + kind_of(*inputs) + ".");
  DocumentRead read = read_inputs(*inputs);
  if (!read.inputs || version < 2) return read;
  const auto checks = doc.find("checks");
  if (checks == doc.end()) return refuse("Hiányzik a „checks” objektum (a motor és az orsó katalógusadatai).");
  if (!checks->is_object()) return refuse("A „checks” értéke nem objektum, hanem " + kind_of(*checks) + ".");
  if (auto problem = checks_problem(*checks, read.checks)) return refuse(std::move(*problem));
  return read;
}

}  // namespace vorbento
