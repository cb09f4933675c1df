#!/usr/bin/env bash
# Installs what is missing, builds the viewer and the demo disc, and starts the viewer on
# the disc. Platform settings can be given as usual, e.g.
# CHANNELS_SCREEN=800x600x16 bash scripts/run-demo.sh (see the README).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target channels demo
# The drive map and the registry file of the demo disc.
set -a
. build/linux/demo/drives.env
set +a
exec build/linux/bin/channels
