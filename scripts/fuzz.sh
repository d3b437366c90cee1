#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ (or $FUZZ_BUILD_DIR).
#   scripts/fuzz.sh --check            build every target, run each once over
#                                      its committed corpus (CI; fails on a crash)
#   scripts/fuzz.sh --list             name the targets
#   scripts/fuzz.sh [target] [seconds] fuzz one target (default: the saved-game
#                                      decoder) for 180 s or the given time
# A long run starts from the target's committed corpus; new inputs go to
# <build>/fuzz-corpus/<target>/ and a crashing input to <build>/fuzz/<target>-crash-*.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DMURVANE_FUZZ=ON -DMURVANE_SANITIZE=address,undefined \
  -DMURVANE_BUILD_TESTS=ON -DMURVANE_BUILD_BENCH=OFF >/dev/null
# Lines of "name;max_len;corpus folder;...", written by the configure step.
targets="$build/fuzz/targets.txt"

case "${1:-}" in
  --check)
    cmake --build "$build" --target fuzzers --parallel "$(nproc)"
    cd "$build"
    exec ctest -L '^fuzz$' --output-on-failure --parallel "$(nproc)" --timeout 120
    ;;
  --list)
    cut -d';' -f1 "$targets"
    exit 0
    ;;
esac

if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  name=persistence_fuzz_saved_game
else
  name="${1:-persistence_fuzz_saved_game}"
  shift || true
fi
seconds="${1:-180}"
line="$(grep "^$name;" "$targets")" || { echo "no fuzz target $name; try --list" >&2; exit 2; }
IFS=';' read -r -a fields <<<"$line"
max_len="${fields[1]}"
corpus=("${fields[@]:2}")

cmake --build "$build" --target "$name"
mkdir -p "$build/fuzz-corpus/$name"
cd "$build"
exec "$build/fuzz/$name" \
  -max_total_time="$seconds" -max_len="$max_len" -timeout=5 -rss_limit_mb=1024 \
  -print_final_stats=1 -artifact_prefix="$build/fuzz/$name-" \
  "$build/fuzz-corpus/$name" "${corpus[@]}"
