# Sourced by the tests that run Windows programs under Wine. The program we ship is a 32-bit
# one, but a Linux kernel built without 32-bit support cannot start Wine's 32-bit loader
# ("Exec format error"). There the same source built for 64-bit Windows (preset win64) stands
# in for it. Sets:
#   wine_arch  win32 or win64: the Windows build this machine runs (WINEARCH of new prefixes)
#   wine       the Wine loader for it
#   mingw      the cross-compiler prefix for programs built for it
if wine --version >/dev/null 2>&1; then
  wine_arch=win32
  wine=wine
  mingw=i686-w64-mingw32
else
  wine_arch=win64
  wine=/usr/lib/wine/wine64
  mingw=x86_64-w64-mingw32
fi
