#!/usr/bin/env bash
# Checks that a build does not depend on the folder it ran in: builds the plug-in again
# from a copy of the tracked sources in another folder, with the options of the given
# Linux and Windows builds, and compares the .so and the DLL with theirs byte for byte
# (debug information included). GLEW's source is copied from the Windows build.
# Usage: scripts/check-reproducible.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
LINUX_BUILD=$(cd "$1" && pwd)
WINDOWS_BUILD=$(cd "$2" && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/vigil-reproducible.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
COPY=$WORK/another/place/for/the/sources
mkdir -p "$COPY"
(cd "$ROOT" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$COPY"

# The options that change what the compiler writes, as the given build has them.
options_of() {
  sed -n 's/^\(CMAKE_BUILD_TYPE\|VIGIL_WERROR\):[A-Z]*=\(.*\)$/-D\1=\2/p' "$1/CMakeCache.txt"
}

status=0
# Builds the plug-in library in the copy and compares it with the given build's.
rebuild_and_compare() {
  local reference=$1 folder=$2 file=$3
  shift 3
  mapfile -t options < <(options_of "$reference")
  cmake -S "$COPY" -B "$folder" -G Ninja "${options[@]}" "$@" >/dev/null
  cmake --build "$folder" --target ZaqVigilomatronic >/dev/null
  if cmp -s "$reference/$file" "$folder/$file"; then
    echo "ok: $file identical when built in another folder ($(sha256sum <"$folder/$file" | cut -c1-16)...)"
  else
    echo "FAIL: $file differs when built in another folder ($reference/$file, $folder/$file)" >&2
    cp "$folder/$file" "$reference/$file.elsewhere"
    echo "      the other build is kept as $reference/$file.elsewhere" >&2
    status=1
  fi
}

rebuild_and_compare "$LINUX_BUILD" "$COPY/build" ZaqVigilomatronic.so -DBUILD_TESTING=OFF
mkdir -p "$COPY/build-windows/deps"
cp -r "$WINDOWS_BUILD/deps/glew" "$COPY/build-windows/deps/"
rebuild_and_compare "$WINDOWS_BUILD" "$COPY/build-windows" ZaqVigilomatronic.dll \
  -DCMAKE_TOOLCHAIN_FILE="$COPY/cmake/mingw-w64.cmake"
exit $status
