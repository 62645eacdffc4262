#!/bin/sh
# --help and --version print and exit 0 with no display at all: no X, no
# Wayland, no platform chosen. Every malformed command is refused there too,
# with exit status 1 and a word on what is wrong, before a display is looked
# for; Qt's own options still pass.
# Usage: command_line_check.sh VORBENTO DESIGN
set -eu
program="$1"
design="$2"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
out="$(run --version)" || { echo "FAIL: --version exited $?" >&2; exit 1; }
[ "$out" = "Vorbento 0.2" ] || { echo "FAIL: --version printed: $out" >&2; exit 1; }
out="$(run -platform offscreen --version)" || { echo "FAIL: -platform offscreen --version exited $?" >&2; exit 1; }
[ "$out" = "Vorbento 0.2" ] || { echo "FAIL: -platform offscreen --version printed: $out" >&2; exit 1; }
out="$(run --help)" || { echo "FAIL: --help exited $?" >&2; exit 1; }
case "$out" in
  *"Használat: "*"[kapcsolók] [FÁJL...]"*--version*"--pdf <KIMENET.pdf>"*--results*"--set <MEZŐ=SZÖVEG>"*--json*) ;;
  *) echo "FAIL: --help printed: $out" >&2; exit 1 ;;
esac
# Hungarian under any locale, each line as a command-line tool's, with nothing
# read: the FILE named (missing) is never mentioned.
refused() {  # WORD ARGS...: exit status 1, WORD in what was said
  word="$1"; shift
  status=0
  err="$(LC_ALL=C LANGUAGE=en run "$@" 2>&1 >/dev/null)" || status=$?
  [ "$status" -eq 1 ] || { echo "FAIL: $* exited $status: $err" >&2; exit 1; }
  case "$err" in *"$word"*) ;; *) echo "FAIL: $* said: $err" >&2; exit 1 ;; esac
  case "$err" in *missing.vorbento*) echo "FAIL: $* read a FILE: $err" >&2; exit 1 ;; esac
  printf '%s\n' "$err" | grep -qv '^vorbento: ' && { echo "FAIL: $* said: $err" >&2; exit 1; }
  return 0
}
refused "Ismeretlen kapcsoló: „no-such-option”" --no-such-option
refused "„bogus”" --bogus missing.vorbento
refused "Hiányzó érték ez után: „--pdf”" --pdf
refused "nem adható meg együtt" --pdf out.pdf --results missing.vorbento
refused "legfeljebb egy FÁJLT" missing.vorbento b.vorbento
refused "ismeretlen mezőt ad meg: „nope”" --results --set nope=1 missing.vorbento
refused "„matlag” mezője számított eredmény" --pdf out.pdf --set i=4 --set matlag=1 missing.vorbento
refused "MEZŐ=SZÖVEG" --results --set i missing.vorbento
refused "--set csak" --set i=4 missing.vorbento
refused "--json csak" --json missing.vorbento

# --pdf never writes over what is not a report: a forgotten OUT, OUT named
# among the FILEs, an existing file that is no PDF. Refused before anything
# is read, every file as it was.
dir="$(mktemp -d)"
trap 'rm -rf "$dir" "$dir.before"' EXIT
cp "$design" "$dir/x.vorbento"
cp "$design" "$dir/y.vorbento"
printf '%%PDF-1.4\n' > "$dir/r.pdf"
printf 'jegyzet\n' > "$dir/notes.pdf"
cp -r "$dir" "$dir.before"
refused x.vorbento --pdf "$dir/x.vorbento" "$dir/y.vorbento"
refused "r.pdf” a megnyitandó" --pdf "$dir/r.pdf" "$dir/y.vorbento" "$dir/./r.pdf"
refused notes.pdf --pdf "$dir/notes.pdf" "$dir/y.vorbento"
diff -r "$dir.before" "$dir" >/dev/null || { echo "FAIL: --pdf changed a file it refused" >&2; exit 1; }
# An older report is replaced, its suffix in any case.
mv "$dir/r.pdf" "$dir/r.PDF"
run --pdf "$dir/r.PDF" "$dir/y.vorbento" || { echo "FAIL: --pdf over an older PDF exited $?" >&2; exit 1; }
[ "$(wc -c < "$dir/r.PDF")" -gt 1000 ] || { echo "FAIL: the older PDF was not replaced" >&2; exit 1; }
echo "command line ok"
