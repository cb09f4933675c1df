#!/bin/sh
# Builds the conformance programs as 32-bit Windows programs and runs each under Wine in a
# virtual X server (640x480, 24 bits; palette_realize also at 8 bits). Every program must
# end with status 0. Usage: tests/conformance/run-wine.sh [output folder]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/build/conformance-wine}
mkdir -p "$out"
out=$(cd "$out" && pwd)  # absolute: it goes into drive maps and other folders
programs="queue_order paint_update capture activation dialog_keys message_box_loop registry_create palette_realize timer_wait popup_move"

# dialog_keys has resources of its own: its dialog template.
(cd "$here" && i686-w64-mingw32-windres dialog_keys.rc -O coff -o "$out/dialog_keys_res.o")
for p in $programs; do
  resources=""
  if [ "$p" = dialog_keys ]; then resources="$out/dialog_keys_res.o"; fi
  # shellcheck disable=SC2086
  i686-w64-mingw32-g++-posix -std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror \
    -I "$root/win32/include" -o "$out/$p.exe" "$here/$p.cpp" $resources \
    -mconsole -static -static-libgcc -static-libstdc++ -lgdi32 -luser32 -ladvapi32
done

prefix=$(mktemp -d)
xvfb_pids=""
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  for pid in $xvfb_pids; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$prefix"
}
trap cleanup EXIT

. "$root/tests/smoke/virtual_display.sh"

export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_virtual_display 24 "$out/display-24"
# Without a window manager, unmanaged windows behave as on a plain Windows desktop.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

failed=0
run() {  # program [xdotool command to give it once it waits]
  if [ $# -gt 1 ]; then
    wine "$out/$1.exe" > "$out/$1.out" 2>&1 &
    pid=$!
    sleep 3
    # shellcheck disable=SC2086
    xdotool $2
    wait "$pid" && status=0 || status=$?
  else
    wine "$out/$1.exe" > "$out/$1.out" 2>&1 && status=0 || status=$?
  fi
  tr -d '\r' < "$out/$1.out"
  if [ "$status" -ne 0 ]; then
    echo "$1 under Wine: status $status"
    failed=1
  fi
}

run queue_order "key a"
run capture "mousemove 150 50 click 1"
for p in paint_update activation dialog_keys message_box_loop registry_create palette_realize timer_wait popup_move; do
  run "$p"
done

# At 8 bits Wine offers a palette display.
wineserver -w
start_virtual_display 8 "$out/display-8"
run palette_realize

exit $failed
