#!/usr/bin/env bash
# Installs what is missing, builds and starts the game.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DMURVANE_BUILD_TESTS=OFF -DMURVANE_BUILD_BENCH=OFF
exec "${BUILD_DIR:-$root/build}/src/app/murvane-solitaire"
