#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the bundled default
# data (a copy in the build folder, so the catalogue it saves at exit is not the
# repository's). Without a display it runs under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target gaugewright gaugewright-cli gaugewright_sounds
data=build/release/data
program=(build/release/ui/gaugewright --data-dir "$data" "$data/Sample.inv")
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Gaugewright under Xvfb (close it with Ctrl+C)."
  exec xvfb-run -a "${program[@]}"
fi
exec "${program[@]}"
