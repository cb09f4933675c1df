#!/bin/sh
# The SDL build in a virtual X server (640x480, 24 bits) plays channel 1 of the demo disc: a
# real click starts its first movie, and a screenshot during the movie shows one of the movie's
# frames exactly (as smkdec decodes them) at the centre of an otherwise black screen; a key ends
# the channel, the panel comes back as it was, and a click on QUIT ends the program with 0.
#
# No audio driver is forced: on a machine without a sound device (CI, Xvfb) SDL finds none,
# waveOut reports no device and the movie plays silent; that path must neither hang nor crash.
# Where a sound device exists the movie plays with sound and the pictures are the same.
# Usage: tests/smoke/sdl-play.sh LINUX_CHANNELS SMKDEC DEMO_FOLDER [output folder]
set -eu

channels=$1
smkdec=$2
demo=$(cd "$3" && pwd)
out=${4:-$(pwd)/sdl-play}
mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -f "$out/log.jsonl" "$out"/*.png

. "$(dirname "$0")/checks.sh"
. "$(dirname "$0")/virtual_display.sh"

# The demo's settings, with the colour depth already warned about so no warning covers the
# screen; the program may write the file, so it gets a copy.
cp "$demo/registry.reg" "$out/registry.reg"
printf '\n[HKEY_CURRENT_USER\\Software\\Kulvo\\Corvale 2000\\Windows]\n"Last Color Depth"=dword:00000020\n' \
  >> "$out/registry.reg"
export CHANNELS_DRIVES="E:=$demo/disc"

movie="$demo/disc/DATA/ZOVA1A.SMK"
"$smkdec" "$movie" --video "$out/frames.rgb"
size=$("$smkdec" "$movie" --info | sed -n 's/^ *"\(width\|height\)": *\([0-9]*\).*/\2/p' | tr '\n' ' ')
set -- $size

xvfb_pids=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  for x in $xvfb_pids; do kill "$x" 2>/dev/null || true; done
}
trap cleanup EXIT
start_virtual_display 24 "$out/display"

CHANNELS_BACKEND=sdl CHANNELS_REGISTRY="$out/registry.reg" CHANNELS_LOG="$out/log.jsonl" \
  "$channels" 2>"$out/stderr.txt" &
pid=$!
logged() { grep -q "$1" "$out/log.jsonl" 2>/dev/null; }

wait_for 'xdotool search --name "Corvale 2000" >/dev/null 2>&1'
sleep 1
import -window root "$out/panel.png"

xdotool mousemove 285 170 click 1
if wait_for 'logged "\"ev\":\"frame\",\"index\":2,"'; then
  frame_on_screen "$out/movie" "$out/frames.rgb" "$1" "$2"
else
  failed=1
fi

xdotool key space
wait_for 'logged "\"op\":\"destroy\",\"class\":\"KulvoMovie\""' || failed=1
if logged 'ZOVA1B'; then
  echo "the first movie had ended before the key: the key ended the second one"
fi
sleep 1
import -window root "$out/panel-after.png"
same "$out/panel-after.png" "$out/panel.png" "the panel after the channel"

xdotool mousemove 320 310 click 1
exits_within "$pid" 10
pid=""
echo "exit code after QUIT: $status"
[ "$status" -eq 0 ] || failed=1
grep -q '"ev":"exit","code":0' "$out/log.jsonl" || { echo "the log has no exit 0"; failed=1; }
# Whether the movie had sound (the samples the device played), and what SDL said about it.
sed -n 's/.*"op":"close","samples":\([0-9]*\).*/sound: \1 samples played/p' "$out/log.jsonl"
grep "^channels:" "$out/stderr.txt" || true
exit $failed
