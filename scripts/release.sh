#!/usr/bin/env bash
# Packs the release from a Linux and a Windows build folder into DIST:
#   ZaqVigilomatronic-VERSION-windows-x64.zip      the DLL, the guide, the licence notices
#   ZaqVigilomatronic-VERSION-linux-x86_64.tar.gz  the .so, vigil-host, the guide, the notices
#   SHA256SUMS                                     of both
# VERSION is the project's, from the builds' CMake cache. The binaries are stripped of their
# debug information (exports and imports stay, and are checked); stripping gives the DLL's
# header the time SOURCE_DATE_EPOCH (the link left it 0). Every entry gets the time
# SOURCE_DATE_EPOCH, fixed owner and mode, in sorted order, so that the same builds make
# the same archives, byte for byte.
# Usage: SOURCE_DATE_EPOCH=SECONDS scripts/release.sh LINUX_BUILD WINDOWS_BUILD DIST
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
LINUX_BUILD=$(cd "$1" && pwd)
WINDOWS_BUILD=$(cd "$2" && pwd)
DIST=$3
EPOCH=${SOURCE_DATE_EPOCH:?set SOURCE_DATE_EPOCH to the time the archive entries should carry}

cached_version() { sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"; }
VERSION=$(cached_version "$LINUX_BUILD")
if [ -z "$VERSION" ] || [ "$VERSION" != "$(cached_version "$WINDOWS_BUILD")" ]; then
  echo "The two builds are of different versions: \"$VERSION\" and \"$(cached_version "$WINDOWS_BUILD")\"" >&2
  exit 1
fi
WINDOWS_NAME=ZaqVigilomatronic-$VERSION-windows-x64
LINUX_NAME=ZaqVigilomatronic-$VERSION-linux-x86_64

STAGE=$(mktemp -d "${TMPDIR:-/tmp}/vigil-release.XXXXXX")
trap 'rm -rf "$STAGE"' EXIT
umask 022

# What both archives hold for the reader: the guide with its pictures, and the notices.
add_guide() {
  mkdir -p "$1/gallery"
  sed "s/@VERSION@/$VERSION/g" "$ROOT/docs/guide.html" >"$1/Guide.html"
  cp "$ROOT"/docs/gallery/*.png "$1/gallery/"
  "$ROOT/scripts/third-party-notices.sh" "$WINDOWS_BUILD/deps/glew/include/GL/glew.h" >"$1/THIRD-PARTY-NOTICES.txt"
}

mkdir -p "$STAGE/$WINDOWS_NAME" "$STAGE/$LINUX_NAME"
x86_64-w64-mingw32-strip --strip-unneeded -o "$STAGE/$WINDOWS_NAME/ZaqVigilomatronic.dll" \
  "$WINDOWS_BUILD/ZaqVigilomatronic.dll"
"$ROOT/tests/windows/check-tables.sh" "$STAGE/$WINDOWS_NAME/ZaqVigilomatronic.dll" --exports plugMain SetLogCallback
add_guide "$STAGE/$WINDOWS_NAME"
strip --strip-unneeded -o "$STAGE/$LINUX_NAME/ZaqVigilomatronic.so" "$LINUX_BUILD/ZaqVigilomatronic.so"
strip -o "$STAGE/$LINUX_NAME/vigil-host" "$LINUX_BUILD/tools/vigil-host"
add_guide "$STAGE/$LINUX_NAME"

# Files readable by all, vigil-host runnable; one time for everything.
find "$STAGE" -type d -exec chmod 755 {} + -o -type f -exec chmod 644 {} +
chmod 755 "$STAGE/$LINUX_NAME/vigil-host"
find "$STAGE" -exec touch -h -d "@$EPOCH" {} +

mkdir -p "$DIST"
DIST=$(cd "$DIST" && pwd)
rm -f "$DIST/$WINDOWS_NAME.zip" "$DIST/$LINUX_NAME.tar.gz" "$DIST/SHA256SUMS"
# zip writes local time: in UTC it is the same everywhere. -X leaves out owners and extra times.
(cd "$STAGE" && find "$WINDOWS_NAME" | LC_ALL=C sort | TZ=UTC zip -q -X -9 -@ "$DIST/$WINDOWS_NAME.zip")
(cd "$STAGE" && tar --sort=name --mtime="@$EPOCH" --owner=0 --group=0 --numeric-owner --format=gnu \
  -cf - "$LINUX_NAME" | gzip -9 -n >"$DIST/$LINUX_NAME.tar.gz")
(cd "$DIST" && sha256sum "$WINDOWS_NAME.zip" "$LINUX_NAME.tar.gz" >SHA256SUMS)
echo "Wrote $DIST:"
(cd "$DIST" && cat SHA256SUMS)
