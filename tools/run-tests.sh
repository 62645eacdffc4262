#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as
# shipped, once more under AddressSanitizer and UndefinedBehaviorSanitizer.
# Exits non-zero on the first failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
"$root/tools/setup-debian.sh"
export QT_QPA_PLATFORM=offscreen

echo "== build and test (release)"
cmake -S "$root" -B "$root/build-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-tests" -j"$jobs"
ctest --test-dir "$root/build-tests" --output-on-failure -j"$jobs"

echo "== build and test under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVORBENTO_SANITIZE=ON \
      -DVORBENTO_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs"

echo "== fuzz the engine for a minute (libFuzzer, ASan + UBSan)"
"$root/tools/fuzz.sh" 60
