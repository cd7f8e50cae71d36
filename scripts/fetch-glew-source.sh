#!/usr/bin/env bash
# Unpacks Debian's GLEW source package into DEST (default build-windows/deps) for the
# Windows build, which compiles src/glew.c statically: Debian ships no mingw GLEW.
# A deb-src entry for Debian's own archive is added only for the download and removed
# again, so the machine's package sources end as they began. Needs root and dpkg-dev.
set -euo pipefail
DEST=${1:-$(cd "$(dirname "$0")/.." && pwd)/build-windows/deps}
mkdir -p "$DEST"
DEST=$(cd "$DEST" && pwd)

existing=$(find "$DEST" -maxdepth 2 -path '*/src/glew.c' -print -quit)
if [ -n "$existing" ]; then
  dirname "$(dirname "$existing")"
  exit 0
fi

. /etc/os-release
entry=/etc/apt/sources.list.d/vigil-glew-source.sources
cleanup() {
  rm -f "$entry"
  apt-get update -qq >/dev/null || true
}
trap cleanup EXIT
cat >"$entry" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: ${VERSION_CODENAME:-bookworm}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq >/dev/null
download=$(mktemp -d "$DEST/download.XXXXXX")
# apt drops to its own user for downloads; let it write here.
chmod 777 "$download"
(cd "$download" && apt-get source -qq --download-only glew >/dev/null)
dsc=$(ls "$download"/glew_*.dsc)
dpkg-source --no-check -x "$dsc" "$download/glew" >/dev/null
rm -rf "$DEST/glew"
mv "$download/glew" "$DEST/glew"
rm -rf "$download"
[ -f "$DEST/glew/src/glew.c" ] || { echo "GLEW source lacks src/glew.c" >&2; exit 1; }
echo "$DEST/glew"
