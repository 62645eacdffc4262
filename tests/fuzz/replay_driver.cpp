// Runs the fuzz target without libFuzzer: on the files named on the command
// line, or else on a fixed set of pseudo-random sessions, so that its checks
// run with every test build (also under the sanitizers).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  if (argc > 1) {
    for (int a = 1; a < argc; ++a) {
      std::ifstream file(argv[a], std::ios::binary);
      const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    return 0;
  }
  std::mt19937 rng(20261208);
  std::size_t total = 0;
  for (int session = 0; session < 3000; ++session) {
    std::vector<std::uint8_t> bytes(rng() % 600);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    total += bytes.size();
  }
  std::printf("fuzz replay: 3000 sessions, %zu bytes, no finding\n", total);
  return 0;
}
