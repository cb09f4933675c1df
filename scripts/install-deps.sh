#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the tools need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config python3 git file
  clang clang-format libclang-rt-14-dev llvm
  libgtest-dev libgmock-dev
  libsdl2-dev libpng-dev libfreetype-dev fonts-dejavu-core
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  ffmpeg xvfb xauth xdotool x11-apps imagemagick
  wine wine64 wine32:i386 fonts-wine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo dpkg --add-architecture i386
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
$sudo apt-get clean
