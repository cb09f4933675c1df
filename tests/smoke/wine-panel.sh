#!/bin/sh
# channels.exe under Wine in a virtual X server (640x480, 24 bits) shows the same panel,
# pixel for pixel, as a headless run of the Linux build; a real click on QUIT ends it with
# exit code 0.
# Usage: tests/smoke/wine-panel.sh CHANNELS_EXE LINUX_CHANNELS [output folder]
set -eu

exe=$1
linux=$2
out=${3:-$(pwd)/wine-panel}
mkdir -p "$out"

# The picture the Linux build shows at the same size, with the colour depth already warned
# about so that no warning covers the panel.
cat > "$out/headless.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Kulvo\Corvale 2000\Windows]
"Last Color Depth"=dword:00000020
REG
printf 'screenshot %s\nclick 320 310\n' "$out/headless.png" > "$out/script.txt"
CHANNELS_BACKEND=headless CHANNELS_SCREEN=640x480x32 CHANNELS_SCRIPT="$out/script.txt" \
  CHANNELS_REGISTRY="$out/headless.reg" "$linux"

prefix=$(mktemp -d)
xvfb_pid=""
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT

rm -f "$out/display"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$out/display" 2>/dev/null &
xvfb_pid=$!
while [ ! -s "$out/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$out/display")
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Kulvo\Corvale 2000\Windows' /v 'Last Color Depth' /t REG_DWORD /d 32 /f >/dev/null 2>&1

wine "$exe" &
pid=$!
sleep 6
import -window root "$out/wine.png"
differing=$(compare -metric AE "$out/wine.png" "$out/headless.png" "$out/difference.png" 2>&1 || true)
echo "pixels that differ from the headless run: $differing"

xdotool mousemove 320 310 click 1
status=0
wait "$pid" || status=$?
echo "exit code after QUIT: $status"
[ "$differing" = "0" ] && [ "$status" -eq 0 ]
