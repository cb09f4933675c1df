#!/usr/bin/env bash
# Installs what is missing, builds both platforms and runs every test: unit, scenario and
# oracle tests, the same suite under AddressSanitizer and UBSan, a short fuzzing run, and the
# Windows program's checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

echo "== House format"
bash scripts/check-format.sh

echo "== Windows build"
cmake --preset win32 >/dev/null
cmake --build --preset win32
bash scripts/check-win32-exe.sh build/win32/bin/channels.exe
# Wine runs the 32-bit program where the kernel can start 32-bit programs; elsewhere the same
# source built for 64-bit Windows stands in for it.
. tests/smoke/wine_env.sh
if [ "$wine_arch" = win64 ]; then
  echo "This machine cannot start 32-bit programs: Wine runs the 64-bit build of the same source"
  cmake --preset win64 >/dev/null
  cmake --build --preset win64
fi

echo "== Linux build and tests (channels.exe is built above: its resources must be compared)"
cmake --preset linux >/dev/null
cmake --build --preset linux
CHANNELS_REQUIRE_WIN32_EXE=1 ctest --preset linux -j2

echo "== Real windows: the SDL build under Xvfb, channels.exe and the conformance programs under Wine"
bash tests/smoke/sdl-smoke.sh build/linux/bin/channels build/smoke/sdl
bash tests/smoke/wine-panel.sh "build/$wine_arch/bin/channels.exe" build/linux/bin/channels build/smoke/wine
bash tests/conformance/run-wine.sh build/conformance-wine

echo "== AddressSanitizer and UBSan build and tests"
cmake --preset asan >/dev/null
cmake --build --preset asan
CHANNELS_REQUIRE_WIN32_EXE=1 ASAN_OPTIONS=detect_leaks=1 ctest --preset asan -j2

echo "== Fuzzing the movie reader"
bash scripts/fuzz-smacker.sh build/asan 60
