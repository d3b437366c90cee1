#!/usr/bin/env bash
# Solver speed of two or more builds, each run in turn, round after round, so
# that a machine whose speed drifts treats them alike: the median positions
# per second of each build and rule set, and its ratio to the first build.
#
#   bench/solver_ab.sh [--rounds N] [--bench | --cpu] <build dir> <build dir> [...]
#
# By default each round solves 200 shuffled deals from a fixed seed with
# dealtool; --bench runs solver_bench's fixed deals instead. --cpu divides
# dealtool's positions by the CPU time perf counts for it rather than by
# the time that passed: on a machine others keep busy, the time a program
# waits for a core says nothing about the solver.
set -uo pipefail
usage="usage: solver_ab.sh [--rounds N] [--bench | --cpu] <build dir> <build dir> [...]"
rounds=8
tool=dealtool
cpu=0
while [ $# -gt 0 ]; do
  case "$1" in
    -h|--help) echo "$usage"; echo "Solver positions per second of several builds, run in turn."; exit 0 ;;
    --rounds) rounds="${2:-}"; shift 2 ;;
    --bench) tool=solver_bench; shift ;;
    --cpu) cpu=1; shift ;;
    -*) echo "solver_ab.sh: unknown option $1" >&2; echo "$usage" >&2; exit 2 ;;
    *) break ;;
  esac
done
[[ "$rounds" =~ ^[1-9][0-9]*$ ]] || { echo "solver_ab.sh: rounds must be a positive number" >&2; exit 2; }
[ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
for build in "$@"; do
  [ -x "$build/bench/$tool" ] || { echo "solver_ab.sh: missing $build/bench/$tool" >&2; exit 1; }
done

# One line per build, rule set and round: "<build number> <rule set> <M positions/s>".
run() {
  local bin="$1/bench/$tool"
  if [ "$tool" = dealtool ] && [ "$cpu" = 1 ]; then
    local rules out
    for rules in unlimited draw1-limited draw3-limited; do
      out=$(perf stat -x, -e task-clock:u "$bin" --generate 200 --seed 7 --summary "$rules" 2>&1) || continue
      echo "$out" | python3 -c '
import re, sys
text = sys.stdin.read()
nodes = re.search(r"ms per deal, (\d+) nodes per deal", text)
ms = re.search(r"^([0-9.]+),[^,]*,task-clock", text, re.M)
if nodes and ms:
    print(sys.argv[1], 200 * int(nodes.group(1)) / float(ms.group(1)) / 1000)
' "$rules"
    done
  elif [ "$tool" = dealtool ]; then
    "$bin" --generate 200 --seed 7 --summary | sed -n 's/^# \([a-z0-9-]*\): .*, \([0-9.]*\) M positions\/s$/\1 \2/p'
  else
    "$bin" --benchmark_filter='BM_SolveFixedDeals' --benchmark_min_time=1 2>/dev/null |
      sed -n 's/.* positions\/s=\([0-9.]*\)M\/s.* \([a-z0-9-]*\)$/\2 \1/p'
  fi
}

for _ in $(seq 1 "$rounds"); do
  n=0
  for build in "$@"; do
    n=$((n + 1))
    run "$build" | sed "s/^/$n /"
  done
done | python3 -c '
import statistics, sys
runs = {}
for line in sys.stdin:
    build, rules, rate = line.split()
    runs.setdefault(rules, {}).setdefault(int(build), []).append(float(rate))
names = sys.argv[1:]
for rules, by_build in runs.items():
    base = statistics.median(by_build[1])
    cells = [f"{statistics.median(r):.2f} M (x{statistics.median(r) / base:.3f})" for _, r in sorted(by_build.items())]
    print(f"{rules:14} " + "  ".join(cells))
print("builds: " + ", ".join(f"{i}: {n}" for i, n in enumerate(names, 1)))
' "$@"
