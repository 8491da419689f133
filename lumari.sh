#!/usr/bin/env bash
# Set-up, build, run and test of Lumari ! on Debian 12 / Ubuntu.
#   ./lumari.sh run    installs what is missing, builds, starts the program
#   ./lumari.sh test   installs what is missing, builds, runs every test headless
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 libgl-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-pulseaudio
  fonts-liberation xdg-utils
)
TEST_PACKAGES=(
  googletest libgtest-dev
  xvfb xdotool x11-utils imagemagick python3 python3-xlib
  pulseaudio pulseaudio-utils
)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

case "${1:-}" in
  run)
    install_missing "${PACKAGES[@]}"
    build build -DLUMARI_TESTS=OFF
    exec build/app/lumari
    ;;
  test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build build -DLUMARI_TESTS=ON
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
