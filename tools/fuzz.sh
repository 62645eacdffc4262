#!/usr/bin/env bash
# Fuzzes the engine with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer for the given number of seconds (default 60).
# Long run: tools/fuzz.sh 1800. The corpus grows in build-fuzz/corpus.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
"$root/tools/setup-debian.sh"
CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORBENTO_FUZZ=ON \
  -DVORBENTO_GUI=OFF -DVORBENTO_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-fuzz" -j"$(nproc)" --target engine_fuzz
mkdir -p "$root/build-fuzz/corpus"
cd "$root/build-fuzz"
# -timeout: one session taking over 10 s counts as a hang.
"$root/build-fuzz/bin/engine_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 corpus 2>&1 | grep -E "^(#[0-9]+ +DONE|Done|engine_fuzz|==|SUMMARY|stat::number_of_executed_units)" || true
test "${PIPESTATUS[0]}" -eq 0
