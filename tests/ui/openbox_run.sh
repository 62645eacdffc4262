#!/bin/sh
# Runs a program on a private X server (Xvfb) managed by openbox, with a
# 40-pixel panel strip reserved at the bottom of the screen, as a desktop's
# task bar does: the window manager maximises the window into what is left.
#
# usage: openbox_run.sh WIDTHxHEIGHT PROGRAM [ARGS...]
# Exit status: the program's; 1 when Xvfb or openbox is missing, so that a
# machine without them fails the check instead of passing it unseen.
size=$1
shift
for tool in Xvfb openbox; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "FAIL: $tool is not installed (tools/setup-debian.sh installs it)"
    exit 1
  fi
done

dir=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT INT TERM

cat >"$dir/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>40</bottom><left>0</left><right>0</right></margins>
</openbox_config>
XML

# The server picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb_pid=$!
tries=0
while [ ! -s "$dir/display" ]; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "FAIL: Xvfb did not start"; cat "$dir/xvfb.log"; exit 1
  fi
  sleep 0.1
done
DISPLAY=:$(head -n1 "$dir/display")
export DISPLAY

openbox --config-file "$dir/rc.xml" 2>"$dir/openbox.log" &
wm_pid=$!

# The program waits for the window manager's work area itself.
QT_QPA_PLATFORM=xcb "$@"
rc=$?
[ $rc -ne 0 ] && [ -s "$dir/openbox.log" ] && { echo "openbox said:"; cat "$dir/openbox.log"; }
exit $rc
