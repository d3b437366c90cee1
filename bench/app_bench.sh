#!/usr/bin/env bash
# Whole-process figures of the game in a real X session (Xvfb + trayer), each
# next to a bare tray application (app_baseline_tray) measured in the same run:
#   - launch to tray icon embedded (median of runs)
#   - peak (VmHWM) and settled (VmRSS) resident memory
#   - idle wake-ups with the panel closed: context switches of all threads
#     over 5 s
# then the in-process figures of app_panel_bench (start-up phases, tray click
# to panel painted, timer events while idle, New Deal to board painted).
#
#   bench/app_bench.sh <build dir> [runs] [new-deal presses per rule set]
set -uo pipefail
usage="usage: app_bench.sh <build dir> [runs] [new-deal presses per rule set]"
case "${1:-}" in
  -h|--help) echo "$usage"; echo "Whole-process figures of the game against a bare tray application."; exit 0 ;;
  -*) echo "app_bench.sh: unknown option $1" >&2; echo "$usage" >&2; exit 2 ;;
  "") echo "$usage" >&2; exit 2 ;;
esac
build="$1"
runs="${2:-15}"
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "app_bench.sh: runs must be a positive number" >&2; echo "$usage" >&2; exit 2; }
presses="${3:-500}"
[[ "$presses" =~ ^[1-9][0-9]*$ ]] || { echo "app_bench.sh: presses must be a positive number" >&2; echo "$usage" >&2; exit 2; }
game="$build/src/app/murvane-solitaire"
baseline="$build/bench/app_baseline_tray"
panelbench="$build/bench/app_panel_bench"
for f in "$game" "$baseline" "$panelbench"; do [ -x "$f" ] || { echo "missing $f"; exit 1; }; done

work="$(mktemp -d /tmp/murvane-bench.XXXXXX)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -dc '0-9' < "$work/display")"
trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
  --SetPartialStrut true --transparent false >/dev/null 2>&1 &
trayer_pid=$!
pids+=($trayer_pid)
for _ in $(seq 1 100); do xwininfo -root -tree 2>/dev/null | grep -q '("panel" "trayer")' && break; sleep 0.1; done
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset DBUS_SESSION_BUS_ADDRESS

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
switches() { # all threads of $1
  local total=0 f v n
  for f in /proc/"$1"/task/*/status; do
    v=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$f" 2>/dev/null); n=$(awk '/^nonvoluntary_ctxt_switches/ {print $2}' "$f" 2>/dev/null)
    total=$(( total + ${v:-0} + ${n:-0} ))
  done
  echo "$total"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# One launch: prints "<ms to icon> <VmHWM kB> <VmRSS kB> <switches in 5 s>".
# A third argument "returning" launches with a store that has already greeted
# the player, as every launch after the first does. A fourth, "quick", stops
# the program once its icon shows and prints only the time.
measure() {
  kill -0 "$trayer_pid" 2>/dev/null || { echo "app_bench.sh: the tray host (trayer) has stopped" >&2; exit 1; }
  local exe="$1" class="$2" home="$work/home-$RANDOM$RANDOM"
  mkdir -p "$home/config" "$home/runtime"; chmod 700 "$home/runtime"
  if [ "${3:-}" = returning ]; then
    mkdir -p "$home/config/Kestrune"
    printf '[General]\nMurvane_HasSeenWelcome=true\n' > "$home/config/Kestrune/Murvane Solitaire.conf"
  fi
  local t0 t1 pid
  t0=$(now_ms)
  HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" "$exe" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 2000); do
    xwininfo -root -tree 2>/dev/null | grep -A8 '("panel" "trayer")' | grep -q "(\"$class\"" && break
    sleep 0.005
  done
  t1=$(now_ms)
  if [ "${4:-}" = quick ]; then
    sleep 0.5; kill -TERM $pid; wait $pid 2>/dev/null; sleep 0.3
    echo "$((t1 - t0))"; return
  fi
  sleep 4 # let start-up work (deal preparation) finish
  local hwm rss s0 s1
  hwm=$(awk '/^VmHWM/ {print $2}' /proc/$pid/status); rss=$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)
  s0=$(switches $pid); sleep 5; s1=$(switches $pid)
  kill -TERM $pid; wait $pid 2>/dev/null
  echo "$((t1 - t0)) $hwm $rss $((s1 - s0))"
}

# Interleaved, so a change in the machine's load falls on all three alike.
# Launch times come from quick launches back to back (a launch after seconds
# of idle meets a slowed-down processor); memory and wake-ups from three
# launches left to settle.
names="baseline game-first game-returning"
for name in $names; do : > "$work/$name.time"; : > "$work/$name"; done
for _ in $(seq 1 "$runs"); do
  measure "$baseline" app_baseline_tray "" quick >> "$work/baseline.time"
  measure "$game" murvane-solitaire "" quick >> "$work/game-first.time"
  measure "$game" murvane-solitaire returning quick >> "$work/game-returning.time"
done
for _ in 1 2 3; do
  measure "$baseline" app_baseline_tray >> "$work/baseline"
  measure "$game" murvane-solitaire >> "$work/game-first"
  measure "$game" murvane-solitaire returning >> "$work/game-returning"
done
col() { awk -v c="$2" '{print $c}' "$work/$1" | median; }
printf '%-28s %9s %12s %7s %12s %7s\n' "median" baseline "first launch" ratio "returning" ratio
for row in "launch to tray icon (ms):1:.time" "peak resident VmHWM (kB):2:" "idle resident VmRSS (kB):3:" "idle wake-ups in 5 s:4:"; do
  IFS=: read -r label c suffix <<< "$row"
  b=$(col "baseline$suffix" "$c"); f=$(col "game-first$suffix" "$c"); r=$(col "game-returning$suffix" "$c")
  ratio() { awk -v b="$b" -v g="$1" 'BEGIN { if (b > 0) printf "x%.2f", g / b; else print "-" }'; }
  printf '%-28s %9s %12s %7s %12s %7s\n' "$label" "$b" "$f" "$(ratio "$f")" "$r" "$(ratio "$r")"
done
echo "(launch times: median of $runs launches each; memory and wake-ups: median of 3)"

echo
home="$work/home-panel"; mkdir -p "$home/config" "$home/runtime"; chmod 700 "$home/runtime"
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" timeout 900 "$panelbench" "$presses"
