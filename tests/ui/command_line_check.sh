#!/bin/sh
# --help and --version print and exit 0 with no display at all: no X, no
# Wayland, no platform chosen. Every malformed command is refused there too,
# with exit status 1 and a word on what is wrong, before a display is looked
# for; Qt's own options still pass.
# Usage: command_line_check.sh VORBENTO
set -eu
program="$1"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
out="$(run --version)" || { echo "FAIL: --version exited $?" >&2; exit 1; }
[ "$out" = "Vorbento 0.2" ] || { echo "FAIL: --version printed: $out" >&2; exit 1; }
out="$(run -platform offscreen --version)" || { echo "FAIL: -platform offscreen --version exited $?" >&2; exit 1; }
[ "$out" = "Vorbento 0.2" ] || { echo "FAIL: -platform offscreen --version printed: $out" >&2; exit 1; }
out="$(run --help)" || { echo "FAIL: --help exited $?" >&2; exit 1; }
case "$out" in
  *"[options] [FILE...]"*--version*"--pdf <OUT.pdf>"*--results*) ;;
  *) echo "FAIL: --help printed: $out" >&2; exit 1 ;;
esac
refused() {  # WORD ARGS...: exit status 1, WORD in what was said
  word="$1"; shift
  status=0
  err="$(run "$@" 2>&1 >/dev/null)" || status=$?
  [ "$status" -eq 1 ] || { echo "FAIL: $* exited $status: $err" >&2; exit 1; }
  case "$err" in *"$word"*) ;; *) echo "FAIL: $* said: $err" >&2; exit 1 ;; esac
}
refused no-such-option --no-such-option
refused bogus --bogus a.vorbento
refused pdf --pdf
refused results --pdf out.pdf --results
refused "one FILE" a.vorbento b.vorbento
echo "command line ok"
