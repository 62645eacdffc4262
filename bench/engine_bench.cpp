// The cost of one keystroke's cascade in the headless engine, and of opening
// a saved design.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/typing_session.h"
#include "calc/handlers.h"
#include "document/document_file.h"

namespace vorbento {
namespace {

// Whole sessions; the counters give the time and handler runs per keystroke.
void BM_TypingSession(benchmark::State& state) {
  const std::vector<Keystroke> keys = typing_session();
  Calculator calc;
  std::uint64_t runs_before = calc.handler_runs();
  for (auto _ : state) {
    for (const Keystroke& k : keys) calc.edit(k.field, k.text);
  }
  const double keystrokes = static_cast<double>(keys.size()) * static_cast<double>(state.iterations());
  state.counters["keystrokes"] = static_cast<double>(keys.size());
  state.counters["per_keystroke"] = benchmark::Counter(
      static_cast<double>(keys.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["handler_runs_per_key"] = static_cast<double>(calc.handler_runs() - runs_before) / keystrokes;
}
BENCHMARK(BM_TypingSession)->Unit(benchmark::kMicrosecond);

// Every keystroke timed on its own (best of the repetitions, to see the cost
// of the cascade rather than the scheduler): median and worst keystroke.
void BM_KeystrokeSpread(benchmark::State& state) {
  using clock = std::chrono::steady_clock;
  const std::vector<Keystroke> keys = typing_session();
  std::vector<double> best(keys.size(), 1e30);
  Calculator calc;
  for (auto _ : state) {
    for (std::size_t k = 0; k < keys.size(); ++k) {
      const auto t0 = clock::now();
      calc.edit(keys[k].field, keys[k].text);
      const auto t1 = clock::now();
      best[k] = std::min(best[k], std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
  }
  std::vector<double> sorted = best;
  std::sort(sorted.begin(), sorted.end());
  state.counters["median_us"] = sorted[sorted.size() / 2];
  state.counters["worst_us"] = sorted.back();
  const auto worst = std::max_element(best.begin(), best.end()) - best.begin();
  state.SetLabel("worst: " + std::string(name(keys[static_cast<std::size_t>(worst)].field)) + "=\"" +
                 keys[static_cast<std::size_t>(worst)].text + "\"");
}
BENCHMARK(BM_KeystrokeSpread)->Iterations(200)->Unit(benchmark::kMillisecond);

// Opening a design: its file's text read as a document and loaded into the
// calculator, every input's handler run once.
void BM_OpenDocument(benchmark::State& state) {
  InputTexts texts = input_texts(Calculator{});
  texts[index(Field::nmg0)] = "3600";
  texts[index(Field::m)] = "45.5";
  const std::string file = write_document(texts, initial_check_texts());
  Calculator calc;
  for (auto _ : state) {
    const DocumentRead read = parse_document(file);
    calc.load(*read.inputs);
    benchmark::DoNotOptimize(calc.text(Field::matlag));
  }
  state.counters["bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorbento

BENCHMARK_MAIN();
