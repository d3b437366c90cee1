#!/usr/bin/env bash
# End-to-end run of the game in a Wayland session: weston's headless
# backend with XWayland, a private session bus and a minimal
# StatusNotifierWatcher (sni_watcher.py) standing in for the tray host. The
# driver (wayland_driver.py) activates the tray item over D-Bus and checks
# the panel on XWayland (X tools) and natively (the accessibility tree).
#
#   run_wayland_e2e.sh <path to murvane-solitaire> [artefact directory]
#
# Prints one PASS, FAIL or SKIP line; exits 0 on success, 77 when the session
# cannot be built here at all. Every process it starts is stopped on the way
# out.
set -uo pipefail

app="${1:?usage: run_wayland_e2e.sh <murvane-solitaire> [artefact dir]}"
here="$(cd "$(dirname "$0")" && pwd)"
artefacts="${2:-$PWD/wayland-e2e-artifacts}"
python=/usr/bin/python3 # the system one, with python3-dbus and python3-gi

fail() { echo "FAIL: e2e Wayland session: $*"; exit 1; }
skip() { echo "SKIP: e2e Wayland session: $*"; exit 77; }

[ -x "$app" ] || fail "no executable at $app"
for tool in weston dbus-run-session dbus-send; do
  command -v "$tool" >/dev/null 2>&1 || skip "missing '$tool' (scripts/install-deps.sh installs it)"
done
[ -x "$python" ] && "$python" -c 'import dbus, gi, pyatspi' 2>/dev/null \
  || skip "$python lacks dbus, gi or pyatspi (python3-dbus python3-gi python3-pyatspi)"
qtplugins="$(dirname "$(ldd "$app" | awk '/libQt6Core/ {print $3}')")/qt6/plugins/platforms"
ls "$qtplugins"/libqwayland-*.so >/dev/null 2>&1 || skip "no Qt Wayland platform plugin in $qtplugins (qt6-wayland)"

. "$here/session_common.sh"
e2e_setup_work murvane-wl-e2e

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY

# XWayland needs the X socket directory; without it only the native half runs.
xwayland=(--xwayland)
if ! command -v Xwayland >/dev/null 2>&1; then
  xwayland=()
  echo "e2e: no Xwayland installed; the XWayland checks will be skipped"
elif [ ! -d /tmp/.X11-unix ] && ! mkdir -m 1777 /tmp/.X11-unix 2>/dev/null; then
  xwayland=()
  echo "e2e: cannot create /tmp/.X11-unix; the XWayland checks will be skipped"
fi

# Starts weston with backend $1 on socket $2, logging to $3 (more options
# follow); waits until it accepts clients and sets weston_display to the X
# display its XWayland listens on ("" without one). Not in a subshell: the
# pid must reach the clean-up.
weston_display=""
start_weston() {
  local backend="$1" name="$2" log="$3"
  weston_display=""
  shift 3
  weston --backend="$backend" --socket="$name" --width=1280 --height=800 --idle-time=0 "$@" >"$log" 2>&1 &
  pids+=($!)
  for _ in $(seq 1 300); do
    [ -S "$XDG_RUNTIME_DIR/$name" ] && break
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.1
  done
  [ -S "$XDG_RUNTIME_DIR/$name" ] || return 1
  if [[ " $* " == *" --xwayland "* ]]; then
    for _ in $(seq 1 150); do
      weston_display="$(grep -o 'xserver listening on display :[0-9]*' "$log" | grep -o ':[0-9]*$')"
      [ -n "$weston_display" ] && break
      sleep 0.1
    done
  fi
}

socket="murvane-e2e-$$"
start_weston headless-backend.so "$socket" "$work/weston.log" "${xwayland[@]}" \
  || fail "weston did not start: $(tail -3 "$work/weston.log")"
display="$weston_display"
[ ${#xwayland[@]} -eq 0 ] || [ -n "$display" ] || echo "e2e: weston started no X server; the XWayland checks will be skipped"

# The headless backend has no seat, so nothing can move a pointer or the
# activation there. For those checks a second weston runs on an X11 backend
# inside Xvfb, whose pointer xdotool drives.
input_socket="" input_display="" host_display=""
if command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1; then
  e2e_start_xvfb host-xvfb
  host_display="$xvfb_display"
  if [ -n "$host_display" ]; then
    input_socket="murvane-e2e-input-$$"
    if DISPLAY="$host_display" start_weston x11-backend.so "$input_socket" "$work/weston-input.log" \
         --use-pixman "${xwayland[@]}"; then
      input_display="$weston_display"
    else
      input_socket=""
    fi
  fi
  [ -n "$input_socket" ] || echo "e2e: no nested weston with a seat; the pointer and activation checks will be skipped"
fi

dbus-run-session -- "$python" "$here/wayland_driver.py" "$app" "$work" "$artefacts" "$socket" "$display" \
  "$input_socket" "$input_display" "$host_display" &
driver=$!
pids+=($driver)
wait "$driver"
status=$?
if [ "$status" -eq 0 ]; then
  echo "PASS: e2e Wayland session (logs in $artefacts)"
  exit 0
fi
echo "FAIL: e2e Wayland session (driver exit $status; logs in $artefacts)"
exit 1
