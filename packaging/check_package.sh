#!/usr/bin/env bash
# Builds the Debian package from a configured build tree, unpacks it, checks
# that every file is there and valid, and starts the unpacked program: a
# package that cannot run fails.
# Usage: check_package.sh BUILD_DIR APPSTREAM_ID
set -euo pipefail
build="$1"
id="$2"
work="$(mktemp -d "$build/package-test.XXXXXX")"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack"; }
debs=("$work"/out/vorbento_*.deb)
deb="${debs[0]}"
[ -f "$deb" ] || fail "no vorbento_*.deb in $work/out"
dpkg-deb -x "$deb" "$work/root"
root="$work/root"

for f in usr/bin/vorbento \
         usr/share/applications/vorbento.desktop \
         usr/share/icons/hicolor/scalable/apps/vorbento.svg \
         "usr/share/metainfo/$id.metainfo.xml" \
         usr/share/man/man1/vorbento.1.gz \
         usr/share/doc/vorbento/copyright \
         usr/share/doc/vorbento/changelog.gz \
         usr/share/mime/packages/vorbento.xml; do
  [ -s "$root/$f" ] || fail "the package lacks /$f"
done
[ -x "$root/usr/bin/vorbento" ] || fail "/usr/bin/vorbento is not executable"

depends="$(dpkg-deb -f "$deb" Depends)"
for d in fonts-liberation qt6-translations-l10n libqt6widgets6; do
  [[ "$depends" == *"$d"* ]] || fail "Depends lacks $d: $depends"
done

lintian --fail-on error "$deb" 2>/dev/null || fail "lintian reports errors"
desktop-file-validate "$root/usr/share/applications/vorbento.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null \
  || { appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >&2; fail "metainfo"; }

# The .vorbento file type: shared-mime-info builds its database from the
# package's file and maps the suffix to the type; the desktop entry and the
# metainfo name the type, and the entry passes the file to the program.
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/vorbento.xml" "$work/mime/packages/"
XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>"$work/mime.log" || { cat "$work/mime.log" >&2; fail "update-mime-database"; }
[ ! -s "$work/mime.log" ] || { cat "$work/mime.log" >&2; fail "the MIME file has warnings"; }
grep -qx '50:application/x-vorbento:\*\.vorbento' "$work/mime/globs2" || fail "*.vorbento is not application/x-vorbento"
desktop="$root/usr/share/applications/vorbento.desktop"
grep -qx 'Exec=vorbento %f' "$desktop" || fail "the desktop entry does not pass the file: Exec=vorbento %f"
grep -qx 'MimeType=application/x-vorbento;' "$desktop" || fail "the desktop entry lacks MimeType=application/x-vorbento;"
for key in Name Comment GenericName; do
  grep -q "^$key=" "$desktop" && grep -q "^$key\[hu\]=" "$desktop" || fail "the desktop entry lacks $key or $key[hu]"
done
grep -q '<mediatype>application/x-vorbento</mediatype>' "$root/usr/share/metainfo/$id.metainfo.xml" \
  || fail "the metainfo does not provide application/x-vorbento"

QT_QPA_PLATFORM=offscreen "$root/usr/bin/vorbento" >"$work/run.log" 2>&1 &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  status=0; wait "$pid" || status=$?
  pid=""
  cat "$work/run.log" >&2
  fail "the unpacked program ended within 2 s (status $status)"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "package ok: $(basename "$deb")"
