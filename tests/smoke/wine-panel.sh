#!/bin/sh
# channels.exe under Wine in a virtual X server (640x480, 24 bits) shows the same panel,
# pixel for pixel, as a headless run of the Linux build, also while channel 3 is held down;
# its release brings the disc prompt, Enter closes it, and a real click on QUIT ends the
# program with exit code 0.
# Usage: tests/smoke/wine-panel.sh CHANNELS_EXE LINUX_CHANNELS [output folder]
set -eu

exe=$1
linux=$2
out=${3:-$(pwd)/wine-panel}
mkdir -p "$out"
out=$(cd "$out" && pwd)  # absolute: it goes into drive maps and other folders

# The picture the Linux build shows at the same size, with the colour depth already warned
# about so that no warning covers the panel.
cat > "$out/headless.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Kulvo\Corvale 2000\Windows]
"Last Color Depth"=dword:00000020
REG
printf 'screenshot %s\ndown 285 240\nscreenshot %s\nup 285 240\nmsgbox ok\nclick 320 310\n' \
  "$out/headless.png" "$out/headless-pressed.png" > "$out/script.txt"
CHANNELS_BACKEND=headless CHANNELS_SCREEN=640x480x32 CHANNELS_SCRIPT="$out/script.txt" \
  CHANNELS_REGISTRY="$out/headless.reg" "$linux"

prefix=$(mktemp -d)
xvfb_pids=""
. "$(dirname "$0")/virtual_display.sh"
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  for x in $xvfb_pids; do kill "$x" 2>/dev/null || true; done
  rm -rf "$prefix"
}
trap cleanup EXIT

start_virtual_display 24 "$out/display"
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Kulvo\Corvale 2000\Windows' /v 'Last Color Depth' /t REG_DWORD /d 32 /f >/dev/null 2>&1

failed=0
same() {  # picture expected what
  differing=$(compare -metric AE "$1" "$2" "$1.difference.png" 2>&1 || true)
  echo "$3: $differing pixels differ from the headless run"
  [ "$differing" = "0" ] || failed=1
}

wine "$exe" &
pid=$!
sleep 6
import -window root "$out/wine.png"
same "$out/wine.png" "$out/headless.png" "panel"
xdotool mousemove 285 240 mousedown 1
sleep 1
import -window root "$out/wine-pressed.png"
same "$out/wine-pressed.png" "$out/headless-pressed.png" "channel 3 held down"
xdotool mouseup 1
sleep 2
import -window root "$out/wine-prompt.png"
xdotool key Return
sleep 1

xdotool mousemove 320 310 click 1
status=0
wait "$pid" || status=$?
echo "exit code after QUIT: $status"
[ "$failed" -eq 0 ] && [ "$status" -eq 0 ]
