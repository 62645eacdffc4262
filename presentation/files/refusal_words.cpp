#include "presentation/files/refusal_words.h"

#include <string>

#include "document/utf8.h"

namespace vorbento {

namespace {

using Kind = Refusal::Kind;

constexpr std::size_t kShownKeyChars = 40;

// A key as a message shows it: quoted, and cut short when it is long.
std::string shown(std::string_view key) {
  std::size_t chars = 0, p = 0;
  for (; p < key.size(); ++p) {
    if (starts_character(key[p]) && chars++ == kShownKeyChars) break;
  }
  return "„" + std::string(key.substr(0, p)) + (p < key.size() ? "…" : "") + "”";
}

// "a fájl 3. sorának 14. oszlopában"
std::string place(const Refusal& r) {
  return "a fájl " + std::to_string(r.line) + ". sorának " + std::to_string(r.column) + ". oszlopában";
}

std::string json_kind(Refusal::Json j) {
  switch (j) {
    case Refusal::Json::array:
      return "tömb";
    case Refusal::Json::string:
      return "szöveg";
    case Refusal::Json::boolean:
      return "logikai érték";
    case Refusal::Json::null:
      return "null";
    case Refusal::Json::object:
      return "objektum";
    case Refusal::Json::number:
      break;
  }
  return "szám";
}

const std::string kLimit = "legfeljebb 64 MiB-os dokumentumot nyit meg a program.";

// Why the file itself could not be read, after its name.
std::string file_words(const Refusal& r) {
  switch (r.kind) {
    case Kind::no_such_file:
      return "Nincs ilyen fájl.";
    case Kind::not_permitted:
      return "Nincs jogosultság a fájl olvasásához.";
    case Kind::is_folder:
      return "Ez egy mappa, nem fájl.";
    case Kind::not_regular:
      return "Ez nem közönséges fájl.";
    case Kind::file_too_large:
      return r.size ? "A fájl túl nagy (" + std::to_string(r.size) + " bájt): " + kLimit : "A fájl túl nagy: " + kLimit;
    default:
      return "A fájl nem olvasható.";
  }
}

std::string words(const Refusal& r) {
  switch (r.kind) {
    case Kind::none:
      return {};
    case Kind::no_such_file:
    case Kind::not_permitted:
    case Kind::is_folder:
    case Kind::not_regular:
    case Kind::unreadable:
    case Kind::file_too_large:
      return "Nem nyitható meg: „" + r.path + "”. " + file_words(r);
    case Kind::too_large:
      return "A dokumentum túl nagy: " + kLimit;
    case Kind::not_utf8:
      return "A fájl nem UTF-8 kódolású szöveg: érvénytelen bájt " + place(r) + ".";
    case Kind::json_ends_early:
      return "A fájl nem érvényes JSON: váratlanul véget ér (" + place(r) + ").";
    case Kind::json_syntax:
      return "A fájl nem érvényes JSON: hiba " + place(r) + ".";
    case Kind::empty:
      return "A fájl üres: nincs benne dokumentum.";
    case Kind::number_too_large:
      return "A fájl nem olvasható JSON: egy szám túl nagy" + (r.key.empty() ? std::string() : ": " + shown(r.key)) +
             ".";
    case Kind::not_an_object:
      return "A fájl nem Vorbento-dokumentum: nem JSON-objektum, hanem " + json_kind(r.found) + ".";
    case Kind::duplicate_key:
      return "Egy kulcs kétszer szerepel: " + shown(r.key) + ".";
    case Kind::no_format:
      return "A fájl nem Vorbento-dokumentum: hiányzik a „format” kulcs.";
    case Kind::not_vorbento:
      return "A fájl nem Vorbento-dokumentum: a „format” értéke nem „vorbento”.";
    case Kind::no_version:
      return "Hiányzik a „version” kulcs (a formátum változata).";
    case Kind::version_not_integer:
      return "A „version” értéke nem egész szám" + (r.key.size() <= kShownKeyChars ? ": " + r.key : std::string()) +
             ".";
    case Kind::newer_version:
      return "A dokumentumot egy újabb Vorbento készítette" +
             (r.version ? " (a formátum " + std::to_string(*r.version) + ". változatával)" : std::string()) +
             "; ez a program az 1. és a 2. változatot olvassa.";
    case Kind::no_such_version:
      return "A „version” értéke (" + r.key + ") nem létező formátumváltozat.";
    case Kind::unknown_key:
      return "Ismeretlen kulcs a dokumentumban: " + shown(r.key) + ".";
    case Kind::no_inputs:
      return "Hiányzik az „inputs” objektum (a bemenő adatok).";
    case Kind::inputs_not_object:
      return "Az „inputs” értéke nem objektum, hanem " + json_kind(r.found) + ".";
    case Kind::unknown_field:
      return "Ismeretlen mező az „inputs” objektumban: " + shown(r.key) + ".";
    case Kind::field_not_text:
      return "Egy mező értéke nem szöveg, hanem " + json_kind(r.found) + ": " + shown(r.key) +
             " (minden mező értéke idézőjelek közé írt szöveg).";
    case Kind::missing_field:
      return "Hiányzik egy mező az „inputs” objektumból: " + shown(r.key) + ".";
    case Kind::no_checks:
      return "Hiányzik a „checks” objektum (a motor és az orsó katalógusadatai).";
    case Kind::checks_not_object:
      return "A „checks” értéke nem objektum, hanem " + json_kind(r.found) + ".";
    case Kind::unknown_check:
      return "Ismeretlen kulcs a „checks” objektumban: " + shown(r.key) + ".";
    case Kind::check_not_text:
      return "Egy ellenőrzési adat értéke nem szöveg, hanem " + json_kind(r.found) + ": " + shown(r.key) +
             " (minden érték idézőjelek közé írt szöveg).";
    case Kind::missing_check:
      return "Hiányzik egy kulcs a „checks” objektumból: " + shown(r.key) + ".";
    case Kind::unknown_bearing:
      return "A „csapagyazas” értéke nem az orsó egyik csapágyazása: " + shown(r.key) +
             " (befogott-szabad, alatamasztott-alatamasztott, befogott-alatamasztott vagy befogott-befogott).";
  }
  return {};
}

}  // namespace

QString refusal_words(const Refusal& refusal) { return QString::fromStdString(words(refusal)); }

}  // namespace vorbento
