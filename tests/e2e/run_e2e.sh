#!/usr/bin/env bash
# End-to-end run of the game in a real X session: Xvfb, an XEmbed tray host
# (trayer) and a private session bus. The driver (e2e_driver.py) launches the
# game with an empty store, clicks its tray icon, plays pointer gestures on the
# panel, quits and relaunches, and checks the stored game each time.
#
#   run_e2e.sh <path to murvane-solitaire> [artefact directory] [driver]
#
# The driver defaults to e2e_driver.py; a11y_driver.py plays the game
# through the accessibility bus instead.
#
# Prints one PASS or FAIL line; exits 0 only on success. Every process it
# starts is stopped on the way out.
set -uo pipefail

app="${1:?usage: run_e2e.sh <murvane-solitaire> [artefact dir]}"
here="$(cd "$(dirname "$0")" && pwd)"
artefacts="${2:-$PWD/e2e-artifacts}"
driver_script="${3:-$here/e2e_driver.py}"
# The screen edge the tray host sits on; the driver may check the game names it.
export MURVANE_E2E_TRAY_EDGE="${MURVANE_E2E_TRAY_EDGE:-top}"
tray_edge="$MURVANE_E2E_TRAY_EDGE"
python=/usr/bin/python3 # the system one; another python3 may come first on PATH

fail() { echo "FAIL: e2e tray session: $*"; exit 1; }

for tool in Xvfb trayer xdotool xwininfo import dbus-run-session dbus-send; do
  command -v "$tool" >/dev/null 2>&1 || fail "missing tool '$tool' (scripts/install-deps.sh installs it)"
done
[ -x "$app" ] || fail "no executable at $app"
[ -x "$python" ] || fail "no $python"

. "$here/session_common.sh"
e2e_setup_work murvane-e2e
e2e_start_xvfb xvfb
[ -n "$xvfb_display" ] || fail "Xvfb did not start: $(tail -3 "$work/xvfb.log")"
export DISPLAY="$xvfb_display"

trayer --edge "$tray_edge" --align right --widthtype request --height 32 \
  --SetDockType true --SetPartialStrut true --transparent false >"$work/trayer.log" 2>&1 &
pids+=($!)
echo $! >"$work/trayer.pid" # the driver replaces it with tray hosts that come up late
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '("panel" "trayer")' && break
  sleep 0.1
done
xwininfo -root -tree 2>/dev/null | grep -q '("panel" "trayer")' || fail "the tray host did not start"

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

# A private session bus for the game (it asks the settings portal, which is
# absent here, and must cope).
dbus-run-session -- "$python" "$driver_script" "$app" "$work" "$artefacts" &
driver=$!
pids+=($driver)
wait "$driver"
status=$?
if [ "$status" -eq 0 ]; then
  echo "PASS: e2e $(basename "$driver_script" .py) (screenshots in $artefacts)"
  exit 0
fi
echo "FAIL: e2e $(basename "$driver_script" .py) (driver exit $status; screenshots in $artefacts)"
exit 1
