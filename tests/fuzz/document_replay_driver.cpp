// Runs the document fuzz target without libFuzzer: on the files named on the
// command line, or else on every cut and many one-byte changes of a saved
// design, so that its checks run with every test build.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "calc/handlers.h"
#include "document/document_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void run(const std::string& bytes) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    for (int a = 1; a < argc; ++a) {
      std::ifstream file(argv[a], std::ios::binary);
      run(std::string{std::istreambuf_iterator<char>(file), {}});
    }
    return 0;
  }
  vorbento::InputTexts texts = vorbento::input_texts(vorbento::Calculator{});
  texts[3] = "ő😀ű\t\"\\";
  const std::string saved = vorbento::write_document(texts, vorbento::initial_check_texts());
  std::size_t count = 0;
  for (std::size_t cut = 0; cut <= saved.size(); ++cut, ++count) run(saved.substr(0, cut));
  const std::string changes[] = {"",  "\"", "\\", "}", "{",    "[",    ",",       ":",
                                 "0", "-",  "e",  " ", "\xC3", "\xFF", "\xF0\x9F"};
  for (std::size_t at = 0; at < saved.size(); ++at) {
    for (const std::string& c : changes) {
      std::string changed = saved;
      changed.replace(at, 1, c);
      run(changed);
      ++count;
    }
  }
  std::printf("document fuzz replay: %zu inputs, no finding\n", count);
  return 0;
}
