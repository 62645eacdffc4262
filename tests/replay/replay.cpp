// vorbento-replay: replays an editing session on the headless calculator.
//
//   edit FIELD TEXT   a user's edit: TEXT is everything after the single space
//                     behind FIELD, verbatim (may be empty, may hold blanks)
//   tab               the tab control shows another page
//   load              opens a design: FIELD=TEXT lines follow (TEXT verbatim
//                     after the first "=", inputs in any order, each at most
//                     once), then "."; inputs not listed get their initial text;
//                     comments and empty lines may stand between them
//   dump              the 54 fields as FIELD=TEXT lines, then "."
//   marks             every marked field as FIELD=KIND, in field order, then "."
//   # ...             comment; empty lines are skipped too
//
// Only a line feed ends a line. Unknown commands are reported on stderr and
// skipped; nothing but dumps goes to stdout.
#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "calc/handlers.h"
#include "core/mark_list.h"

namespace {

using vorbento::Calculator;

void dump(const Calculator& calc, std::ostream& out) {
  for (std::size_t n = 0; n < vorbento::kFieldCount; ++n) {
    const vorbento::Field f = vorbento::field_at(n);
    out << vorbento::name(f) << '=' << calc.text(f) << '\n';
  }
  out << ".\n";
}

void marks(const Calculator& calc, std::ostream& out) {
  for (const auto& [field, kind] : vorbento::marked_fields(calc)) out << vorbento::name(field) << '=' << kind << '\n';
  out << ".\n";
}

// The lines of a load between "load" and ".".
class PendingLoad {
 public:
  PendingLoad() {
    for (std::size_t n = 0; n < vorbento::kInputFieldCount; ++n)
      texts_[n] = vorbento::info(vorbento::field_at(n)).initial;
  }
  // Takes one FIELD=TEXT line; else says what is wrong with it.
  std::optional<std::string> take(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return "not FIELD=TEXT in load: " + std::string(line);
    const std::string_view name = line.substr(0, eq);
    const auto field = vorbento::field_by_name(name);
    if (!field || !vorbento::is_input(*field)) return "unknown field in load: " + std::string(name);
    if (given_[vorbento::index(*field)]) return "field given twice in load: " + std::string(name);
    given_[vorbento::index(*field)] = true;
    texts_[vorbento::index(*field)] = line.substr(eq + 1);
    return std::nullopt;
  }
  const vorbento::InputTexts& texts() const { return texts_; }

 private:
  vorbento::InputTexts texts_;
  std::array<bool, vorbento::kInputFieldCount> given_{};
};

bool replay_line(Calculator& calc, std::string_view line, std::ostream& out) {
  if (line.empty() || line.front() == '#') return true;
  if (line == "dump") {
    dump(calc, out);
    return true;
  }
  if (line == "marks") {
    marks(calc, out);
    return true;
  }
  if (line == "tab") {
    calc.tab_changed();
    return true;
  }
  constexpr std::string_view kEdit = "edit ";
  if (line.substr(0, kEdit.size()) == kEdit) {
    const std::string_view rest = line.substr(kEdit.size());
    const std::size_t space = rest.find(' ');
    const std::string_view name = rest.substr(0, space);
    const std::string_view text = space == std::string_view::npos ? std::string_view{} : rest.substr(space + 1);
    if (const auto field = vorbento::field_by_name(name)) {
      calc.edit(*field, text);
      return true;
    }
  }
  return false;
}

}  // namespace

int main() {
  std::ios::sync_with_stdio(false);
  Calculator calc;
  std::string line;
  unsigned long number = 0;
  std::optional<PendingLoad> load;
  while (std::getline(std::cin, line, '\n')) {
    ++number;
    if (load) {
      if (line.empty() || line.front() == '#') continue;
      if (line == ".") {
        calc.load(load->texts());
        load.reset();
      } else if (const auto error = load->take(line)) {
        std::cerr << "vorbento-replay: line " << number << ": " << *error << '\n';
      }
    } else if (line == "load") {
      load.emplace();
    } else if (!replay_line(calc, line, std::cout)) {
      std::cerr << "vorbento-replay: line " << number << ": unknown command: " << line << '\n';
    }
  }
  if (load) std::cerr << "vorbento-replay: load not ended by \".\", not done\n";
  std::cout.flush();
  return 0;
}
