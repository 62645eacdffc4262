// The .vorbento format: its exact bytes, its round trip, and every refusal.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>

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
  ASSERT_TRUE(read.inputs) << read.error;
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
  ASSERT_TRUE(read.inputs) << read.error;
  EXPECT_TRUE(read.error.empty());
  EXPECT_TRUE(*read.inputs == texts);
  EXPECT_TRUE(read.checks == checks);
}

TEST(DocumentFormat, AnyWhitespaceAndKeyOrderReads) {
  std::string doc = R"({"inputs":{)";
  for (std::size_t n = kInputFieldCount; n-- > 0;) doc += "\r\n\t\"" + std::string(name(field_at(n))) + "\" : \"7\" ,";
  doc.back() = '}';
  doc += R"( , "version" : 1.0, "format":"vorbento"} )";
  const DocumentRead read = parse_document("\xEF\xBB\xBF" + doc);
  ASSERT_TRUE(read.inputs) << read.error;
  EXPECT_EQ((*read.inputs)[kInputFieldCount - 1], "7");
}

// Each refusal names its problem (and the key or the place where there is one).
TEST(DocumentFormat, EveryRefusalSaysWhy) {
  const std::string good(kInitialDocument);
  const struct {
    std::string bytes;
    std::string_view says;
  } cases[] = {
      {with(good, "498.00", "498\xC3\x28"), "nem UTF-8 kódolású szöveg: érvénytelen bájt a fájl 6. sorának 17. oszlopában"},
      {with(good, "2700", "27\xED\xA0\x80"), "nem UTF-8"},  // a surrogate
      {with(good, "\"2.5\",", "\"ő\" x"), "nem érvényes JSON: hiba a fájl 7. sorának 14. oszlopában"},
      {good.substr(0, 60), "nem érvényes JSON: váratlanul véget ér"},
      {" \n", "üres"},
      {with(good, "\"version\": 2", "\"version\": 1e400"), "egy szám túl nagy: „1e400”"},
      {"[1, 2]", "nem JSON-objektum, hanem tömb"},
      {with(good, "\"vorbento\"", "\"vorbent\""), "a „format” értéke nem „vorbento”"},
      {with(good, "\"format\": \"vorbento\",", ""), "hiányzik a „format” kulcs"},
      {with(good, "\"version\": 2", "\"version\": 1.5"), "nem egész szám: 1.5"},
      {with(good, "\"version\": 2", "\"version\": \"1\""), "nem egész szám"},
      {with(good, "\"version\": 2", "\"version\": 3"), "újabb Vorbento készítette (a formátum 3. változatával)"},
      {with(good, "\"version\": 2", "\"version\": 99999999999999999999"), "újabb Vorbento"},
      {with(good, "\"version\": 2", "\"version\": 0"), "nem létező formátumváltozat"},
      {with(good, "\"version\": 2,", ""), "Hiányzik a „version” kulcs"},
      {R"({"format": "vorbento", "version": 1})", "Hiányzik az „inputs” objektum"},
      {R"({"format": "vorbento", "version": 1, "inputs": []})", "Az „inputs” értéke nem objektum, hanem tömb"},
      {with(good, "\"vg1\": \"0.0166\",", ""), "Hiányzik egy mező az „inputs” objektumból: „vg1”"},
      {with(good, "\"vg1\"", "\"vg2\""), "Ismeretlen mező az „inputs” objektumban: „vg2”"},
      {with(good, "\"vg1\"", "\"tgyg1\""), "Ismeretlen mező az „inputs” objektumban: „tgyg1”"},
      {with(good, "\"0.0166\"", "0.0166"), "nem szöveg, hanem szám: „vg1”"},
      {with(good, "\"0.0166\"", "null"), "nem szöveg, hanem null: „vg1”"},
      {with(good, "\"version\"", "\"note\": \"x\", \"version\""), "Ismeretlen kulcs a dokumentumban: „note”"},
      {with(good, "\"vg1\"", "\"a\": \"1\", \"vg1\""), "kétszer szerepel: „a”"},
      {with(good, ",\n    \"dnmax\": \"70000\"", ""), "Hiányzik egy kulcs a „checks” objektumból: „dnmax”"},
      {with(good, "\"dnmax\"", "\"dnmax\": \"1\", \"dnmin\""), "Ismeretlen kulcs a „checks” objektumban: „dnmin”"},
      {with(good, "\"70000\"", "70000"), "nem szöveg, hanem szám: „dnmax”"},
      {with(good, "\"befogott-alatamasztott\"", "\"befogott – alátámasztott\""), "A „csapagyazas” értéke nem"},
      {with(version1(), "\"version\": 1", "\"version\": 2"), "Hiányzik a „checks” objektum"},
      {with(good, "\"version\": 2", "\"version\": 1"), "Ismeretlen kulcs a dokumentumban: „checks”"},
  };
  for (const auto& c : cases) {
    const DocumentRead read = parse_document(c.bytes);
    EXPECT_FALSE(read.inputs) << c.says;
    EXPECT_NE(read.error.find(c.says), std::string::npos) << read.error;
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
  const struct {
    std::filesystem::path path;
    std::string_view says;
  } cases[] = {
      {big, "big.vorbento”. A fájl túl nagy (67108865 bájt)"},
      {dir, "Ez egy mappa"},
      {dir / "gone.vorbento", "gone.vorbento”. Nincs ilyen fájl"},
      {good / "x", "Nincs ilyen fájl"},
      {"/dev/null", "nem közönséges fájl"},
  };
  for (const auto& c : cases) {
    const DocumentRead read = read_document_file(c.path);
    EXPECT_FALSE(read.inputs);
    EXPECT_NE(read.error.find(c.says), std::string::npos) << read.error;
  }
  std::filesystem::permissions(good, std::filesystem::perms::none);
  if (::geteuid() != 0) {  // root reads it all the same
    EXPECT_NE(read_document_file(good).error.find("Nincs jogosultság"), std::string::npos);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vorbento
