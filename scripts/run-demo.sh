#!/usr/bin/env bash
# Installs what is missing, builds the viewer and starts it. Settings for the platform can be
# given as usual (CHANNELS_SCREEN=800x600x16 bash scripts/run-demo.sh, see the README).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target channels
exec build/linux/bin/channels
