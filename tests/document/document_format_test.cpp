// The .vorbento format: its exact bytes, its round trip, and every refusal.
#include <gtest/gtest.h>

#include <unistd.h>
#include <fstream>
#include <string>

#include "calc/handlers.h"
#include "document/document_file.h"

namespace vorbento {
namespace {

constexpr std::string_view kInitialDocument = R"({
  "format": "vorbento",
  "version": 2,
  "inputs": {
    "nmg0": "3000",
    "nmg1": "498.00",
    "i": "2.5",
    "h": "0.005",
    "vg0": "0.1",
    "vg1": "0.0166",
    "a": "2",
    "f": "200",
    "m": "30",
    "jm": "0.0000268",
    "mm": "0.205",
    "mmmax": "1.695",
    "u": "0.2",
    "q": "0.9",
    "g": "9.81",
    "dorso": "0.016",
    "lorso": "0.85",
    "porso": "7800",
    "dok": "0.094",
    "dof": "0.0008",
    "lok": "0.02",
    "pok": "2700",
    "dmk": "0.035",
    "dmf": "0.008",
    "lmk": "0.022",
    "pmk": "7800",
    "dtk": "0",
    "dtf": "0",
    "ltk": "0",
    "ptk": "2700",
    "tg1": "2",
    "tg0": "1",
    "tc": "3.5"
  },
  "checks": {
    "nmmax": "5000",
    "jaranymax": "10",
    "csapagyazas": "befogott-alatamasztott",
    "dorsomag": "0.013",
    "dnmax": "70000"
  }
}
)";

std::string with(std::string_view from, std::string_view what, std::string_view by) {
  std::string s(from);
  s.replace(s.find(what), what.size(), by);
  return s;
}

// The same design as a program before the check wrote it.
std::string version1() {
  const std::string v2(kInitialDocument);
  return with(v2.substr(0, v2.find(",\n  \"checks\"")) + "\n}\n", "\"version\": 2", "\"version\": 1");
}

TEST(DocumentFormat, InitialTextsWriteExactly) {
  const Calculator calc;
  EXPECT_EQ(write_document(input_texts(calc), initial_check_texts()), kInitialDocument);
}

TEST(DocumentFormat, VersionOneOpensWithTheCheckNotGiven) {
  const DocumentRead read = parse_document(version1());
  ASSERT_TRUE(read.inputs) << static_cast<int>(read.refusal.kind);
  EXPECT_TRUE(*read.inputs == input_texts(Calculator{}));
  EXPECT_TRUE(read.checks == CheckTexts{});
  EXPECT_EQ(write_document(*read.inputs, read.checks).find("\"version\": 1"), std::string::npos);
}

TEST(DocumentFormat, AwkwardTextsComeBackExactly) {
  InputTexts texts = input_texts(Calculator{});
  texts[0] = "  12 ";
  texts[1] = "0,5";
  texts[2] = "abc";
  texts[3] = "ő😀ű";
  texts[4] = "";
  texts[5] = "\"quote\\ \t\x01 line\nfeed";
  texts[6] = std::string(10'000'000, '7');
  const CheckTexts checks{" 5000 ", "", "befogott-szabad", "abc", "ő"};
  const DocumentRead read = parse_document(write_document(texts, checks));
  ASSERT_TRUE(read.inputs) << static_cast<int>(read.refusal.kind);
  EXPECT_FALSE(read.refusal);
  EXPECT_TRUE(*read.inputs == texts);
  EXPECT_TRUE(read.checks == checks);
}

TEST(DocumentFormat, AnyWhitespaceAndKeyOrderReads) {
  std::string doc = R"({"inputs":{)";
  for (std::size_t n = kInputFieldCount; n-- > 0;) doc += "\r\n\t\"" + std::string(name(field_at(n))) + "\" : \"7\" ,";
  doc.back() = '}';
  doc += R"( , "version" : 1.0, "format":"vorbento"} )";
  const DocumentRead read = parse_document("\xEF\xBB\xBF" + doc);
  ASSERT_TRUE(read.inputs) << static_cast<int>(read.refusal.kind);
  EXPECT_EQ((*read.inputs)[kInputFieldCount - 1], "7");
}

// Each refusal names its kind of fault (and the key or the place where there is one).
TEST(DocumentFormat, EveryRefusalSaysWhy) {
  using K = Refusal::Kind;
  using J = Refusal::Json;
  const std::string good(kInitialDocument);
  const struct {
    std::string bytes;
    Refusal says;
  } cases[] = {
      {with(good, "498.00", "498\xC3\x28"), {.kind = K::not_utf8, .line = 6, .column = 17}},
      {with(good, "2700", "27\xED\xA0\x80"), {.kind = K::not_utf8, .line = 26, .column = 15}},  // a surrogate
      {with(good, "\"2.5\",", "\"ő\" x"), {.kind = K::json_syntax, .line = 7, .column = 14}},
      {good.substr(0, 60), {.kind = K::json_ends_early, .line = 5, .column = 5}},
      {" \n", {.kind = K::empty}},
      {with(good, "\"version\": 2", "\"version\": 1e400"), {.kind = K::number_too_large, .key = "1e400"}},
      {"[1, 2]", {.kind = K::not_an_object, .found = J::array}},
      {with(good, "\"vorbento\"", "\"vorbent\""), {.kind = K::not_vorbento}},
      {with(good, "\"format\": \"vorbento\",", ""), {.kind = K::no_format}},
      {with(good, "\"version\": 2", "\"version\": 1.5"), {.kind = K::version_not_integer, .key = "1.5"}},
      {with(good, "\"version\": 2", "\"version\": \"1\""), {.kind = K::version_not_integer, .key = "\"1\""}},
      {with(good, "\"version\": 2", "\"version\": 3"), {.kind = K::newer_version, .version = 3}},
      {with(good, "\"version\": 2", "\"version\": 7"), {.kind = K::newer_version, .version = 7}},
      {with(good, "\"version\": 2", "\"version\": 99999999999999999999"), {.kind = K::newer_version}},
      {with(good, "\"version\": 2", "\"version\": 0"), {.kind = K::no_such_version, .key = "0"}},
      {with(good, "\"version\": 2,", ""), {.kind = K::no_version}},
      {R"({"format": "vorbento", "version": 1})", {.kind = K::no_inputs}},
      {R"({"format": "vorbento", "version": 1, "inputs": []})", {.kind = K::inputs_not_object, .found = J::array}},
      {with(good, "\"vg1\": \"0.0166\",", ""), {.kind = K::missing_field, .key = "vg1"}},
      {with(good, "\"vg1\"", "\"vg2\""), {.kind = K::unknown_field, .key = "vg2"}},
      {with(good, "\"vg1\"", "\"tgyg1\""), {.kind = K::unknown_field, .key = "tgyg1"}},
      {with(good, "\"0.0166\"", "0.0166"), {.kind = K::field_not_text, .key = "vg1", .found = J::number}},
      {with(good, "\"0.0166\"", "null"), {.kind = K::field_not_text, .key = "vg1", .found = J::null}},
      {with(good, "\"version\"", "\"note\": \"x\", \"version\""), {.kind = K::unknown_key, .key = "note"}},
      {with(good, "\"vg1\"", "\"a\": \"1\", \"vg1\""), {.kind = K::duplicate_key, .key = "a"}},
      {with(good, ",\n    \"dnmax\": \"70000\"", ""), {.kind = K::missing_check, .key = "dnmax"}},
      {with(good, "\"dnmax\"", "\"dnmax\": \"1\", \"dnmin\""), {.kind = K::unknown_check, .key = "dnmin"}},
      {with(good, "\"70000\"", "70000"), {.kind = K::check_not_text, .key = "dnmax", .found = J::number}},
      {with(good, "\"befogott-alatamasztott\"", "\"befogott – alátámasztott\""),
       {.kind = K::unknown_bearing, .key = "befogott – alátámasztott"}},
      {with(version1(), "\"version\": 1", "\"version\": 2"), {.kind = K::no_checks}},
      {with(good, "\"version\": 2", "\"version\": 1"), {.kind = K::unknown_key, .key = "checks"}},
  };
  for (const auto& c : cases) {
    const Refusal& r = parse_document(c.bytes).refusal;
    const std::string what = std::to_string(static_cast<int>(c.says.kind)) + " " + c.says.key;
    EXPECT_EQ(r.kind, c.says.kind) << what;
    EXPECT_EQ(r.key, c.says.key) << what;
    EXPECT_EQ(r.line, c.says.line) << what;
    EXPECT_EQ(r.column, c.says.column) << what;
    EXPECT_EQ(r.found, c.says.found) << what;
    EXPECT_EQ(r.version, c.says.version) << what;
  }
}

// Files: the limit before anything is read, and the paths that cannot be read.
TEST(DocumentFile, RefusesWhatCannotBeOpened) {
  const auto dir = std::filesystem::temp_directory_path() / ("vorbento-doc-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto good = dir / "jó.vorbento", big = dir / "big.vorbento";
  std::ofstream(good, std::ios::binary) << kInitialDocument;
  EXPECT_TRUE(read_document_file(good).inputs);
  std::ofstream(big, std::ios::binary) << kInitialDocument;
  std::filesystem::resize_file(big, kMaxDocumentBytes + 1);  // sparse: reading it would take long
  using K = Refusal::Kind;
  const struct {
    std::filesystem::path path;
    Refusal::Kind kind;
    std::uintmax_t size = 0;
  } cases[] = {
      {big, K::file_too_large, kMaxDocumentBytes + 1},
      {dir, K::is_folder},
      {dir / "gone.vorbento", K::no_such_file},
      {good / "x", K::no_such_file},
      {"/dev/null", K::not_regular},
  };
  for (const auto& c : cases) {
    const DocumentRead read = read_document_file(c.path);
    EXPECT_FALSE(read.inputs);
    EXPECT_EQ(read.refusal.kind, c.kind) << c.path;
    EXPECT_EQ(read.refusal.size, c.size) << c.path;
    EXPECT_EQ(read.refusal.path, c.path.string());
  }
  std::filesystem::permissions(good, std::filesystem::perms::none);
  if (::geteuid() != 0) {  // root reads it all the same
    EXPECT_EQ(read_document_file(good).refusal.kind, K::not_permitted);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vorbento
