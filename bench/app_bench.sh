#!/usr/bin/env bash
# Whole-process figures of the game in a real X session (Xvfb + trayer), each
# next to a bare tray application (app_baseline_tray) measured in the same run:
#   - launch to tray icon embedded (median of runs)
#   - peak (VmHWM) and settled (VmRSS) resident memory
#   - idle wake-ups with the panel closed: context switches of all threads
#     over 5 s
# then the in-process figures of app_panel_bench (start-up phases, tray click
# to panel painted, timer events while idle, New Deal to board painted).
# With --old, an earlier build's game is measured in the same run, each of its
# launches alternating with the new build's, and its panel figures follow.
# Memory is taken for a returning player, for a first run with the welcome
# window still open, and (with xdotool) once the welcome window has been
# closed again.
#
#   bench/app_bench.sh [--old <old build dir>] <build dir> [runs] [new-deal presses per rule set]
set -uo pipefail
usage="usage: app_bench.sh [--old <old build dir>] <build dir> [runs] [new-deal presses per rule set]"
old=""
case "${1:-}" in
  -h|--help) echo "$usage"; echo "Whole-process figures of the game against a bare tray application."; exit 0 ;;
  --old) old="${2:-}"; shift 2 || { echo "$usage" >&2; exit 2; }; [ -n "$old" ] || { echo "$usage" >&2; exit 2; } ;;
  -*) echo "app_bench.sh: unknown option $1" >&2; echo "$usage" >&2; exit 2 ;;
esac
[ -n "${1:-}" ] || { echo "$usage" >&2; exit 2; }
build="$1"
runs="${2:-15}"
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "app_bench.sh: runs must be a positive number" >&2; echo "$usage" >&2; exit 2; }
presses="${3:-500}"
[[ "$presses" =~ ^[1-9][0-9]*$ ]] || { echo "app_bench.sh: presses must be a positive number" >&2; echo "$usage" >&2; exit 2; }
game="$build/src/app/murvane-solitaire"
baseline="$build/bench/app_baseline_tray"
panelbench="$build/bench/app_panel_bench"
for f in "$game" "$baseline" "$panelbench"; do [ -x "$f" ] || { echo "missing $f"; exit 1; }; done
games="new"
if [ -n "$old" ]; then
  for f in "$old/src/app/murvane-solitaire" "$old/bench/app_panel_bench"; do [ -x "$f" ] || { echo "missing $f"; exit 1; }; done
  games="old new"
fi
exe_of() { if [ "$1" = old ]; then echo "$old/src/app/murvane-solitaire"; else echo "$game"; fi; }

work="$(mktemp -d /tmp/murvane-bench.XXXXXX)"
# A desktop session's runtime directory is a tmpfs (/run/user/<uid>); so is
# the one the launches get here, where the machine has one.
runtime="$work"
[ -d /dev/shm ] && [ -w /dev/shm ] && runtime="$(mktemp -d /dev/shm/murvane-bench.XXXXXX)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work" "$runtime"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# An X session of its own: Xvfb and a tray host. Started again for the
# in-process figures, so nothing the launches left behind (the keyboard focus
# of a closed window, a stale icon) falls on them.
start_session() {
  : > "$work/display"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  pids+=($xvfb_pid)
  for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(tr -dc '0-9' < "$work/display")"
  trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
    --SetPartialStrut true --transparent false >/dev/null 2>&1 &
  trayer_pid=$!
  pids+=($trayer_pid)
  for _ in $(seq 1 100); do xwininfo -root -tree 2>/dev/null | grep -q '("panel" "trayer")' && break; sleep 0.1; done
}
stop_session() {
  kill -TERM "$trayer_pid" "$xvfb_pid" 2>/dev/null
  wait "$trayer_pid" "$xvfb_pid" 2>/dev/null
}
start_session
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
# the player, as every launch after the first does; "closed" is a first run
# whose welcome window (and the panel, should one be open) is closed before
# measuring.
# A fourth, "quick", stops the program once its icon shows and prints only the
# time.
measure() {
  kill -0 "$trayer_pid" 2>/dev/null || { echo "app_bench.sh: the tray host (trayer) has stopped" >&2; exit 1; }
  local exe="$1" class="$2" home="$work/home-$RANDOM$RANDOM"
  local rundir; rundir="$(mktemp -d "$runtime/run.XXXXXX")"; chmod 700 "$rundir"
  mkdir -p "$home/config"
  if [ "${3:-}" = returning ]; then
    mkdir -p "$home/config/Kestrune"
    printf '[General]\nMurvane_HasSeenWelcome=true\n' > "$home/config/Kestrune/Murvane Solitaire.conf"
  fi
  local t0 t1 pid
  # The icon is in the tray once the host has taken its window from the root
  # window: xev reports that ReparentNotify as it happens. Without xev, the
  # tray's window tree is polled, which is coarser (a few milliseconds).
  local watcher="" embedded="$work/embedded"
  rm -f "$embedded"
  if command -v xev >/dev/null; then
    xev -root -event substructure 2>/dev/null > >(while IFS= read -r line; do
      case "$line" in ReparentNotify*) now_ms > "$embedded"; break ;; esac
    done) &
    watcher=$!
    sleep 0.2 # listening before the launch
  fi
  t0=$(now_ms)
  HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$rundir" "$exe" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 4000); do
    if [ -n "$watcher" ]; then
      [ -s "$embedded" ] && break
      sleep 0.002
    else
      xwininfo -root -tree 2>/dev/null | grep -A8 '("panel" "trayer")' | grep -q "(\"$class\"" && break
      sleep 0.005
    fi
  done
  if [ -n "$watcher" ]; then
    kill "$watcher" 2>/dev/null; wait "$watcher" 2>/dev/null
    t1=$(cat "$embedded" 2>/dev/null || now_ms)
  else
    t1=$(now_ms)
  fi
  if [ "${4:-}" = quick ]; then
    sleep 0.5; kill -TERM $pid; wait $pid 2>/dev/null; sleep 0.3
    echo "$((t1 - t0))"; return
  fi
  sleep 4 # let start-up work (deal preparation) finish
  if [ "${3:-}" = closed ]; then
    local w
    for w in $(xdotool search --pid "$pid" --name '^Welcome$' 2>/dev/null); do xdotool key --window "$w" Escape 2>/dev/null; done
    sleep 2
    for w in $(xdotool search --pid "$pid" --onlyvisible --name '^Murvane Solitaire$' 2>/dev/null); do xdotool key --window "$w" Escape 2>/dev/null; done
    sleep "${CLOSED_SETTLE:-5}"
  fi
  local hwm rss s0 s1
  hwm=$(awk '/^VmHWM/ {print $2}' /proc/$pid/status); rss=$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)
  s0=$(switches $pid); sleep 5; s1=$(switches $pid)
  kill -TERM $pid; wait $pid 2>/dev/null
  echo "$((t1 - t0)) $hwm $rss $((s1 - s0))"
}

# Interleaved, so a change in the machine's load falls on all alike. Launch
# times come from quick launches back to back (a launch after seconds of idle
# meets a slowed-down processor); memory and wake-ups from three launches of
# each kind left to settle.
kinds="first returning"
command -v xdotool >/dev/null && kinds="first closed returning"
: > "$work/baseline.time"; : > "$work/baseline"
for g in $games; do for k in $kinds; do : > "$work/$g-$k.time"; : > "$work/$g-$k"; done; done
for _ in $(seq 1 "$runs"); do
  measure "$baseline" app_baseline_tray "" quick >> "$work/baseline.time"
  for g in $games; do
    measure "$(exe_of $g)" murvane-solitaire "" quick >> "$work/$g-first.time"
    measure "$(exe_of $g)" murvane-solitaire returning quick >> "$work/$g-returning.time"
  done
done
for _ in 1 2 3; do
  measure "$baseline" app_baseline_tray >> "$work/baseline"
  for k in $kinds; do for g in $games; do
    measure "$(exe_of $g)" murvane-solitaire "$k" >> "$work/$g-$k"
  done; done
done
col() { [ -s "$work/$1" ] && awk -v c="$2" '{print $c}' "$work/$1" | median; }
printf '%-28s %9s' "median" baseline
for g in $games; do for k in $kinds; do printf ' %16s %6s' "$g $k" ratio; done; done; echo
for row in "launch to tray icon (ms):1:.time" "peak resident VmHWM (kB):2:" "idle resident VmRSS (kB):3:" "idle wake-ups in 5 s:4:"; do
  IFS=: read -r label c suffix <<< "$row"
  b=$(col "baseline$suffix" "$c")
  printf '%-28s %9s' "$label" "$b"
  for g in $games; do for k in $kinds; do
    v=$(col "$g-$k$suffix" "$c"); v="${v:--}"
    r=$(awk -v b="$b" -v g="$v" 'BEGIN { if (b > 0 && g != "-") printf "x%.2f", g / b; else print "-" }')
    printf ' %16s %6s' "$v" "$r"
  done; done; echo
done
echo "(launch times: median of $runs launches each; memory and wake-ups: median of 3; \"closed\": first run, welcome window closed again)"
echo "(load average at the end: $(cut -d' ' -f1-3 /proc/loadavg))"

stop_session
start_session
for g in $games; do
  echo; [ -n "$old" ] && echo "== $g build"
  bench="$panelbench"; [ "$g" = old ] && bench="$old/bench/app_panel_bench"
  home="$work/home-panel-$g"; mkdir -p "$home/config" "$home/runtime"; chmod 700 "$home/runtime"
  HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" timeout 900 "$bench" "$presses"
done
