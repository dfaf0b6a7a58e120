#!/usr/bin/env bash
# Builds the Debian package build/release/gaugewright_<version>_<arch>.deb from the
# release build. Install it with: sudo apt install ./build/release/gaugewright_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target gaugewright gaugewright-cli gaugewright_sounds \
  gaugewright_docs
(cd build/release && cpack -G DEB)
ls build/release/gaugewright_*.deb
