#!/usr/bin/env bash
# Fails, naming them, when C++ sources do not follow .clang-format
# (Debian's clang-format-14, so that every machine formats alike).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
command -v clang-format-14 >/dev/null || { echo "clang-format-14 is missing (tools/setup-debian.sh installs it)" >&2; exit 1; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find core calc document presentation report ui app tests bench tools \
                         -name '*.cpp' -o -name '*.h' | sort)
fi
bad=()
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  clang-format-14 --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not formatted (run: clang-format-14 -i FILE):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "${#files[@]} sources follow .clang-format"
