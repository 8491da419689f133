#!/usr/bin/env bash
# Set-up, build, run and test of Lumari ! on Debian 12 / Ubuntu.
#   ./lumari.sh run    installs what is missing, builds, starts the program
#   ./lumari.sh test   installs what is missing, builds, runs every test headless
#   ./lumari.sh package  builds the .deb and the portable .tar.gz into build/
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-multimedia-dev libqt6multimedia6 libgl-dev
  fonts-liberation xdg-utils libsndfile1-dev
  fonts-noto-color-emoji unicode-cldr-core qt6-image-formats-plugins
  libqt6sql6-sqlite qt6-charts-dev
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
  speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
)
TEST_PACKAGES=(
  googletest libgtest-dev
  xvfb xdotool x11-utils imagemagick python3 python3-xlib util-linux
  pulseaudio pulseaudio-utils sox
  desktop-file-utils appstream dpkg-dev file libimage-exiftool-perl lintian
  poppler-utils
)
# dpkg-shlibdeps (dpkg-dev) finds the .deb's Depends; CPack needs file for it.
PACKAGE_PACKAGES=(dpkg-dev file)

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
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
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
    # The unit tests again with AddressSanitizer and UndefinedBehaviorSanitizer:
    # any report fails its test. The journeys of the real binary, checked
    # above, are left out.
    build build-sanitize -DLUMARI_TESTS=ON -DLUMARI_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" -E '^e2e_'
    ;;
  package)
    install_missing "${PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    build build -DLUMARI_TESTS=OFF
    cpack --config build/CPackConfig.cmake -B build
    ;;
  *)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
