#!/usr/bin/env bash
# What the program says on the command line, in every shipped language:
# --help, a refused argument (exit status 2), and a start without any
# display, which must be one line and exit status 1, not an abort. The store
# must stay untouched throughout.
#
#   run_cli_checks.sh <path to murvane-solitaire>
set -uo pipefail
app="${1:?usage: run_cli_checks.sh <murvane-solitaire>}"
work="$(mktemp -d /tmp/murvane-cli.XXXXXX)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs the program with no display at all and the given extra environment;
# sets rc, out and err.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u LANG -u LC_MESSAGES \
    LC_ALL=C.UTF-8 HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" "$@" \
    >"$work/out" 2>"$work/err" </dev/null
  rc=$?
  out="$(cat "$work/out")"
  err="$(cat "$work/err")"
}
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"

no_display_en="murvane-solitaire: cannot connect to a display (DISPLAY and WAYLAND_DISPLAY are unset or unreachable)"
help_en="Show this help and exit."
refusal_en="murvane-solitaire: unrecognized argument '--bogus'"
for lang in en fr de es pl; do
  run LANGUAGE="$lang" "$app"
  [ "$rc" -eq 1 ] || fail "$lang: no display exits with $rc, not 1 (stderr: $err)"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "$lang: no display says more than one line: $err"
  [[ "$err" == "murvane-solitaire: "* ]] || fail "$lang: no display line lacks the program name: $err"
  if [ "$lang" = en ]; then
    [ "$err" = "$no_display_en" ] || fail "en: no display says: $err"
  else
    [ "$err" != "$no_display_en" ] || fail "$lang: no display line is not translated"
  fi

  run LANGUAGE="$lang" "$app" --help
  [ "$rc" -eq 0 ] && [[ "$out" == *"--open"* ]] || fail "$lang: --help exits $rc with: $out"
  if [ "$lang" = en ]; then [[ "$out" == *"$help_en"* ]] || fail "en: --help lacks '$help_en'"
  else [[ "$out" != *"$help_en"* ]] || fail "$lang: --help is not translated"; fi

  run LANGUAGE="$lang" "$app" --bogus
  first="$(printf '%s\n' "$err" | head -1)"
  [ "$rc" -eq 2 ] && [[ "$first" == "murvane-solitaire: "*"--bogus"* ]] || fail "$lang: --bogus exits $rc with: $err"
  if [ "$lang" = en ]; then [ "$first" = "$refusal_en" ] || fail "en: --bogus says: $first"
  else [ "$first" != "$refusal_en" ] || fail "$lang: the refusal is not translated"; fi
  run LANGUAGE="$lang" "$app" stray
  [ "$rc" -eq 2 ] && [ "$(printf '%s\n' "$err" | head -1)" = "${first//--bogus/stray}" ] \
    || fail "$lang: a stray word is refused in other words than an unknown option: $err"
done

# A display that is named but not there ends the same way.
run DISPLAY=:4242 LANGUAGE=en "$app"
[ "$rc" -eq 1 ] && [ "$err" = "$no_display_en" ] || fail "unreachable DISPLAY exits $rc with: $err"

[ -z "$(ls -A "$work/config" 2>/dev/null)" ] || fail "the store was touched: $(ls -R "$work/config")"
if [ "$failures" -eq 0 ]; then echo "PASS: command-line messages"; exit 0; fi
exit 1
