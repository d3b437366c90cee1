# Shared by the end-to-end runners (sourced): a private work directory, the
# processes they start and their clean-up, and a private Xvfb. The sourcing
# script defines fail() and $artefacts first.

# Creates $work with a home, a config and a runtime directory, and arranges
# for e2e_cleanup to run however the script ends.
e2e_setup_work() {
  work="$(mktemp -d "/tmp/$1.XXXXXX")" || fail "cannot create a temporary directory"
  mkdir -p "$artefacts" "$work/home" "$work/config" "$work/runtime"
  chmod 700 "$work/runtime"
  pids=()
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM HUP
}

e2e_cleanup() {
  local pid
  # The driver records the processes it starts, in case it died before its
  # own clean-up ran.
  if [ -f "$work/app.pids" ]; then
    while read -r pid; do kill -KILL "$pid" 2>/dev/null; done < "$work/app.pids"
  fi
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 1 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  cp "$work"/*.log "$artefacts"/ 2>/dev/null
  rm -rf "$work"
}

# Starts Xvfb on a free display (it reports the number once it accepts
# clients); sets xvfb_display to ":N", or to "" when it did not start.
e2e_start_xvfb() {
  local number=""
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/$1.display" >"$work/$1.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 1 100); do
    number="$(tr -dc '0-9' < "$work/$1.display" 2>/dev/null)"
    [ -n "$number" ] && break
    sleep 0.1
  done
  xvfb_display="${number:+:$number}"
}
