#!/usr/bin/env bash
# Checks that a built Windows program is a 32-bit GUI executable that needs nothing but
# the DLLs every Windows system has.
set -euo pipefail
exe=${1:?usage: check-win32-exe.sh PROGRAM.exe}

description=$(file -b "$exe")
case "$description" in
  "PE32 executable (GUI) Intel 80386"*) ;;
  *) echo "$exe: not a 32-bit GUI program: $description" >&2; exit 1 ;;
esac

system_dlls='^(kernel32|user32|gdi32|advapi32|msvcrt|winmm|shell32|comdlg32|ole32)\.dll$'
status=0
while read -r dll; do
  if ! [[ ${dll,,} =~ $system_dlls ]]; then
    echo "$exe: needs $dll, which is not part of Windows" >&2
    status=1
  fi
done < <(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}')
[ $status -eq 0 ] && echo "$exe: PE32 GUI, system DLLs only"
exit $status
