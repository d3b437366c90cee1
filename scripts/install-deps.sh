#!/usr/bin/env bash
# Installs the Debian 12 packages the game, its tests and its end-to-end run
# need. Safe to run again: it installs only what is missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-translations-l10n libxcb1-dev
  libgtest-dev libbenchmark-dev
  # clang and its runtime (libFuzzer and the sanitizers) for scripts/fuzz.sh
  clang libclang-rt-14-dev
  fonts-dejavu-core
  xvfb xauth xdotool trayer x11-utils imagemagick dbus-bin dbus-x11 at-spi2-core python3-pyatspi
  desktop-file-utils appstream dpkg-dev file lintian
  weston xwayland qt6-wayland python3-dbus python3-gi
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
