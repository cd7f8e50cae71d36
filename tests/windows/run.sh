#!/usr/bin/env bash
# Checks the Windows build against the Linux build: the DLL's and the host's import and
# export tables and the DLL's version resource, then, under Wine inside one X display, the
# info listing, thumbnail and rendered scenes. The Wine prefix lives in a temporary folder, deleted afterwards.
# Usage: tests/windows/run.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
LINUX_BUILD=$(cd "$1" && pwd)
WINDOWS_BUILD=$(cd "$2" && pwd)

"$HERE/check-tables.sh" "$WINDOWS_BUILD/ZaqVigilomatronic.dll" --exports plugMain SetLogCallback
"$HERE/check-tables.sh" "$WINDOWS_BUILD/tools/vigil-host.exe"
# The DLL's version resource carries the project's version, which the Linux host prints.
VERSION=$("$LINUX_BUILD/tools/vigil-host" --version | cut -d' ' -f2)
"$HERE/check-version.sh" "$WINDOWS_BUILD/ZaqVigilomatronic.dll" "$VERSION"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/vigil-wine.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" "$HERE/compare-under-wine.sh" "$LINUX_BUILD" "$WINDOWS_BUILD" "$WORK" ||
  status=$?
# Both builds' pictures and logs stay for a look; the prefix goes.
rm -rf "$WINDOWS_BUILD/wine-check"
mkdir -p "$WINDOWS_BUILD/wine-check"
cp -r "$WORK/linux" "$WORK/windows" "$WINDOWS_BUILD/wine-check/"
echo "Pictures and logs of both builds: $WINDOWS_BUILD/wine-check"
exit $status
