#!/bin/sh
# --help and --version print and exit 0 with no display at all: no X, no
# Wayland, no platform chosen.
# Usage: command_line_check.sh VORBENTO
set -eu
program="$1"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
out="$(run --version)" || { echo "FAIL: --version exited $?" >&2; exit 1; }
[ "$out" = "Vorbento 0.2" ] || { echo "FAIL: --version printed: $out" >&2; exit 1; }
out="$(run --help)" || { echo "FAIL: --help exited $?" >&2; exit 1; }
case "$out" in
  *"[options] [FILE]"*--version*"--pdf <OUT.pdf>"*) ;;
  *) echo "FAIL: --help printed: $out" >&2; exit 1 ;;
esac
# With a display, an unknown option is refused before any window opens.
if err="$(QT_QPA_PLATFORM=offscreen "$program" --no-such-option 2>&1)"; then
  echo "FAIL: an unknown option was accepted" >&2; exit 1
fi
case "$err" in *no-such-option*) ;; *) echo "FAIL: the refusal said: $err" >&2; exit 1 ;; esac
echo "command line ok"
