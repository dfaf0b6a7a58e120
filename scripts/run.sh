#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it on the bundled default data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target gaugewright-cli
cli=build/release/cli/gaugewright-cli
echo "== The bundled sample inventory (data/Sample.inv) =="
"$cli" inv-dump data/Sample.inv
echo "== The default Classification Yard (data/Classyrd.mst), as JSON in build/release/Classyrd.json =="
"$cli" yard-dump data/Classyrd.mst > build/release/Classyrd.json
grep -A 15 '"headings"' build/release/Classyrd.json
tail -n 4 build/release/Classyrd.json
