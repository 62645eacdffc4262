// Drives the engine with arbitrary editing sessions and checks, after every
// edit, what a user must be able to trust on screen.
//
// Input bytes are read as a sequence of actions: set a field's whole text
// (garbage, blanks, commas, exponents, extreme magnitudes), type or delete one
// character at its end, or switch the page.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/handlers.h"
#include "core/mark_list.h"
#include "tests/fuzz/formula_check.h"
#include "tests/fuzz/text_forms.h"

namespace vorbento {
namespace {

constexpr std::string_view kAlphabet = "0123456789.,-+eE \t";
constexpr std::string_view kExtremes[] = {
    "",
    " ",
    "0",
    "-0",
    "1e38",
    "-1e38",
    "3.4028235e38",
    "3.5e38",
    "1e-45",
    "1.4e-45",
    "1e-38",
    "1e308",
    "1e400",
    "1e-400",
    "9999999",
    "0.0000001",
    "1E+10",
    "0,5",
    "5.",
    ".5",
    "-",
    ".",
    "1e",
    "1e+",
    "1,2.3",
    "nan",
    "inf",
    "0x10",
    "1 000",
    "+7",
    "\t2\t",
    "123456789012345678901234567890",
    "0.00000000000000000000001",
};

class Reader {
 public:
  Reader(const std::uint8_t* d, std::size_t n) : data_(d), size_(n) {}
  bool more() const { return pos_ < size_; }
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string text() {
    std::string t;
    for (std::size_t len = byte() % 24; len > 0 && more(); --len) t.push_back(character());
    return t;
  }
  char character() {
    const std::uint8_t b = byte();
    // Mostly the characters of numbers; now and then any byte at all.
    return b % 32 < kAlphabet.size() ? kAlphabet[b % 32] : static_cast<char>(b);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

[[noreturn]] void fail(const Calculator& c, Field f, const char* what) {
  std::fprintf(stderr, "engine_fuzz: %s: %s=\"%s\"\n", what, name(f).data(), c.text(f).c_str());
  for (std::size_t n = 0; n < kFieldCount; ++n)
    std::fprintf(stderr, "  %s=%s\n", name(field_at(n)).data(), c.text(field_at(n)).c_str());
  std::abort();
}

// What the engine may have written into an input field besides the user.
bool engine_form(Field field, const std::string& t) {
  using enum Field;
  if (field == i || field == nmg0) return is_short_form(t) || is_fixed_form(t, 10);
  if (field == nmg1) return is_fixed_form(t, 2);
  return false;
}

void check(const Calculator& c, const std::array<std::string, kInputFieldCount>& typed) {
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const Field f = field_at(n);
    const std::string& t = c.text(f);
    if (is_input(f)) {
      const bool as_typed = t == typed[n] || (typed[n].empty() && t == "0");
      if (!as_typed && !engine_form(f, t)) fail(c, f, "input text neither typed nor written in a known form");
      if (c.active_runs(f) != 0) fail(c, f, "handler still active after the edit");
    } else if (t != info(f).initial && !is_fixed_form(t, output_decimals(f))) {
      fail(c, f, "output text not in its field's format");
    }
  }
  // Every result the store calls current is what its formula gives for the
  // texts on screen; the list of marks names each field at most once.
  std::array<bool, kFieldCount> named{};
  for (const auto& [f, kind] : marked_fields(c)) {
    if (named[index(f)]) fail(c, f, "marked twice");
    named[index(f)] = true;
  }
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const Field f = field_at(n);
    // So is a motor speed or the ratio a block wrote, while the store calls
    // it current.
    if (c.stale(f) || (is_input(f) && (c.own_text(f) || c.mark(f) != Problem::none))) continue;
    if (std::string why; !agrees_with_texts(c, f, why)) {
      std::fprintf(stderr, "engine_fuzz: %s: %s\n", name(f).data(), why.c_str());
      fail(c, f, "a current result disagrees with the texts it follows");
    }
  }
  if (c.text(Field::tlg1) != c.text(Field::tgyg1)) fail(c, Field::tlg1, "braking time differs from acceleration time");
  if (c.text(Field::tlg0) != c.text(Field::tgyg0)) fail(c, Field::tlg0, "braking time differs from acceleration time");
}

// Edits executed over the whole run, reported when the process ends.
struct EditCount {
  unsigned long long edits = 0, handler_runs = 0;
  ~EditCount() {
    if (edits) std::fprintf(stderr, "engine_fuzz: %llu edits, %llu handler runs\n", edits, handler_runs);
  }
} g_count;

}  // namespace
}  // namespace vorbento

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorbento;
  Calculator calc;
  std::array<std::string, kInputFieldCount> typed;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) typed[n] = info(field_at(n)).initial;

  Reader in(data, size);
  while (in.more()) {
    const std::uint8_t action = in.byte();
    const std::size_t n = in.byte() % kInputFieldCount;
    const Field f = field_at(n);
    std::string text = calc.text(f);
    switch (action % 8) {
      case 0:
      case 1:
      case 2:
        text = in.text();
        break;
      case 3:
        text.push_back(in.character());
        break;  // a key typed at the end
      case 4:
        if (!text.empty()) text.pop_back();
        break;  // Backspace
      case 5:
        text = std::string(kExtremes[in.byte() % std::size(kExtremes)]);
        break;
      case 6:
        text = std::to_string(in.byte()) + "e" + std::to_string(static_cast<int>(in.byte()) - 128);
        break;
      case 7:
        calc.tab_changed();
        check(calc, typed);
        continue;
    }
    if (text == calc.text(f)) continue;  // no change, no edit
    typed[n] = text;
    calc.edit(f, text);
    ++g_count.edits;
    check(calc, typed);
  }
  g_count.handler_runs += calc.handler_runs();
  return 0;
}
