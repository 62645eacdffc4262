#!/usr/bin/env bash
# Installs what is missing, builds a Release Vorbento and its Debian package
# (build-package/vorbento_<version>_<arch>.deb) and checks the package with
# lintian: exits non-zero on a lintian error.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-package"
"$root/tools/setup-debian.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
      -DVORBENTO_TESTS=OFF -DVORBENTO_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)
deb="$(ls -t "$build"/vorbento_*.deb | head -n1)"
lintian --fail-on error "$deb"
echo "Package: $deb"
