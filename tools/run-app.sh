#!/usr/bin/env bash
# Installs what is missing, builds Vorbento and opens the calculator.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/setup-debian.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DVORBENTO_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target vorbento
exec "$root/build/bin/vorbento" "$@"
