#!/bin/sh
# channels.exe under Wine in a virtual X server (640x480, 24 bits) plays channel 1 of the demo
# disc, mapped as drive E: through the prefix's dosdevices: a real click starts its first movie,
# and a screenshot during the movie shows one of the movie's frames exactly (as smkdec decodes
# them) at the centre of an otherwise black screen; a key ends the channel, the panel comes
# back as it was, a click on QUIT ends the program with 0 and no process of the prefix is left.
# The program's event lines (OutputDebugStringA) reach stderr through Wine's debugstr channel;
# the test waits on them.
# Usage: tests/smoke/wine-play.sh CHANNELS_EXE SMKDEC DEMO_FOLDER [output folder]
# Exit status 77: skipped, Wine cannot run a 32-bit program on this machine.
set -eu

exe=$1
smkdec=$2
demo=$(cd "$3" && pwd)
out=${4:-$(pwd)/wine-play}
mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -f "$out"/*.png

. "$(dirname "$0")/checks.sh"
. "$(dirname "$0")/virtual_display.sh"
. "$(dirname "$0")/wine_prefix.sh"

movie="$demo/disc/DATA/ZOVA1A.SMK"
"$smkdec" "$movie" --video "$out/frames.rgb"
size=$("$smkdec" "$movie" --info | sed -n 's/^ *"\(width\|height\)": *\([0-9]*\).*/\2/p' | tr '\n' ' ')
set -- $size

WINEPREFIX=""
xvfb_pids=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  if [ -n "$WINEPREFIX" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  for x in $xvfb_pids; do kill "$x" 2>/dev/null || true; done
}
trap cleanup EXIT

start_virtual_display 24 "$out/display"
start_wine_prefix
ln -s "$demo/disc" "$WINEPREFIX/dosdevices/e:"
# Without a window manager, unmanaged windows behave as on a plain Windows desktop.
wine_reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
wine_reg 'HKCU\Software\Kulvo\Corvale 2000\PATHS' /v GOODIES /d 'E:\GOODIES'
# The colour depth already warned about, so that no warning covers the screen.
wine_reg 'HKCU\Software\Kulvo\Corvale 2000\Windows' /v 'Last Color Depth' /t REG_DWORD /d 32

WINEDEBUG=-all,warn+debugstr wine "$exe" 2>"$out/stderr.txt" &
pid=$!
# An event line as Wine prints it: {"ev":"frame",... becomes "{\"ev\":\"frame\",...".
logged() { grep -q "$1" "$out/stderr.txt" 2>/dev/null; }

# The panel has no event line of its own: its window, then two seconds for it to be painted.
wait_for 'xdotool search --class channels.exe >/dev/null 2>&1' 30 || failed=1
sleep 2
import -window root "$out/panel.png"

xdotool mousemove 285 170 click 1
if wait_for 'logged "index\\\\\":2,"' 20; then
  frame_on_screen "$out/movie" "$out/frames.rgb" "$1" "$2"
else
  failed=1
fi

xdotool key space
wait_for 'logged "op\\\\\":\\\\\"close"' || failed=1
if logged 'ZOVA1B'; then
  echo "the first movie had ended before the key: the key ended the second one"
fi
sleep 2
import -window root "$out/panel-after.png"
same "$out/panel-after.png" "$out/panel.png" "the panel after the channel"

xdotool mousemove 320 310 click 1
exits_within "$pid" 20
pid=""
echo "exit code after QUIT: $status"
[ "$status" -eq 0 ] || failed=1
# wineserver ends once the last process of the prefix has ended (and a short grace time).
if timeout 30 wineserver -w; then
  echo "no process of the prefix is left"
else
  echo "processes of the prefix are still running 30 s after QUIT"
  failed=1
fi
exit $failed
