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

echo "== Linux build and tests (channels.exe is built above: its resources must be compared)"
cmake --preset linux >/dev/null
cmake --build --preset linux
CHANNELS_REQUIRE_WIN32_EXE=1 ctest --preset linux -j2

echo "== Real windows: the SDL build under Xvfb, channels.exe and the conformance programs under Wine"
cmake --build --preset linux --target demo
bash tests/smoke/sdl-smoke.sh build/linux/bin/channels build/smoke/sdl
bash tests/smoke/sdl-play.sh build/linux/bin/channels build/linux/bin/smkdec build/linux/demo build/smoke/sdl-play
# Wine starts 32-bit Windows programs through its 32-bit Linux loader, which a kernel without
# 32-bit support cannot run: there the Windows programs are built and checked, but not run.
if wine_version=$(wine --version 2>&1); then
  bash tests/smoke/wine-panel.sh build/win32/bin/channels.exe build/linux/bin/channels build/smoke/wine
  bash tests/smoke/wine-play.sh build/win32/bin/channels.exe build/linux/bin/smkdec build/linux/demo \
    build/smoke/wine-play
  bash tests/conformance/run-wine.sh build/conformance-wine
else
  echo "SKIPPED: Wine cannot start 32-bit programs on this machine ($wine_version):"
  echo "channels.exe and the conformance programs under Wine were not run"
fi

echo "== AddressSanitizer and UBSan build and tests"
cmake --preset asan >/dev/null
cmake --build --preset asan
CHANNELS_REQUIRE_WIN32_EXE=1 ASAN_OPTIONS=detect_leaks=1 ctest --preset asan -j2

echo "== Fuzzing the movie reader"
bash scripts/fuzz-smacker.sh build/asan 60
