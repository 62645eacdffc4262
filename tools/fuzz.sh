#!/usr/bin/env bash
# Fuzzes the engine and the document reader with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer for the given number of
# seconds in all (default 60): two thirds to the engine, one third to the
# reader. Long run: tools/fuzz.sh 1800. The corpora grow in build-fuzz/corpus
# (the engine) and build-fuzz/corpus-document (the reader).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
engine_seconds=$(( seconds * 2 / 3 ))
document_seconds=$(( seconds - engine_seconds ))
"$root/tools/setup-debian.sh"
CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORBENTO_FUZZ=ON \
  -DVORBENTO_GUI=OFF -DVORBENTO_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-fuzz" -j"$(nproc)" --target engine_fuzz document_fuzz
mkdir -p "$root/build-fuzz/corpus" "$root/build-fuzz/corpus-document"
cd "$root/build-fuzz"
# -timeout: one input taking over 10 s counts as a hang.
"$root/build-fuzz/bin/engine_fuzz" -max_total_time="$engine_seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 corpus 2>&1 | grep -E "^(#[0-9]+ +DONE|Done|engine_fuzz|==|SUMMARY|stat::number_of_executed_units)" || true
test "${PIPESTATUS[0]}" -eq 0
# The reader starts from a saved design and the format's words; new inputs go
# to the first corpus directory only.
"$root/build-fuzz/bin/document_fuzz" -max_total_time="$document_seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -dict="$root/tests/fuzz/document.dict" -print_final_stats=1 corpus-document "$root/tests/fuzz/document_seeds" 2>&1 |
  grep -E "^(#[0-9]+ +DONE|Done|document_fuzz|==|SUMMARY|stat::number_of_executed_units)" || true
test "${PIPESTATUS[0]}" -eq 0
