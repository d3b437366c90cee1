#!/usr/bin/env bash
# Move latency and quitting time of two builds of bench/move_latency, run in
# turn, round after round, so that a machine whose load drifts treats them
# alike. Builds nothing: build the move_latency target in each tree first.
#
#   bench/move_latency.sh [--rounds N] [--seconds N] OLD_BUILD_DIR NEW_BUILD_DIR
#
# Prints one row per build: the median over the rounds of each figure
# (milliseconds), and the worst of the maxima.
set -uo pipefail
usage="usage: move_latency.sh [--rounds N] [--seconds N] OLD_BUILD_DIR NEW_BUILD_DIR"
rounds=2
seconds=20
while [ $# -gt 0 ]; do
  case "$1" in
    -h|--help) echo "$usage"; echo "Move to events processed, and quitting mid-check, of two builds run in turn."; exit 0 ;;
    --rounds) rounds="${2:-}"; shift 2 ;;
    --seconds) seconds="${2:-}"; shift 2 ;;
    -*) echo "move_latency.sh: unknown option $1" >&2; echo "$usage" >&2; exit 2 ;;
    *) break ;;
  esac
done
[[ "$rounds" =~ ^[1-9][0-9]*$ ]] || { echo "move_latency.sh: rounds must be a positive number" >&2; exit 2; }
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "move_latency.sh: seconds must be a positive number" >&2; exit 2; }
[ $# -eq 2 ] || { echo "$usage" >&2; exit 2; }
for build in "$@"; do
  [ -x "$build/bench/move_latency" ] || { echo "move_latency.sh: missing $build/bench/move_latency" >&2; exit 1; }
done

for round in $(seq 1 "$rounds"); do
  n=0
  for build in "$@"; do
    n=$((n + 1))
    line=$("$build/bench/move_latency" --seconds "$seconds" --seed "$round") || {
      echo "move_latency.sh: $build failed" >&2; exit 1; }
    echo "$line" >&2
    echo "$n $line"
  done
done | python3 -c '
import statistics, sys
rows = {}
for line in sys.stdin:
    build, _, *fields = line.split()
    values = dict(f.split("=", 1) for f in fields)
    rows.setdefault(int(build), []).append(values)
names = ["old", "new"]
paths = sys.argv[1:]
figures = ["moves", "p50", "p90", "p99", "max", "over1s", "quit_p50", "quit_max", "peak_threads"]
worst = {"max", "quit_max", "peak_threads", "over1s"}
print("%-6s %-4s " % ("build", "api") + " ".join("%12s" % f for f in figures))
for build, runs in sorted(rows.items()):
    cells = []
    for f in figures:
        values = [float(r[f]) for r in runs]
        v = max(values) if f in worst else statistics.median(values)
        cells.append("%12.0f" % v if f in ("moves", "over1s", "peak_threads") else "%12.2f" % v)
    print("%-6s %-4s " % (names[build - 1], runs[0]["api"]) + " ".join(cells))
print("times in ms; medians over rounds, worst case for max, quit_max, over1s and peak_threads")
print("builds: " + ", ".join("%s: %s" % (names[i], p) for i, p in enumerate(paths)))
' "$@"
