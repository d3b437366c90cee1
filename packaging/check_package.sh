#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it the way a
# user's system would meet it: its dependencies, the desktop entry and the
# AppStream metainfo as installed, every file the README promises, Debian's
# own package checker (lintian: no error, no warning), and the packaged
# executable itself (--version, a bad option, and a real start on
# the offscreen platform that creates its settings store).
#   packaging/check_package.sh <build dir> <source dir> <version>
set -euo pipefail
build="${1:?build dir}"
source="${2:?source dir}"
version="${3:?version}"

# Every tool is required: a check that skips itself where a tool is missing
# would pass on the machines that most need it.
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog desktop-file-validate appstreamcli file lintian; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/install-deps.sh installs it)"; exit 1; }
done

work="$(mktemp -d /tmp/murvane-package.XXXXXX)"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/out/*.deb)"
echo "package: $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -q "$lib" <<<"$depends" || fail "dependency on $lib not computed"
done

# Tags at information level and below are advice; an error or a warning fails.
# --tag-display-limit 0: every instance of a tag is listed, not the first few.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 \
  || { cat "$work/lintian.log"; fail "lintian"; }
echo "lintian: no errors, no warnings"

root="$work/root"
dpkg-deb -x "$deb" "$root"
doc="$root/usr/share/doc/murvane-solitaire"
[ "$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = "$version" ] \
  || fail "packaging/changelog has no entry for $version at its top"
grep -q "Kestrune LLC" "$doc/copyright" || fail "the copyright file does not name Kestrune LLC"

# Every file the README lists for the package.
promised="$(sed -n '/<!-- package-files -->/,/<!-- \/package-files -->/p' "$source/README.md" | grep -o '/usr/[^ `]*' || true)"
[ -n "$promised" ] || fail "README lists no package files"
while read -r path; do
  [ -e "$root$path" ] || fail "README promises $path, the package lacks it"
done <<<"$promised"

desktop="$(ls "$root"/usr/share/applications/*.desktop)"
desktop-file-validate "$desktop" || fail "desktop entry"
metainfo="$(ls "$root"/usr/share/metainfo/*.metainfo.xml)"
appstreamcli validate --no-net "$metainfo" || fail "metainfo"
grep -q "release version=\"$version\"" "$metainfo" || fail "metainfo lacks the release $version"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
for size in 16 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  file "$png" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file "$png")"
done
file "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" | grep -q SVG || fail "scalable icon"

exe="$root/usr/games/murvane-solitaire"
# The menu entry must find the packaged program, by path or on PATH.
for key in Exec TryExec; do
  program="$(sed -n "s/^$key=\([^ ]*\).*/\1/p" "$desktop")"
  case "$program" in
    /*) [ -x "$root$program" ] ;;
    *) [ -x "$root/usr/games/$program" ] || [ -x "$root/usr/bin/$program" ] ;;
  esac || fail "the desktop entry's $key names $program, which the package lacks"
done
file "$exe" | grep -q ", stripped" || fail "the packaged executable is not stripped"
[ "$("$exe" --version)" = "Murvane Solitaire $version" ] || fail "--version says: $("$exe" --version)"

export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
store="$XDG_CONFIG_HOME/Kestrune/Murvane Solitaire.conf"

if "$exe" --no-such-option >"$work/bad.out" 2>"$work/bad.err"; then fail "a bad option was accepted"; fi
grep -q "Usage:" "$work/bad.err" || fail "a bad option printed no usage line"
[ ! -e "$XDG_CONFIG_HOME/Kestrune" ] || fail "a bad option touched the settings store"

"$exe" >"$work/run.log" 2>&1 &
pid=$!
for _ in $(seq 1 200); do
  [ -s "$store" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "the game ended on its own"; }
  sleep 0.1
done
[ -s "$store" ] || { cat "$work/run.log"; fail "no settings store after 20 s"; }
grep -q "HasSeenWelcome=true" "$store" || fail "the first run did not record the welcome"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || { cat "$work/run.log"; fail "the game exited with $status on SIGTERM"; }

# apt must be able to install it on a clean system: simulated against an empty
# package database, every dependency has to come from the distribution's archive.
if command -v apt-get >/dev/null && [ -n "$(ls /var/lib/apt/lists/ 2>/dev/null | grep -v lock)" ]; then
  : >"$work/empty-status"
  apt-get install -s -o Dir::State::status="$work/empty-status" "$deb" >"$work/apt.log" 2>&1 \
    || { tail -20 "$work/apt.log"; fail "apt cannot install the package on a clean system"; }
  grep -q "^Inst murvane-solitaire " "$work/apt.log" || { tail -20 "$work/apt.log"; fail "apt would not install it"; }
  echo "a clean system installs it with $(grep -c '^Inst ' "$work/apt.log") packages"
else
  echo "no apt package lists: skipped the clean-install simulation"
fi
echo "package checks passed"
