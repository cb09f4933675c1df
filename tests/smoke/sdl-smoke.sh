#!/bin/sh
# The SDL build in a virtual X server (640x480, 24 bits), driven by real clicks and keys:
# the panel shows as in a headless run, a click on channel 1 brings the disc prompt (same
# picture as headless), Enter presses its OK, a click on QUIT ends the program with 0.
# Usage: tests/smoke/sdl-smoke.sh LINUX_CHANNELS [output folder]
set -eu

channels=$1
out=${2:-$(pwd)/sdl-smoke}
mkdir -p "$out/disc"
out=$(cd "$out" && pwd)  # absolute: it goes into drive maps and other folders
rm -f "$out/log.jsonl"

cat > "$out/registry.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Kulvo\Corvale 2000\PATHS]
"GOODIES"="E:\\X"

[HKEY_CURRENT_USER\Software\Kulvo\Corvale 2000\Windows]
"Last Color Depth"=dword:00000020
REG
export CHANNELS_DRIVES="E:=$out/disc"

# What the same steps show headless.
cp "$out/registry.reg" "$out/headless.reg"
printf 'screenshot %s\nclick 285 170\nscreenshot %s\nkey Return\nclick 320 310\n' \
  "$out/headless-panel.png" "$out/headless-prompt.png" > "$out/script.txt"
CHANNELS_BACKEND=headless CHANNELS_SCREEN=640x480x32 CHANNELS_SCRIPT="$out/script.txt" \
  CHANNELS_REGISTRY="$out/headless.reg" "$channels"

xvfb_pids=""
. "$(dirname "$0")/checks.sh"
. "$(dirname "$0")/virtual_display.sh"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  for x in $xvfb_pids; do kill "$x" 2>/dev/null || true; done
}
trap cleanup EXIT
start_virtual_display 24 "$out/display"

CHANNELS_BACKEND=sdl CHANNELS_REGISTRY="$out/registry.reg" CHANNELS_LOG="$out/log.jsonl" \
  SDL_AUDIODRIVER=dummy "$channels" &
pid=$!
wait_for 'xdotool search --name "Corvale 2000" >/dev/null 2>&1'
sleep 1
import -window root "$out/panel.png"
same "$out/panel.png" "$out/headless-panel.png" "panel"
xdotool mousemove 285 170 click 1
wait_for 'grep -q "\"ev\":\"msgbox\"" "$out/log.jsonl" 2>/dev/null' || failed=1
sleep 1
import -window root "$out/prompt.png"
same "$out/prompt.png" "$out/headless-prompt.png" "disc prompt"
xdotool key Return
sleep 1
xdotool mousemove 320 310 click 1
status=0
wait "$pid" || status=$?
pid=""
echo "exit code after QUIT: $status"
[ "$status" -eq 0 ] || failed=1
exit $failed
