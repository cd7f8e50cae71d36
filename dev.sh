#!/usr/bin/env bash
# Set-up, build and run on Debian 12. Run as root on a fresh machine; every command
# installs what is missing first.
#   ./dev.sh test      build and run every test
#   ./dev.sh demo      build and render the demo pictures into out/
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD=${BUILD:-$ROOT/build}

LINUX_PACKAGES=(cmake ninja-build g++ pkg-config libglew-dev libstb-dev libgtest-dev
  libx11-dev libgl-dev libgl1-mesa-dri libglx-mesa0 xvfb xauth faketime imagemagick)

# Installs the Debian packages that are missing, or says how to when not root.
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root: apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  ensure_packages "${LINUX_PACKAGES[@]}"
  cmake -S "$ROOT" -B "$BUILD" -G Ninja "$@" >/dev/null
  cmake --build "$BUILD"
}

# Runs a command on a fresh Xvfb display (another display may already be taken).
with_display() {
  xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
}

cmd_test() {
  build
  with_display ctest --test-dir "$BUILD" --output-on-failure -j2 "$@"
}

cmd_demo() {
  build
  mkdir -p "$ROOT/out"
  local host="$BUILD/tools/vigil-host" lib="$BUILD/ZaqVigilomatronic.so"
  with_display "$host" info "$lib"
  with_display "$host" thumbnail "$lib" "$ROOT/out/thumbnail.png"
  echo "Wrote out/thumbnail.png"
}

case "${1:-}" in
  test) shift; cmd_test "$@" ;;
  demo) shift; cmd_demo "$@" ;;
  build) shift; build "$@" ;;
  *) sed -n '2,6p' "$0"; exit 2 ;;
esac
