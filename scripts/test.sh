#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with warnings
# as errors and runs every test; the model's tests also run under ThreadSanitizer,
# which watches the manufacturer file loader thread.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# The code is formatted as .clang-format says (clang-format -i fixes it).
find model ui cli tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run --Werror

cmake --preset tsan >/dev/null
cmake --build --preset tsan --target gaugewright_model_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  build/tsan/tests/gaugewright_model_tests --gtest_brief=1

cmake --preset ci
cmake --build --preset ci
ctest --preset ci
