#!/usr/bin/env bash
# Installs what is missing, builds once and runs the whole test suite, then
# builds the fuzz targets and runs each once over its committed corpus
# (scripts/fuzz.sh --check; MURVANE_FUZZ_CHECK=0 skips it, e.g. for a second
# sanitizer build).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DMURVANE_BUILD_TESTS=ON -DMURVANE_BUILD_BENCH=ON "$@"
(cd "${BUILD_DIR:-$root/build}" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)
if [ "${MURVANE_FUZZ_CHECK:-1}" != 0 ]; then
  "$root/scripts/fuzz.sh" --check
fi
