#!/usr/bin/env bash
# Builds the saved-game fuzzer (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ (or $FUZZ_BUILD_DIR) and runs
# it for the given number of seconds (default 180), starting from the
# committed corpus in tests/persistence/fuzz_corpus/. New inputs it finds go to
# <build>/fuzz-corpus/; a crashing input is written to <build>/crash-*.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-180}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DMURVANE_FUZZ=ON -DMURVANE_SANITIZE=address,undefined \
  -DMURVANE_BUILD_TESTS=ON -DMURVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target persistence_fuzz_saved_game

mkdir -p "$build/fuzz-corpus"
cd "$build"
# max_len above the decoder's 64 KiB limit, so oversized records are tried too.
exec "$build/tests/persistence/persistence_fuzz_saved_game" \
  -max_total_time="$seconds" -max_len=70000 -timeout=5 -rss_limit_mb=1024 \
  -print_final_stats=1 \
  "$build/fuzz-corpus" "$root/tests/persistence/fuzz_corpus"
