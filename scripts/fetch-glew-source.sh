#!/usr/bin/env bash
# Unpacks Debian's GLEW source package into DEST/glew (DEST defaults to
# build-windows/deps) and prints that folder. The Windows build compiles its src/glew.c
# statically, since Debian ships no mingw build of GLEW. A deb-src entry for Debian's
# own archive is added only for the download and removed again, so the machine's
# package sources end as they began. Needs root (apt) and dpkg-dev (dpkg-source).
set -euo pipefail
DEST=${1:-$(cd "$(dirname "$0")/.." && pwd)/build-windows/deps}
mkdir -p "$DEST"
DEST=$(cd "$DEST" && pwd)

if [ -f "$DEST/glew/src/glew.c" ]; then
  echo "$DEST/glew"
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Fetching GLEW's source package needs root (it edits apt's sources for a moment)." >&2
  exit 1
fi

. /etc/os-release
entry=/etc/apt/sources.list.d/vigil-glew-source.sources
download=$(mktemp -d "$DEST/download.XXXXXX")
cleanup() {
  rm -rf "$download"
  if [ -f "$entry" ]; then
    rm -f "$entry"
    apt-get update -qq >/dev/null || true
  fi
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
# apt downloads as its own unprivileged user; let it write here.
chmod 777 "$download"
(cd "$download" && apt-get source -qq --download-only glew >/dev/null)
# apt checked the files against the archive's signed index; the uploader's own signature
# would need the Debian keyring tools, so dpkg-source does not check again.
dpkg-source --no-check -x "$download"/glew_*.dsc "$download/glew" >/dev/null
rm -rf "$DEST/glew"
mv "$download/glew" "$DEST/glew"
[ -f "$DEST/glew/src/glew.c" ] || { echo "GLEW's source package lacks src/glew.c" >&2; exit 1; }
echo "$DEST/glew"
