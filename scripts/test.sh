#!/usr/bin/env bash
# Installs what is missing, builds once and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DMURVANE_BUILD_TESTS=ON -DMURVANE_BUILD_BENCH=ON "$@"
cd "${BUILD_DIR:-$root/build}"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
